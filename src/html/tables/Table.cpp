#include "html/tables/Table.h"

#include "html/controls/value_bar.h"
#include "html/tables/TableCell.h"
#include "html/tables/TableRow.h"
#include "platform/named_control.h"
#include "shell/window_instances.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>
#include <initializer_list>
#include <optional>
#include <tuple>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// Enter anywhere in the window must reach Ok, so no other button may take
// the default role when it gets the focus.
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption) {
    auto* button = Named(new QPushButton(caption, parent), name);
    button->setAutoDefault(false);
    return button;
}

QHBoxLayout* rowOf(std::initializer_list<QWidget*> widgets) {
    auto* row = new QHBoxLayout;
    for (QWidget* widget : widgets)
        row->addWidget(widget);
    row->addStretch();
    return row;
}

std::optional<QString> whenTicked(const QCheckBox* box, const QString& value) {
    if (box->isChecked())
        return value;
    return std::nullopt;
}

} // namespace

Table::Table(QWidget* owner) : HtmlDialog(owner) {
    setObjectName(u"Table"_s);
    setWindowTitle(u"HTML Tabulka"_s);

    auto* tabs = Named(new QTabWidget(this), u"TabStrip1"_s);
    tabs->addTab(buildTablePage(), u"Celá tabulka"_s);
    tabs->addTab(buildCellRowPage(), u"Buňka / Řádek"_s);
    tabs->setCurrentIndex(0);
    connectGrid();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addLayout(makeButtonRow());
}

QWidget* Table::buildTablePage() {
    auto* page = Named(new QWidget(this), u"TablePage"_s);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(buildCounts());
    layout->addLayout(buildAttributes());
    layout->addLayout(buildCaption());
    layout->addStretch();
    return page;
}

QGroupBox* Table::buildCounts() {
    auto* frame = Named(new QGroupBox(u"Buňky"_s, this), u"FrameCells"_s);
    m_vscroll1 = MakeValueBar(frame, u"Vscroll1"_s, Qt::Horizontal, {1, TableMaxCount, 1, 2});
    m_label3 = Named(new QLabel(frame), u"Label3"_s);
    m_vscroll2 = MakeValueBar(frame, u"VScroll2"_s, Qt::Vertical, {1, TableMaxCount, 1});
    m_label4 = Named(new QLabel(frame), u"Label4"_s);
    showValueIn(m_vscroll1, m_label3);
    showValueIn(m_vscroll2, m_label4);

    // Side by side, the two counts take one line of the page's height.
    auto* layout = new QGridLayout(frame);
    AddBarRow(layout, 0, u"Horizontálně"_s, m_vscroll1, m_label3);
    AddBarRow(layout, 0, u"Vertikálně"_s, m_vscroll2, m_label4, 3);
    layout->setColumnStretch(6, 1);
    return frame;
}

// The attributes stand in the order they are written, and are made in the
// order they stand, which is the order Tab goes through them.
QLayout* Table::buildAttributes() {
    auto* layout = new QVBoxLayout;
    layout->addLayout(buildWidth());
    m_check9 = Named(new QCheckBox(u"Table cols"_s, this), u"Check9"_s);
    m_check3 = Named(new QCheckBox(u"colspec"_s, this), u"Check3"_s);
    m_text1 = MakeNamed<QLineEdit>(this, u"Text1"_s, {.text = u"L100%"_s});
    enableWith(m_check3, {m_text1});
    layout->addLayout(rowOf({m_check9, m_check3, m_text1}));
    layout->addLayout(buildAlign());
    layout->addLayout(buildFrame());
    layout->addLayout(buildRules());

    m_check6 = Named(new QCheckBox(u"Mezery mezi buňkami"_s, this), u"Check6"_s);
    m_vscroll5 = MakeValueTrack(this, u"VScroll5"_s, {0, 400, 0});
    m_label8 = Named(new QLabel(this), u"Label8"_s);
    m_check7 = Named(new QCheckBox(u"Mezera mezi okrajem buňky a obsahem"_s, this), u"Check7"_s);
    m_vscroll6 = MakeValueTrack(this, u"VScroll6"_s, {0, 400, 0});
    m_label9 = Named(new QLabel(this), u"Label9"_s);
    // Where a check box's caption begins, past its square.
    const int captionIndent = style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                              style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing);
    // Beside such long captions the tracks would widen the window; below
    // them, set in under the box, they keep it narrow, and the two spacings
    // side by side keep it low.
    auto* spacings = new QGridLayout;
    int column = 0;
    for (auto [box, bar, label] :
         {std::tuple{m_check6, m_vscroll5, m_label8}, std::tuple{m_check7, m_vscroll6, m_label9}}) {
        showValueIn(bar, label);
        enableWith(box, {bar});
        spacings->addWidget(box, 0, column);
        QHBoxLayout* track = TrackRow(bar, label);
        track->setContentsMargins(captionIndent, 0, 0, 0);
        spacings->addLayout(track, 1, column++);
    }
    layout->addLayout(spacings);
    return layout;
}

