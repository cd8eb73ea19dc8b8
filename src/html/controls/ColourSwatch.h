#pragma once

#include "core/colour/colour_value.h"

#include <QObject>
#include <QString>

class QLabel;
class QWidget;

// The colour of one attribute in an HTML dialog: a box whose background is
// the colour and a label holding its text form ("#RRGGBB"), which is the
// value the dialog writes. A colour button calls pick().
class ColourSwatch : public QObject {
    Q_OBJECT
public:
    // The label starts as ColorToHex(initial) unless initialLabel says
    // otherwise (a page dialog shows "#000000" beside a white box).
    ColourSwatch(QWidget* parent, const QString& boxName, const QString& labelName,
                 ColorValue initial, const QString& initialLabel = {});

    [[nodiscard]] QLabel* box() const { return m_box; }
    [[nodiscard]] QLabel* label() const { return m_label; }
    [[nodiscard]] ColorValue color() const { return m_color; }
    [[nodiscard]] QString text() const;

    // Offers the picker on the current colour; a cancelled picker gives the
    // same colour back, which is shown again.
    void pick();
    void setColor(ColorValue color);

Q_SIGNALS:
    void colorChanged(ColorValue color);

private:
    void paintBox();

    QLabel* m_box;
    QLabel* m_label;
    ColorValue m_color;
};
