#pragma once

#include <QLabel>

// A one-line label for a text that may be longer than its room (a preview of
// the selection or the clipboard): what does not fit ends in "…", so a reader
// sees that it goes on, instead of a glyph cut in half at the edge. text()
// stays the whole text.
class ElidingLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidingLabel(QWidget* parent = nullptr);

    // The text as drawn at the label's present width.
    [[nodiscard]] QString shownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};
