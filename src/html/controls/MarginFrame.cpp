#include "html/controls/MarginFrame.h"

#include "html/controls/value_bar.h"
#include "platform/named_control.h"

#include <QCheckBox>
#include <QGridLayout>

using namespace Qt::StringLiterals;

MarginFrame::MarginFrame(QWidget* parent, const QString& checkCaption)
    : QGroupBox(parent), m_check(Named(new QCheckBox(checkCaption, this), u"Check3"_s)) {
    QScrollBar* horizontal = MakeValueBar(this, u"VScroll4"_s, Qt::Vertical, {0, 400, 0});
    m_horizontalBar = horizontal;
    m_horizontalLabel = Named(new QLabel(this), u"Label11"_s);
    QScrollBar* vertical = MakeValueBar(this, u"VScroll5"_s, Qt::Vertical, {0, 300, 0});
    m_verticalBar = vertical;
    m_verticalLabel = Named(new QLabel(this), u"Label12"_s);

    for (auto [bar, label] :
         {std::pair{horizontal, m_horizontalLabel}, std::pair{vertical, m_verticalLabel}}) {
        label->setNum(bar->value());
        connect(bar, &QScrollBar::valueChanged, label, qOverload<int>(&QLabel::setNum));
        bar->setEnabled(false);
        connect(m_check, &QCheckBox::toggled, bar, &QWidget::setEnabled);
    }

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_check, 0, 0, 1, 3);
    AddBarRow(layout, 1, u"Horizontálně:"_s, horizontal, m_horizontalLabel);
    AddBarRow(layout, 2, u" Vertikálně :"_s, vertical, m_verticalLabel);
}
