#include "html/tables/TableRow.h"

#include "core/html/html_table_tags.h"
#include "html/controls/value_bar.h"
#include "html/tables/TableCell.h"
#include "platform/named_control.h"
#include "platform/window_registry.h"
#include "shell/window_instances.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

TableRow::TableRow(QWidget* owner)
    : HtmlDialog(owner), m_alignment(new TableAlignControls(this)),
      m_vscroll1(MakeValueBar(this, u"Vscroll1"_s, Qt::Horizontal, {1, 20, 1, 5})),
      m_label2(Named(new QLabel(this), u"Label2"_s)),
      m_text3(MakeNamed<QLineEdit>(this, u"Text3"_s)),
      m_command3(Named(new QPushButton(u"Edituj ..."_s, this), u"Command3"_s)),
      m_command4(Named(new QPushButton(u"Vynuluj"_s, this), u"Command4"_s)) {
    setObjectName(u"TableRow"_s);
    setWindowTitle(u"HTML - Řádek tabulky"_s);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(m_alignment->makeLayout());
    layout->addLayout(buildCells());
    layout->addLayout(makeButtonRow());
}

QLayout* TableRow::buildCells() {
    showValueIn(m_vscroll1, m_label2);
    m_text3->setReadOnly(true);
    connect(m_command3, &QPushButton::clicked, this, &TableRow::editCells);
    connect(m_command4, &QPushButton::clicked, m_text3, &QLineEdit::clear);

    auto* layout = new QGridLayout;
    layout->addWidget(Named(new QLabel(u"Počet buňek"_s, this), u"Label1"_s), 0, 0);
    layout->addWidget(m_vscroll1, 0, 1);
    layout->addWidget(m_label2, 0, 2);
    layout->addWidget(Named(new QLabel(u"Vlastnosti buňek:"_s, this), u"Label3"_s), 1, 0);
    layout->addWidget(m_text3, 1, 1, 1, 2);
    layout->addWidget(m_command3, 2, 1);
    layout->addWidget(m_command4, 2, 2);
    return layout;
}

void TableRow::editCells() {
    TableCell& cell = LoadedWindow<TableCell>();
    cell.openForResult(u"_ROW"_s, {cell.Check9()}, intoBox(m_text3));
}

TableRowValues TableRow::values() const {
    TableRowValues values;
    values.alignment = m_alignment->values();
    values.cellCount = m_vscroll1->value();
    values.cellAttributes = m_text3->text();
    return values;
}

void TableRow::confirm() {
    const TableRowValues row = values();
    if (WindowTag(this) == u"_TABLE"_s)
        deliverToOpener(TableAttributeText(TableRowStartTag(row)));
    else
        writeToEditor(TableRowInsertion(row));
}
