#include "html/simple/Nadpis.h"

#include "html/controls/value_bar.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

Nadpis::Nadpis(QWidget* owner) : HtmlDialog(owner) {
    setObjectName(u"Nadpis"_s);
    setWindowTitle(u"Html Nadpis"_s);

    auto* columns = new QHBoxLayout;
    columns->addLayout(buildAlignment());
    columns->addLayout(buildLevel());

    m_check1 = new QCheckBox(u"&Nezalamovat řádky"_s, this);
    m_check1->setObjectName(u"Check1"_s);

    auto* buttons = makeButtonRow();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(m_check1);
    layout->addLayout(buttons);
}

QLayout* Nadpis::buildAlignment() {
    auto* label = new QLabel(u"Zarovnat :"_s, this);
    label->setObjectName(u"Label3"_s);
    auto* layout = new QVBoxLayout;
    layout->addWidget(label);
    layout->addWidget(m_align.add(this, u"Option1"_s, u"V&levo"_s, HtmlAlign::Left));
    layout->addWidget(m_align.add(this, u"Option2"_s, u"Na &střed"_s, HtmlAlign::Center));
    layout->addWidget(m_align.add(this, u"Option3"_s, u"V&pravo"_s, HtmlAlign::Right));
    QRadioButton* none = m_align.add(this, u"Option4"_s, u"&Nezarovnat"_s, HtmlAlign::None);
    none->setChecked(true);
    layout->addWidget(none);
    return layout;
}

QLayout* Nadpis::buildLevel() {
    auto* label = new QLabel(u"Velikost :"_s, this);
    label->setObjectName(u"Label2"_s);
    QScrollBar* level = MakeValueBar(this, u"Vscroll1"_s, Qt::Vertical, {1, 6, 1});
    m_label1 = new QLabel(this);
    m_label1->setObjectName(u"Label1"_s);
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
