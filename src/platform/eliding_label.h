#pragma once

#include <QLabel>

// A one-line label for a text that may be longer than its room (a preview of
// the selection or the clipboard): what does not fit ends in "…", so a reader
// sees that it goes on, instead of a glyph cut in half at the edge. text()
// stays the whole text. The text is shown as it stands, never read as markup,
// and however long it is the label lays out only what its width can show, so
// it stays one line high.
class ElidingLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidingLabel(QWidget* parent = nullptr);

    // The text as drawn at the label's present width.
    [[nodiscard]] QString shownText() const;

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The room the frame takes around the text.
    [[nodiscard]] QSize frameRoom() const;
};
