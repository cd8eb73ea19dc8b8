#include "html/controls/ColourSwatch.h"

#include "colour/PickColor.h"
#include "core/colour/colour_text.h"
#include "platform/colour_palette.h"
#include "platform/named_control.h"

#include <QFontMetrics>
#include <QLabel>

namespace {

constexpr int BoxSize = 24;

// The widest "#RRGGBB" in font: in a proportional font each colour's text
// has a width of its own.
QString WidestHex(const QFontMetrics& metrics) {
    QChar widest = u'0';
    for (const QChar each : QStringLiteral("0123456789ABCDEF"))
        if (metrics.horizontalAdvance(each) > metrics.horizontalAdvance(widest))
            widest = each;
    return u'#' + QString(6, widest);
}

} // namespace

ColourSwatch::ColourSwatch(QWidget* parent, const QString& boxName, const QString& labelName,
                           ColorValue initial, const QString& initialLabel)
    : QObject(parent), m_box(Named(new QLabel(parent), boxName)),
      m_label(Named(new QLabel(parent), labelName)), m_color(initial) {
    m_box->setFixedSize(BoxSize, BoxSize);
    m_box->setFrameShape(QFrame::Box);
    m_box->setAutoFillBackground(true);
    paintBox();
    // A label as wide as its text would move the controls beside it, and
    // grow the window, at each pick.
    m_label->setText(WidestHex(m_label->fontMetrics()));
    m_label->setMinimumWidth(m_label->sizeHint().width());
    m_label->setText(initialLabel.isEmpty() ? ColorToHex(initial) : initialLabel);
}

QString ColourSwatch::text() const {
    return m_label->text();
}

void ColourSwatch::pick() {
    setColor(PickColor(m_color));
}

void ColourSwatch::setColor(ColorValue color) {
    m_color = color;
    paintBox();
    m_label->setText(ColorToHex(color));
    Q_EMIT colorChanged(color);
}

void ColourSwatch::paintBox() {
    PaintRole(m_box, QPalette::Window, m_color);
}