QLayout* Table::buildWidth() {
    m_check1 = Named(new QCheckBox(u"&Šířka"_s, this), u"Check1"_s);
    m_chkPercentWidth = Named(new QCheckBox(u"&Procenta"_s, this), u"ChkPercentWidth"_s);
    m_chkPercentWidth->setChecked(true);
    m_vscroll3 = MakeValueBar(this, u"VScroll3"_s, Qt::Vertical, {1, UnitMaxima{}.percent, 10});
    m_label5 = Named(new QLabel(this), u"Label5"_s);
    showValueInUnit(m_vscroll3, m_label5, m_chkPercentWidth);
    enableWith(m_check1, {m_chkPercentWidth, m_vscroll3});
    return rowOf({m_check1, m_chkPercentWidth, m_vscroll3, m_label5});
}

QLayout* Table::buildAlign() {
    m_check2 = Named(new QCheckBox(u"Zarovnání"_s, this), u"Check2"_s);
    auto* left = m_align.add(this, u"Option3"_s, u"Vlevo"_s, u"LEFT"_s);
    left->setChecked(true);
    auto* center = m_align.add(this, u"Option4"_s, u"Na střed"_s, u"CENTER"_s);
    auto* right = m_align.add(this, u"Option5"_s, u"Vpravo"_s, u"RIGHT"_s);
    enableWith(m_check2, m_align.buttons());
    return rowOf({m_check2, left, center, right});
}

QLayout* Table::buildFrame() {
    m_check4 = Named(new QCheckBox(u"Vnější obrysy"_s, this), u"Check4"_s);
    auto* thicknessCaption = new QLabel(u"Tloušťka"_s, this);
    m_vscroll4 = MakeValueTrack(this, u"VScroll4"_s, {0, 800, 0});
    m_label7 = Named(new QLabel(this), u"Label7"_s);
    showValueIn(m_vscroll4, m_label7);
    const std::pair<QString, QString> options[] = {
        {u"Žádné"_s, u"NONE"_s},
        {u"Nahoře"_s, u"ABOVE"_s},
        {u"Dole"_s, u"BELOW"_s},
        {u"Nahoře i dole"_s, u"HSIDES"_s},
        {u"Vlevo"_s, u"LHS"_s},
        {u"Vpravo"_s, u"RHS"_s},
        {u"Vlevo i vpravo"_s, u"VSIDES"_s},
        {u"Okolo"_s, u"BOX"_s},
    };
    auto* grid = new QGridLayout;
    int number = 6;
    for (const auto& [caption, value] : options) {
        const int index = number - 6;
        QRadioButton* button = m_frame.add(this, u"Option%1"_s.arg(number++), caption, value);
        button->setChecked(index == 0);
        grid->addWidget(button, index / 4, index % 4);
    }
    enableWith(m_check4, m_frame.buttons() << m_vscroll4);

    // The thickness shares the line of the box that enables it.
    QHBoxLayout* thickness = TrackRow(m_vscroll4, m_label7, thicknessCaption);
    thickness->insertWidget(0, m_check4);
    auto* layout = new QVBoxLayout;
    layout->addLayout(thickness);
    layout->addLayout(grid);
    return layout;
}

QLayout* Table::buildRules() {
    m_check5 = Named(new QCheckBox(u"Mřížka"_s, this), u"Check5"_s);
    auto* none = m_rules.add(this, u"Option14"_s, u"Žádná"_s, u"NONE"_s);
    auto* rows = m_rules.add(this, u"Option15"_s, u"Mezi řádky"_s, u"ROWS"_s);
    auto* cols = m_rules.add(this, u"Option16"_s, u"Mezi Sloupci"_s, u"COLS"_s);
    auto* all = m_rules.add(this, u"Option17"_s, u"Všechno"_s, u"ALL"_s);
    all->setChecked(true);
    enableWith(m_check5, m_rules.buttons());
    return rowOf({m_check5, none, rows, cols, all});
}

