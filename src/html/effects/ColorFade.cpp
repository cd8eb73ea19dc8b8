#include "html/effects/ColorFade.h"

#include "core/html/colour_fade.h"
#include "core/text/editor_surface.h"
#include "html/controls/ColourSwatch.h"
#include "platform/colour_palette.h"
#include "platform/named_control.h"
#include "shell/shared_procedures.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr ColorValue White = RgbColor(255, 255, 255);
constexpr ColorValue Black = RgbColor(0, 0, 0);
constexpr QSize PreviewSize(260, 28);

// The strip that runs from the first colour at its left edge to the second
// at its right edge. It is drawn afresh whenever it is painted.
class FadePreview : public QFrame {
public:
    FadePreview(QWidget* parent, const ColourSwatch& from, const ColourSwatch& to)
        : QFrame(parent), m_from(from), m_to(to) {
        setFrameShape(QFrame::Box);
        setFixedSize(PreviewSize);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QFrame::paintEvent(event);
        const QRect inside = contentsRect();
        const QVector<ColorValue> columns =
            FadeColumns(m_from.color(), m_to.color(), inside.width());
        QPainter painter(this);
        painter.setClipRect(inside);
        for (int x = 0; x < columns.size(); ++x) {
            painter.setPen(ToQColor(columns[x]));
            painter.drawLine(inside.left() + x, inside.top(), inside.left() + x, inside.bottom());
        }
    }
    void mousePressEvent(QMouseEvent* /*event*/) override { update(); }

private:
    const ColourSwatch& m_from;
    const ColourSwatch& m_to;
};

} // namespace

ColorFade::ColorFade(QWidget* owner) : HtmlDialog(owner) {
    setObjectName(u"ColorFade"_s);
    setWindowTitle(u"HTML barevný přechod"_s);

    m_from = new ColourSwatch(this, u"Pic1"_s, u"L1"_s, White);
    m_to = new ColourSwatch(this, u"Pic2"_s, u"L2"_s, Black);
    // Built left to right, top to bottom, so the tab order follows the layout.
    auto* colours = new QHBoxLayout;
    colours->addLayout(buildColour(u"Z barvy :"_s, m_from, u"Cmnd1"_s));
    colours->addStretch();
    colours->addLayout(buildColour(u"Do barvy :"_s, m_to, u"Cmnd2"_s));

    m_chkLines = Named(new QCheckBox(u"&Po řádcích"_s, this), u"ChkLines"_s);
    m_preview = Named(new FadePreview(this, *m_from, *m_to), u"CF"_s);
    for (ColourSwatch* swatch : {m_from, m_to})
        connect(swatch, &ColourSwatch::colorChanged, m_preview, qOverload<>(&QWidget::update));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(colours);
    layout->addWidget(m_chkLines);
    layout->addWidget(m_preview, 0, Qt::AlignHCenter);
    layout->addLayout(makeButtonRow());
}

QLayout* ColorFade::buildColour(const QString& caption, ColourSwatch* swatch,
                                const QString& buttonName) {
    auto* button = Named(new QPushButton(u"&Vyber"_s, this), buttonName);
    connect(button, &QPushButton::clicked, swatch, &ColourSwatch::pick);
    auto* row = new QHBoxLayout;
    row->addWidget(swatch->box());
    row->addWidget(swatch->label());
    row->addWidget(button);
    auto* column = new QVBoxLayout;
    column->addWidget(new QLabel(caption, this));
    column->addLayout(row);
    return column;
}

void ColorFade::confirm() {
    // An empty selection has nothing to colour and stays as it is.
    const std::optional<QString> faded = ColourFadeText(MainSurface().selText(), m_from->color(),
                                                        m_to->color(), m_chkLines->isChecked());
    if (faded)
        writeOverSelection(*faded);
}
