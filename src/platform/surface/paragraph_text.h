#pragma once

#include <QChar>
#include <QString>
#include <QtGlobal>
#include <vector>

// The rich-text widget keeps one paragraph per line and forgets how each line
// ended, so the surface records the kind of every line break itself.
enum class LineBreak : quint8 { CrLf = 0, Lf = 1, Cr = 2 };

// NUL cannot be shown by the widget; this stand-in, which is outside the code
// page and so can never be in the text otherwise, shows it instead.
inline constexpr QChar NulPlaceholder{0x2400};

// A text as the widget holds it: U+2029 for each line break, with the kinds of
// the breaks in order, NUL as its placeholder and every character outside the
// code page as "?".
struct ParagraphText {
    QString text;
    std::vector<LineBreak> breaks;
};

[[nodiscard]] ParagraphText ToParagraphText(const QString& text);
[[nodiscard]] int BreakLength(LineBreak kind);
[[nodiscard]] QString BreakText(LineBreak kind);

// Appends a widget text (U+2029 breaks, placeholders) to out as program text,
// taking the kinds of its breaks from nextBreak(), called once per break.
template <typename NextBreak>
void AppendProgramText(QString& out, QStringView widgetText, NextBreak&& nextBreak) {
    for (const QChar c : widgetText) {
        if (c == QChar::ParagraphSeparator)
            out += BreakText(nextBreak());
        else if (c == NulPlaceholder)
            out += QChar(0);
        else
            out += c;
    }
}