QLayout* Table::buildCaption() {
    m_check8 = Named(new QCheckBox(u"Nadpis"_s, this), u"Check8"_s);
    m_text2 = MakeNamed<QLineEdit>(this, u"Text2"_s, {.text = u"Nadpis"_s});
    auto* top = m_captionAlign.add(this, u"Option18"_s, u"Nahoře"_s, u"TOP"_s);
    top->setChecked(true);
    auto* bottom = m_captionAlign.add(this, u"Option19"_s, u"Dole"_s, u"BOTTOM"_s);
    auto* left = m_captionAlign.add(this, u"Option20"_s, u"Vlevo"_s, u"LEFT"_s);
    auto* right = m_captionAlign.add(this, u"Option21"_s, u"Vpravo"_s, u"RIGHT"_s);
    enableWith(m_check8, m_captionAlign.buttons() << m_text2);
    return rowOf({m_check8, m_text2, top, bottom, left, right});
}

QWidget* Table::buildCellRowPage() {
    auto* page = Named(new QWidget(this), u"CellRowPage"_s);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(buildCellFrame());
    layout->addWidget(buildRowFrame());
    layout->addStretch();
    return page;
}

QGroupBox* Table::buildCellFrame() {
    auto* frame = Named(new QGroupBox(u"Buňka"_s, this), u"FrameCell"_s);
    m_hscroll1 = MakeValueBar(frame, u"HScroll1"_s, Qt::Horizontal, {1, 1, 1});
    m_label12 = Named(new QLabel(TableCursorLabel(1, 1), frame), u"Label12"_s);
    m_vscroll7 = MakeValueBar(frame, u"VScroll7"_s, Qt::Vertical, {1, 1, 1});
    m_label13 = Named(new QLabel(TableCursorLabel(1, 1), frame), u"Label13"_s);
    m_text4 = MakeNamed<QLineEdit>(frame, u"Text4"_s);
    m_text3 = MakeNamed<QLineEdit>(frame, u"Text3"_s);
    m_text3->setReadOnly(true);
    m_command3 = makeButton(frame, u"Command3"_s, u"Edituj ..."_s);
    m_command4 = makeButton(frame, u"Command4"_s, u"Vynuluj"_s);

    auto* layout = new QGridLayout(frame);
    AddBarRow(layout, 0, u"Horizontálně"_s, m_hscroll1, m_label12);
    AddBarRow(layout, 1, u"Vertikálně"_s, m_vscroll7, m_label13);
    layout->addWidget(new QLabel(u"Text buňky :"_s, frame), 2, 0);
    layout->addWidget(m_text4, 2, 1, 1, 2);
    layout->addWidget(new QLabel(u"Vlastnosti :"_s, frame), 3, 0);
    layout->addWidget(m_text3, 3, 1, 1, 2);
    layout->addLayout(rowOf({m_command3, m_command4}), 4, 1, 1, 2);
    return frame;
}

QGroupBox* Table::buildRowFrame() {
    auto* frame = Named(new QGroupBox(u"Řádek"_s, this), u"FrameRow"_s);
    m_vscroll8 = MakeValueBar(frame, u"VScroll8"_s, Qt::Vertical, {1, 1, 1});
    m_label16 = Named(new QLabel(TableCursorLabel(1, 1), frame), u"Label16"_s);
    m_text5 = MakeNamed<QLineEdit>(frame, u"Text5"_s);
    m_text5->setReadOnly(true);
    m_command6 = makeButton(frame, u"Command6"_s, u"Edituj ..."_s);
    m_command5 = makeButton(frame, u"Command5"_s, u"Vynuluj"_s);

    auto* layout = new QGridLayout(frame);
    AddBarRow(layout, 0, u"Řádek :"_s, m_vscroll8, m_label16);
    layout->addWidget(new QLabel(u"Vlastnosti :"_s, frame), 1, 0);
    layout->addWidget(m_text5, 1, 1, 1, 2);
    layout->addLayout(rowOf({m_command6, m_command5}), 2, 1, 1, 2);
    return frame;
}

