#include "html/simple/Odstavec.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

Odstavec::Odstavec(QWidget* owner) : HtmlDialog(owner) {
    setObjectName(u"Odstavec"_s);
    setWindowTitle(u"Html Odstavec"_s);

    auto* label = new QLabel(u"Zarovnat odstavec :"_s, this);
    label->setObjectName(u"Label1"_s);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_align.add(this, u"Option1"_s, u"V&levo"_s, HtmlAlign::Left));
    layout->addWidget(m_align.add(this, u"Option2"_s, u"Na &střed"_s, HtmlAlign::Center));
    layout->addWidget(m_align.add(this, u"Option3"_s, u"V&pravo"_s, HtmlAlign::Right));
    QRadioButton* justify = m_align.add(this, u"Option4"_s, u"Do &bloku"_s, HtmlAlign::Justify);
    layout->addWidget(justify);
    layout->addWidget(m_align.add(this, u"Option5"_s, u"&Nezarovnávat"_s, HtmlAlign::None));
    justify->setChecked(true);

    auto* buttons = makeButtonRow();
    layout->addLayout(buttons);
}

void Odstavec::confirm() {
    writeToEditor(OdstavecInsertion({m_align.selected()}));
}
