#include "html/controls/MarginFrame.h"

#include "html/controls/value_bar.h"
#include "platform/named_control.h"

#include <QCheckBox>
#include <QGridLayout>
#include <tuple>

using namespace Qt::StringLiterals;

MarginFrame::MarginFrame(QWidget* parent, const QString& checkCaption)
    : QGroupBox(parent), m_check(Named(new QCheckBox(checkCaption, this), u"Check3"_s)) {
    QScrollBar* horizontal = MakeValueTrack(this, u"VScroll4"_s, {0, 400, 0});
    m_horizontalLabel = Named(new QLabel(this), u"Label11"_s);
    QScrollBar* vertical = MakeValueTrack(this, u"VScroll5"_s, {0, 300, 0});
    m_verticalLabel = Named(new QLabel(this), u"Label12"_s);

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_check, 0, 0, 1, 2);
    int row = 1;
    for (auto [caption, bar, label] :
         {std::tuple{u"Horizontálně:"_s, horizontal, m_horizontalLabel},
          std::tuple{u" Vertikálně :"_s, vertical, m_verticalLabel}}) {
        label->setNum(bar->value());
        connect(bar, &QScrollBar::valueChanged, label, qOverload<int>(&QLabel::setNum));
        bar->setEnabled(false);
        connect(m_check, &QCheckBox::toggled, bar, &QWidget::setEnabled);
        AddTrackRow(layout, row++, caption, bar, label);
    }
}
