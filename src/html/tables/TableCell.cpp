#include "html/tables/TableCell.h"

#include "core/html/html_table_tags.h"
#include "core/text/editor_surface.h"
#include "html/controls/FilePickerGroup.h"
#include "html/controls/value_bar.h"
#include "platform/named_control.h"
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

TableCell::TableCell(QWidget* owner)
    : HtmlDialog(owner), m_check9(Named(new QCheckBox(u"Buňka hlavičky"_s, this), u"Check9"_s)),
      m_isPicture(Named(new QCheckBox(u"Obrázek &pozadí"_s, this), u"IsPicture"_s)),
      m_picker(new FilePickerGroup(FilePickerGroup::pictureFilter(), this)),
      m_alignment(new TableAlignControls(this)),
      m_check3(Named(new QCheckBox(u"Barva pozadí"_s, this), u"Check3"_s)),
      m_command3(Named(new QPushButton(u"&Vyber"_s, this), u"Command3"_s)),
      m_colour(new ColourSwatch(this, u"Label1"_s, u"Label2"_s, 0)),
      m_check4(Named(new QCheckBox(u"Colspan"_s, this), u"Check4"_s)),
      m_vscroll4(MakeValueBar(this, u"VScroll4"_s, Qt::Horizontal, {1, 20, 1, 5})),
      m_label3(Named(new QLabel(this), u"Label3"_s)),
      m_check5(Named(new QCheckBox(u"Rowspan"_s, this), u"Check5"_s)),
      m_vscroll5(MakeValueBar(this, u"VScroll5"_s, Qt::Horizontal, {1, 20, 1, 5})),
      m_label4(Named(new QLabel(this), u"Label4"_s)),
      m_check6(Named(new QCheckBox(u"Bez zalamování"_s, this), u"Check6"_s)),
      m_check7(Named(new QCheckBox(u"Šířka"_s, this), u"Check7"_s)),
      m_check8(Named(new QCheckBox(u"%"_s, this), u"Check8"_s)),
      m_vscroll6(
          MakeValueBar(this, u"VScroll6"_s, Qt::Horizontal, {1, UnitMaxima{}.pixels, 1, 10})),
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
    showValueInUnit(m_vscroll6, m_label8, m_check8);
    enableWith(m_check7, {m_vscroll6, m_check8});
    auto* layout = new QHBoxLayout;
    layout->addWidget(m_check7);
    layout->addWidget(m_vscroll6, 1);
    layout->addWidget(m_label8);
    layout->addWidget(m_check8);
    return layout;
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
