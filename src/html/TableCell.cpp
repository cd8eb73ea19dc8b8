#include "html/TableCell.h"

#include "core/editor_surface.h"
#include "core/html_table_tags.h"
#include "html/FilePickerGroup.h"
#include "html/named_control.h"
#include "platform/window_registry.h"
#include "shell/shared_procedures.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QScrollBar* valueBar(QWidget* parent, const QString& name, int maximum, int pageStep) {
    auto* bar = Named(new QScrollBar(Qt::Horizontal, parent), name);
    bar->setRange(1, maximum);
    bar->setValue(1);
    bar->setPageStep(pageStep);
    return bar;
}

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
      m_text1(Named(new QLineEdit(u","_s, parent), u"Text1"_s)),
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

TableCell::TableCell(QWidget* owner)
    : HtmlDialog(owner), m_check9(Named(new QCheckBox(u"Buňka hlavičky"_s, this), u"Check9"_s)),
      m_isPicture(Named(new QCheckBox(u"Obrázek &pozadí"_s, this), u"IsPicture"_s)),
      m_picker(new FilePickerGroup(FilePickerGroup::pictureFilter(), this)),
      m_alignment(new TableAlignControls(this)),
      m_check3(Named(new QCheckBox(u"Barva pozadí"_s, this), u"Check3"_s)),
      m_command3(Named(new QPushButton(u"&Vyber"_s, this), u"Command3"_s)),
      m_colour(new ColourSwatch(this, u"Label1"_s, u"Label2"_s, 0)),
      m_check4(Named(new QCheckBox(u"Colspan"_s, this), u"Check4"_s)),
      m_vscroll4(valueBar(this, u"VScroll4"_s, 20, 5)),
      m_label3(Named(new QLabel(this), u"Label3"_s)),
      m_check5(Named(new QCheckBox(u"Rowspan"_s, this), u"Check5"_s)),
      m_vscroll5(valueBar(this, u"VScroll5"_s, 20, 5)),
      m_label4(Named(new QLabel(this), u"Label4"_s)),
      m_check6(Named(new QCheckBox(u"Bez zalamování"_s, this), u"Check6"_s)),
      m_check7(Named(new QCheckBox(u"Šířka"_s, this), u"Check7"_s)),
      m_check8(Named(new QCheckBox(u"%"_s, this), u"Check8"_s)),
      m_vscroll6(valueBar(this, u"VScroll6"_s, TableCellWidthMaximum(false), 10)),
      m_label8(Named(new QLabel(this), u"Label8"_s)) {
    setObjectName(u"TableCell"_s);
    setWindowTitle(u"HTML - Buňka tabulky"_s);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_check9);
    layout->addLayout(buildBackground());
    layout->addLayout(m_alignment->makeLayout());
    layout->addLayout(buildColour());
    layout->addLayout(buildSpans());
    layout->addWidget(m_check6);
    layout->addLayout(buildWidth());
    layout->addLayout(makeButtonRow());
}

QLayout* TableCell::buildBackground() {
    // The picker starts usable although its box is unticked; only the box's
    // own clicks switch it.
    connect(m_isPicture, &QCheckBox::toggled, m_picker, &QWidget::setEnabled);
    auto* layout = new QVBoxLayout;
    layout->addWidget(m_isPicture);
    layout->addWidget(m_picker);
    return layout;
}

QLayout* TableCell::buildColour() {
    enableWith(m_check3, {m_command3});
    connect(m_command3, &QPushButton::clicked, m_colour, &ColourSwatch::pick);
    auto* layout = new QHBoxLayout;
    layout->addWidget(m_check3);
    layout->addWidget(m_colour->box());
    layout->addWidget(m_colour->label());
    layout->addWidget(m_command3);
    layout->addStretch();
    return layout;
}

QLayout* TableCell::buildSpans() {
    showValueIn(m_vscroll4, m_label3);
    showValueIn(m_vscroll5, m_label4);
    enableWith(m_check4, {m_vscroll4});
    enableWith(m_check5, {m_vscroll5});
    auto* layout = new QGridLayout;
    layout->addWidget(m_check4, 0, 0);
    layout->addWidget(m_vscroll4, 0, 1);
    layout->addWidget(m_label3, 0, 2);
    layout->addWidget(m_check5, 1, 0);
    layout->addWidget(m_vscroll5, 1, 1);
    layout->addWidget(m_label4, 1, 2);
    return layout;
}

QLayout* TableCell::buildWidth() {
    showWidth();
    enableWith(m_check7, {m_vscroll6, m_check8});
    connect(m_check8, &QCheckBox::toggled, this, &TableCell::switchUnit);
    connect(m_vscroll6, &QScrollBar::valueChanged, this, &TableCell::showWidth);
    auto* layout = new QHBoxLayout;
    layout->addWidget(m_check7);
    layout->addWidget(m_vscroll6, 1);
    layout->addWidget(m_label8);
    layout->addWidget(m_check8);
    return layout;
}

void TableCell::switchUnit() {
    m_vscroll6->setMaximum(TableCellWidthMaximum(m_check8->isChecked()));
    showWidth();
}

void TableCell::showWidth() {
    m_label8->setText(TableCellWidthLabel(m_vscroll6->value(), m_check8->isChecked()));
}

TableCellValues TableCell::values() const {
    TableCellValues values;
    values.header = m_check9->isChecked();
    values.backgroundChecked = m_isPicture->isChecked();
    values.background = m_picker->address();
    values.alignment = m_alignment->values();
    values.colorChecked = m_check3->isChecked();
    values.colorLabel = m_colour->label()->text();
    values.colspanChecked = m_check4->isChecked();
    values.colspanLabel = m_label3->text();
    values.rowspanChecked = m_check5->isChecked();
    values.rowspanLabel = m_label4->text();
    values.noWrap = m_check6->isChecked();
    values.widthChecked = m_check7->isChecked();
    values.widthLabel = m_label8->text();
    return values;
}

void TableCell::confirm() {
    const TableCellValues cell = values();
    const QString tag = WindowTag(this);
    if (tag == u"_TABLE"_s || tag == u"_ROW"_s)
        deliverToOpener(TableAttributeText(TableCellStartTag(cell)));
    else
        writeToEditor(TableCellInsertion(cell, MainSurface().selLength() > 0));
}
