#include "html/tables/TableAlignControls.h"

#include "core/html/html_table_tags.h"
#include "platform/named_control.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QVBoxLayout* column(QWidget* heading, const QList<QWidget*>& widgets) {
    auto* layout = new QVBoxLayout;
    layout->addWidget(heading);
    for (QWidget* widget : widgets)
        layout->addWidget(widget);
    layout->addStretch();
    return layout;
}

} // namespace

TableAlignControls::TableAlignControls(QWidget* parent)
    : QObject(parent), m_check1(Named(new QCheckBox(u"&Zarovnání"_s, parent), u"Check1"_s)),
      m_text1(MakeNamed<QLineEdit>(parent, u"Text1"_s, {.text = u","_s})),
      m_check2(Named(new QCheckBox(u"&Vertikální zarovnání"_s, parent), u"Check2"_s)) {
    // Added in the order they are tested.
    m_align.add(parent, u"Option1"_s, u"Do &leva"_s, u"LEFT"_s);
    m_align.add(parent, u"Option2"_s, u"Na &střed"_s, u"CENTER"_s)->setChecked(true);
    m_align.add(parent, u"Option3"_s, u"Do&prava"_s, u"RIGHT"_s);
    QRadioButton* byCharacter = m_align.add(parent, u"Option4"_s, u"&Na znak"_s, u"CHAR"_s);
    m_valign.add(parent, u"Option5"_s, u"Nahoru"_s, u"TOP"_s);
    m_valign.add(parent, u"Option6"_s, u"Doprostřed"_s, u"MIDDLE"_s)->setChecked(true);
    m_valign.add(parent, u"Option7"_s, u"Dolu"_s, u"BOTTOM"_s);
    m_text1->setMaxLength(1);
    m_text1->setMaximumWidth(m_text1->fontMetrics().horizontalAdvance(u"MMM"_s));

    enableCharacter();
    connect(m_check1, &QCheckBox::toggled, this, &TableAlignControls::enableCharacter);
    connect(byCharacter, &QRadioButton::toggled, this, &TableAlignControls::enableCharacter);
    const QList<QWidget*> valigns = m_valign.buttons();
    const auto enableValigns = [valigns](bool on) {
        for (QWidget* button : valigns)
            button->setEnabled(on);
    };
    enableValigns(false);
    connect(m_check2, &QCheckBox::toggled, this, enableValigns);
}

void TableAlignControls::enableCharacter() {
    const bool on = m_check1->isChecked();
    for (QWidget* button : m_align.buttons())
        button->setEnabled(on);
    m_text1->setEnabled(on && m_align.selected() == u"CHAR"_s);
}

QLayout* TableAlignControls::makeLayout() const {
    QList<QWidget*> aligns = m_align.buttons();
    aligns << m_text1;
    auto* layout = new QHBoxLayout;
    layout->addLayout(column(m_check1, aligns));
    layout->addLayout(column(m_check2, m_valign.buttons()));
    return layout;
}

TableAlignValues TableAlignControls::values() const {
    TableAlignValues values;
    values.alignChecked = m_check1->isChecked();
    values.align = m_align.selected();
    values.character = m_text1->text();
    values.valignChecked = m_check2->isChecked();
    values.valign = m_valign.selected();
    return values;
}
