#include "html/simple/Hr.h"

#include "html/controls/value_bar.h"
#include "platform/named_control.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

Hr::Hr(QWidget* owner) : HtmlDialog(owner) {
    setObjectName(u"Hr"_s);
    setWindowTitle(u"Html horizontální čára"_s);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buildAlignment());
    layout->addLayout(buildWidth());
    m_shader = MakeNamed<QCheckBox>(this, u"Shader"_s, {.text = u"Bez &stínu"_s});
    layout->addWidget(m_shader);

    auto* buttons = makeButtonRow();
    layout->addLayout(buttons);
}

QLayout* Hr::buildAlignment() {
    auto* layout = new QVBoxLayout;
    // Listed in the order they are tested.
    AddAlignButtons(layout, this, m_align, u"Label2"_s, u"Zarovnání čáry :"_s,
                    {{u"Option2"_s, u"V&levo"_s, HtmlAlign::Left},
                     {u"Option1"_s, u"Na &střed"_s, HtmlAlign::Center},
                     {u"Option3"_s, u"V&pravo"_s, HtmlAlign::Right},
                     {u"Option6"_s, u"&Nezarovnávat"_s, HtmlAlign::None}},
                    HtmlAlign::None);
    return layout;
}

QLayout* Hr::buildWidth() {
    m_check1 = MakeNamed<QCheckBox>(this, u"Check1"_s, {.text = u"&Šířka"_s});
    m_check2 = MakeNamed<QCheckBox>(this, u"Check2"_s, {.text = u"%"_s});
    m_check2->setChecked(true);
    m_vscroll1 = MakeValueBar(this, u"Vscroll1"_s, Qt::Vertical, {1, UnitMaxima{}.percent, 1});
    m_label1 = MakeNamed<QLabel>(this, u"Label1"_s);
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
