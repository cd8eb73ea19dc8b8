#include "html/simple/Nadpis.h"

#include "html/controls/value_bar.h"
#include "platform/named_control.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

Nadpis::Nadpis(QWidget* owner) : HtmlDialog(owner) {
    setObjectName(u"Nadpis"_s);
    setWindowTitle(u"Html Nadpis"_s);

    auto* columns = new QHBoxLayout;
    columns->addLayout(buildAlignment());
    columns->addLayout(buildLevel());

    m_check1 = MakeNamed<QCheckBox>(this, u"Check1"_s, {.text = u"&Nezalamovat řádky"_s});

    auto* buttons = makeButtonRow();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(m_check1);
    layout->addLayout(buttons);
}

QLayout* Nadpis::buildAlignment() {
    auto* layout = new QVBoxLayout;
    AddAlignButtons(layout, this, m_align, u"Label3"_s, u"Zarovnat :"_s,
                    {{u"Option1"_s, u"V&levo"_s, HtmlAlign::Left},
                     {u"Option2"_s, u"Na &střed"_s, HtmlAlign::Center},
                     {u"Option3"_s, u"V&pravo"_s, HtmlAlign::Right},
                     {u"Option4"_s, u"&Nezarovnat"_s, HtmlAlign::None}},
                    HtmlAlign::None);
    return layout;
}

QLayout* Nadpis::buildLevel() {
    auto* label = MakeNamed<QLabel>(this, u"Label2"_s, {.text = u"Velikost :"_s});
    QScrollBar* level = MakeValueBar(this, u"Vscroll1"_s, Qt::Vertical, {1, 6, 1});
    m_label1 = MakeNamed<QLabel>(this, u"Label1"_s);
    showValueIn(level, m_label1);

    auto* layout = new QHBoxLayout;
    layout->addWidget(label);
    layout->addWidget(m_label1);
    layout->addWidget(level);
    return layout;
}

void Nadpis::confirm() {
    NadpisValues values;
    values.align = m_align.selected();
    values.noWrap = m_check1->isChecked();
    values.levelLabel = m_label1->text();
    writeToEditor(NadpisInsertion(values));
}
