#include "html/simple/Hr.h"

#include "html/controls/value_bar.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

Hr::Hr(QWidget* owner) : HtmlDialog(owner) {
    setObjectName(u"Hr"_s);
    setWindowTitle(u"Html horizontální čára"_s);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buildAlignment());
    layout->addLayout(buildWidth());
    m_shader = new QCheckBox(u"Bez &stínu"_s, this);
    m_shader->setObjectName(u"Shader"_s);
    layout->addWidget(m_shader);

    auto* buttons = makeButtonRow();
    layout->addLayout(buttons);
}

QLayout* Hr::buildAlignment() {
    auto* label = new QLabel(u"Zarovnání čáry :"_s, this);
    label->setObjectName(u"Label2"_s);
    auto* layout = new QVBoxLayout;
    layout->addWidget(label);
    // Added in the order they are tested.
    layout->addWidget(m_align.add(this, u"Option2"_s, u"V&levo"_s, HtmlAlign::Left));
    layout->addWidget(m_align.add(this, u"Option1"_s, u"Na &střed"_s, HtmlAlign::Center));
    layout->addWidget(m_align.add(this, u"Option3"_s, u"V&pravo"_s, HtmlAlign::Right));
    QRadioButton* none = m_align.add(this, u"Option6"_s, u"&Nezarovnávat"_s, HtmlAlign::None);
    none->setChecked(true);
    layout->addWidget(none);
    return layout;
}

QLayout* Hr::buildWidth() {
    m_check1 = new QCheckBox(u"&Šířka"_s, this);
    m_check1->setObjectName(u"Check1"_s);
    m_check2 = new QCheckBox(u"%"_s, this);
    m_check2->setObjectName(u"Check2"_s);
    m_check2->setChecked(true);
    m_vscroll1 = MakeValueBar(this, u"Vscroll1"_s, Qt::Vertical, {1, UnitMaxima{}.percent, 1});
    m_label1 = new QLabel(this);
    m_label1->setObjectName(u"Label1"_s);
    showValueInUnit(m_vscroll1, m_label1, m_check2);
    enableWith(m_check1, {m_check2, m_vscroll1});

    auto* layout = new QGridLayout;
    layout->addWidget(m_check1, 0, 0);
    layout->addWidget(m_check2, 1, 0);
    layout->addWidget(m_label1, 0, 1, 2, 1);
    layout->addWidget(m_vscroll1, 0, 2, 2, 1);
    return layout;
}

void Hr::confirm() {
    HrValues values;
    values.align = m_align.selected();
    values.widthChecked = m_check1->isChecked();
    values.widthLabel = m_label1->text();
    values.noShade = m_shader->isChecked();
    writeToEditor(HrInsertion(values));
}
