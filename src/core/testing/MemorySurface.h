#pragma once

#include "core/text/editor_surface.h"

#include <QHash>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

// An editing surface kept in memory: the text, a caret with a selection and
// per-character formatting. Core tests and tools without a display use it.
//
// Formatting is a per-character index into a small table of distinct
// formats, so setting or reading a large text stays a few linear passes.
class MemorySurface : public EditorSurface {
    Q_OBJECT
public:
    explicit MemorySurface(QObject* parent = nullptr);

    [[nodiscard]] QString text() const override;
    void setText(const QString& text) override;
    void replaceText(const QString& text) override;
    [[nodiscard]] int textLength() const override;

    [[nodiscard]] int selStart() const override;
    void setSelStart(int position) override;
    [[nodiscard]] int selLength() const override;
    void setSelLength(int length) override;
    [[nodiscard]] QString selText() const override;
    [[nodiscard]] QString textMid(int position, int length) const override;
    void setSelText(const QString& text) override;

    [[nodiscard]] ColorValue selColor() const override;
    void setSelColor(ColorValue color) override;
    [[nodiscard]] QString selFontName() const override;
    void setSelFontName(const QString& name) override;
    [[nodiscard]] double selFontSize() const override;
    void setSelFontSize(double points) override;
    [[nodiscard]] bool selBold() const override;
    void setSelBold(bool bold) override;
    [[nodiscard]] bool selItalic() const override;
    void setSelItalic(bool italic) override;
    void setTextLook(ColorValue color, bool bold, bool italic, const QString& fontName) override;
    void setTextFontSize(double points) override;
    void setColorRuns(const std::vector<ColorRun>& runs) override;

    void undo() override;
    void redo() override;
    [[nodiscard]] bool isUndoAvailable() const override;
    [[nodiscard]] bool isRedoAvailable() const override;

    [[nodiscard]] ColorValue backColor() const override;
    void setBackColor(ColorValue color) override;
    [[nodiscard]] bool isVisible() const override;
    void setVisible(bool visible) override;

    [[nodiscard]] int lineFromPosition(int position) const override;
    [[nodiscard]] int lineCount() const override;

private:
    struct CharFormat {
        ColorValue color = 0;
        QString fontName = QStringLiteral("Courier New CE");
        double size = 10;
        bool bold = false;
        bool italic = false;

        friend bool operator==(const CharFormat&, const CharFormat&) = default;
        friend size_t qHash(const CharFormat& f, size_t seed = 0) {
            return qHashMulti(seed, f.color, f.fontName, f.size, f.bold, f.italic);
        }
    };
    using FormatIndex = quint32;
    // Index of the default format; the table always starts with it.
    static constexpr FormatIndex DefaultFormat = 0;
    static constexpr std::size_t MinCompactAt = 4096;

    [[nodiscard]] int normalized(qsizetype position) const;
    [[nodiscard]] const CharFormat& readFormat() const;
    [[nodiscard]] FormatIndex insertionFormat(int start);
    // A write of the history: text stood at start where length characters are now.
    struct Step {
        int start = 0;
        QString text;
        int length = 0;
        // A whole-text step gives the selection (start, length) back when undone.
        std::optional<std::pair<int, int>> selectionBefore;
    };
    // Replaces [start, end) by text in format; returns the text replaced.
    QString replaceRange(int start, int end, const QString& text, FormatIndex format);
    void record(const Step& step);
    Step revert(const Step& step);
    // Index of format in the table, adding it when new.
    FormatIndex intern(const CharFormat& format);
    void resetFormats(const CharFormat& whole);
    void compactFormats();
    // Applies change to the formats of the length characters from start.
    template <typename Change> void changeFormats(int start, int length, Change change);
    template <typename Change> FormatIndex changedFormat(FormatIndex index, Change change);
    void textWritten();
    [[nodiscard]] const std::vector<int>& breakEnds() const;

    QString m_text;
    CharFormat m_look; // the whole text's look
    std::vector<Step> m_undoSteps;
    std::vector<Step> m_redoSteps;
    std::vector<FormatIndex> m_formatOf; // one entry per character of m_text
    std::vector<CharFormat> m_formats;
    QHash<CharFormat, FormatIndex> m_formatIndex;
    std::size_t m_compactAt = MinCompactAt;
    int m_selStart = 0;
    int m_selLength = 0;
    ColorValue m_backColor = RgbColor(255, 255, 255);
    bool m_visible = true;
    // Index of the last character of every line break, built on demand.
    mutable std::vector<int> m_breakEnds;
    mutable bool m_breaksKnown = false;
};
