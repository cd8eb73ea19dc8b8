#pragma once

#include "core/text/ansi_code_page.h"
#include "core/text/editor_surface.h"

#include <gtest/gtest.h>

#include <QString>
#include <algorithm>
#include <functional>
#include <memory>
#include <ostream>
#include <random>
#include <string>

// One implementation of EditorSurface that the contract runs against.
struct SurfaceKind {
    std::string name;
    std::function<std::unique_ptr<EditorSurface>()> make;
};

inline void PrintTo(const SurfaceKind& kind, std::ostream* os) {
    *os << kind.name;
}

// The look of one character as the surface reports it.
struct Look {
    ColorValue color = 0;
    QString fontName;
    double size = 0;
    bool bold = false;
    bool italic = false;

    friend bool operator==(const Look&, const Look&) = default;
};

inline void PrintTo(const Look& look, std::ostream* os) {
    *os << "{color " << look.color << ", font " << look.fontName.toStdString() << ", size "
        << look.size << (look.bold ? ", bold" : "") << (look.italic ? ", italic" : "") << "}";
}

// The text with line breaks and every character outside printable ASCII
// escaped, so a failed comparison shows exactly which character differs.
[[nodiscard]] inline std::string Shown(const QString& text) {
    std::string out;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\')
            out += "\\\\";
        else if (u == u'\r')
            out += "\\r";
        else if (u == u'\n')
            out += "\\n";
        else if (u >= 0x20 && u < 0x7F)
            out += static_cast<char>(u);
        else
            out += QStringLiteral("\\u%1").arg(int(u), 4, 16, QLatin1Char('0')).toStdString();
    }
    return out;
}

// A fresh surface per test that counts its textChanged notifications.
class EditorSurfaceContract : public ::testing::TestWithParam<SurfaceKind> {
protected:
    void SetUp() override {
        m_surface = GetParam().make();
        QObject::connect(m_surface.get(), &EditorSurface::textChanged, m_surface.get(),
                         [this] { ++changes; });
    }

    [[nodiscard]] EditorSurface& surface() { return *m_surface; }

    void select(int start, int length) {
        m_surface->setSelStart(start);
        m_surface->setSelLength(length);
    }

    // The look the surface reports right now, for the selection or caret.
    [[nodiscard]] Look look() const {
        return {m_surface->selColor(), m_surface->selFontName(), m_surface->selFontSize(),
                m_surface->selBold(), m_surface->selItalic()};
    }

    // Gives the selection, or the caret, every attribute of look.
    void format(const Look& look) {
        m_surface->setSelColor(look.color);
        m_surface->setSelFontName(look.fontName);
        m_surface->setSelFontSize(look.size);
        m_surface->setSelBold(look.bold);
        m_surface->setSelItalic(look.italic);
    }

    // The look of the single character at position; moves the selection.
    [[nodiscard]] Look lookAt(int position) {
        select(position, 1);
        return look();
    }

    int changes = 0;

private:
    std::unique_ptr<EditorSurface> m_surface;
};

// What a surface's text and selection must be after a series of edits, kept
// as a plain string with the contract's rules for positions.
struct TextModel {
    QString text;
    int selStart = 0;
    int selLength = 0;

    // Clamped to the text; a position between CR and LF moves past the LF.
    [[nodiscard]] int normalized(qint64 position) const {
        const qint64 p = std::clamp<qint64>(position, 0, text.size());
        const bool insidePair =
            p > 0 && p < text.size() && text[p - 1] == u'\r' && text[p] == u'\n';
        return static_cast<int>(insidePair ? p + 1 : p);
    }
    void setText(const QString& t) {
        text = ReplaceNonAnsi(t);
        selStart = selLength = 0;
    }
    void setSelStart(int position) {
        selStart = normalized(position);
        selLength = 0;
    }
    void setSelLength(int length) {
        selLength = normalized(qint64{selStart} + std::max(length, 0)) - selStart;
    }
    [[nodiscard]] QString selText() const { return text.mid(selStart, selLength); }
    void replaceSelection(const QString& inserted) {
        const QString stored = ReplaceNonAnsi(inserted);
        text.replace(selStart, selLength, stored);
        setSelStart(selStart + static_cast<int>(stored.size()));
    }
    // Length of the character or line break that starts at position.
    [[nodiscard]] int unitAt(int position) const {
        return text.mid(position, 2) == QStringLiteral("\r\n") ? 2 : 1;
    }
    [[nodiscard]] int lineCount() const {
        int breaks = 0;
        for (qsizetype i = 0; i < text.size(); ++i)
            if (text[i] == u'\n' || (text[i] == u'\r' && text.mid(i, 2) != QStringLiteral("\r\n")))
                ++breaks;
        return breaks + 1;
    }
};

// Random pieces of text rich in line breaks of every kind, next to each other
// and next to characters the surface stores in another form.
class RandomText {
public:
    explicit RandomText(unsigned seed) : m_random(seed) {}

    int number(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(m_random);
    }

    [[nodiscard]] QString pieces(int most) {
        static const QString Pieces[] = {
            QStringLiteral("a"),      QStringLiteral("b"),      QStringLiteral("\u017e"),
            QStringLiteral(" "),      QStringLiteral("\u00a0"), QStringLiteral("\r"),
            QStringLiteral("\n"),     QStringLiteral("\r\n"),   QStringLiteral("\r\n"),
            QStringLiteral("\r"),     QStringLiteral("\n"),     QString(QChar(0)),
            QStringLiteral("\u0416"),
        };
        QString text;
        for (int n = number(0, most); n > 0; --n)
            text += Pieces[number(0, static_cast<int>(std::size(Pieces)) - 1)];
        return text;
    }

private:
    std::mt19937 m_random;
};