// The boxes store only what changes while they show the record under the
// cursors; loading them after a cursor move keeps them quiet.
void Table::connectGrid() {
    connect(m_vscroll1, &QScrollBar::valueChanged, this, &Table::columnsChanged);
    connect(m_vscroll2, &QScrollBar::valueChanged, this, &Table::rowsChanged);
    connect(m_hscroll1, &QScrollBar::valueChanged, this, &Table::columnCursorMoved);
    connect(m_vscroll7, &QScrollBar::valueChanged, this, &Table::rowCursorMoved);
    connect(m_vscroll8, &QScrollBar::valueChanged, this, &Table::rowAttributesCursorMoved);
    connect(m_text4, &QLineEdit::textChanged, this,
            [this](const QString& text) { currentCell().content = text; });
    connect(m_text3, &QLineEdit::textChanged, this,
            [this](const QString& text) { currentCell().attributes = text; });
    connect(m_text5, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_grid.rowAttributes(m_vscroll8->value()) = text; });
    connect(m_command4, &QPushButton::clicked, m_text3, &QLineEdit::clear);
    connect(m_command5, &QPushButton::clicked, m_text5, &QLineEdit::clear);
    connect(m_command3, &QPushButton::clicked, this, &Table::editCell);
    connect(m_command6, &QPushButton::clicked, this, &Table::editRow);
}

void Table::CHxy() {
    const TableCellRecord& cell = currentCell();
    const QSignalBlocker quietContent(m_text4);
    const QSignalBlocker quietAttributes(m_text3);
    m_text4->setText(cell.content);
    m_text3->setText(cell.attributes);
}

void Table::columnsChanged() {
    m_hscroll1->setMaximum(m_vscroll1->value());
    m_label12->setText(TableCursorLabel(m_hscroll1->value(), m_vscroll1->value()));
}

void Table::rowsChanged() {
    const int rows = m_vscroll2->value();
    m_vscroll7->setMaximum(rows);
    m_vscroll8->setMaximum(rows);
    m_label13->setText(TableCursorLabel(m_vscroll7->value(), rows));
    m_label16->setText(TableCursorLabel(m_vscroll8->value(), rows));
}

void Table::columnCursorMoved() {
    m_label12->setText(TableCursorLabel(m_hscroll1->value(), m_vscroll1->value()));
    CHxy();
}

void Table::rowCursorMoved() {
    m_label13->setText(TableCursorLabel(m_vscroll7->value(), m_vscroll2->value()));
    CHxy();
}

void Table::rowAttributesCursorMoved() {
    const int row = m_vscroll8->value();
    m_label16->setText(TableCursorLabel(row, m_vscroll2->value()));
    const QSignalBlocker quiet(m_text5);
    m_text5->setText(m_grid.rowAttributes(row));
}

void Table::editCell() {
    TableCell& cell = LoadedWindow<TableCell>();
    cell.openForResult(u"_TABLE"_s, {cell.Check9()}, intoBox(m_text3));
}

void Table::editRow() {
    TableRow& row = LoadedWindow<TableRow>();
    row.openForResult(u"_TABLE"_s, {row.Vscroll1()}, intoBox(m_text5));
}

TableCellRecord& Table::currentCell() {
    return m_grid.cell(m_hscroll1->value(), m_vscroll7->value());
}

TableValues Table::values() const {
    TableValues values;
    values.columns = m_vscroll1->value();
    values.rows = m_vscroll2->value();
    values.width = whenTicked(m_check1, m_label5->text());
    values.cols = m_check9->isChecked();
    values.colspec = whenTicked(m_check3, m_text1->text());
    values.align = whenTicked(m_check2, m_align.selected());
    if (m_check4->isChecked())
        values.frame = TableFrame{m_frame.selected(), m_label7->text()};
    values.rules = whenTicked(m_check5, m_rules.selected());
    values.cellSpacing = whenTicked(m_check6, m_label8->text());
    values.cellPadding = whenTicked(m_check7, m_label9->text());
    if (m_check8->isChecked())
        values.caption = TableCaption{m_captionAlign.selected(), m_text2->text()};
    return values;
}

void Table::confirm() {
    writeToEditor({HtmlInsertMode::InsertAtCaret, TableHtml(values(), m_grid), QString()});
}
