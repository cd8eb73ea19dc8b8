#include "html/controls/AttributePairEditor.h"

#include "platform/named_control.h"

#include <QComboBox>
#include <QGridLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStandardItemModel>

using namespace Qt::StringLiterals;

namespace {

constexpr int NameColumn = 0;
constexpr int ValueColumn = 1;

QComboBox* makeBox(QWidget* parent, const QString& name, const QString& toolTip,
                   const QString& text, const QStringList& items) {
    auto* box = MakeNamed<QComboBox>(parent, name, {.toolTip = toolTip});
    MakeEditable(box);
    // The list offers values; what the user types is not added to it.
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(items);
    box->setEditText(text);
    return box;
}

QStringList valueSamples() {
    return {u"LEFT"_s,   u"RIGHT"_s, u"CENTER"_s,           u"TOP"_s,
            u"MIDDLE"_s, u"DOWN"_s,  u"#000000"_s,          u"#FFFFFF"_s,
            u"100%"_s,   u"50%"_s,   u"file:///C:/?.htm"_s, u"http://?/"_s};
}

} // namespace

AttributePairEditor::AttributePairEditor(Form form, QWidget* parent)
    : QWidget(parent), m_form(form),
      m_atribut(makeBox(this, u"Atribut"_s, u"Jméno atributu"_s, u"Atribut"_s,
                        {u"ALIGN"_s, u"WIDTH"_s, u"HEIGHT"_s, u"SIZE"_s, u"COLOR"_s, u"URL"_s})),
      m_hodnota(makeBox(this, u"Hodnota"_s, u"Hodnota atributu"_s, u"Hodnota"_s, valueSamples())),
      m_pairs(new QStandardItemModel(0, 2, this)),
      m_selection(new QItemSelectionModel(m_pairs, this)),
      m_atributs(MakeNamed<QListView>(this, u"Atributs"_s, {.toolTip = u"Vybrané atributy"_s})),
      m_values(MakeNamed<QListView>(this, u"Values"_s, {.toolTip = u"Vybrané hodnoty"_s})),
      m_add(MakeNamed<QPushButton>(this, u"Command1"_s,
                                   {.text = u"&Přidej"_s, .toolTip = u"Přidá vybranou hodnotu"_s})),
      m_remove(MakeNamed<QPushButton>(
          this, u"Command2"_s, {.text = u"O&deber"_s, .toolTip = u"Odebre vybranou položku"_s})) {
    setObjectName(u"AttributePairEditor"_s);
    // One list of pairs and one selection behind both lists: selecting a
    // row in either selects the whole pair.
    const auto showColumn = [this](QListView* list, int column) {
        list->setModel(m_pairs);
        list->setModelColumn(column);
        list->setSelectionModel(m_selection);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setSelectionBehavior(QAbstractItemView::SelectRows);
        list->setEditTriggers(QAbstractItemView::NoEditTriggers);
        connect(list, &QListView::clicked, this,
                [this](const QModelIndex& index) { rowClicked(index.row()); });
    };
    showColumn(m_atributs, NameColumn);
    showColumn(m_values, ValueColumn);

    auto* nameLabel = new QLabel(u"Atribut tagu :"_s, this);
    nameLabel->setBuddy(m_atribut);
    auto* valueLabel = new QLabel(u"Hodnota atributu :"_s, this);
    valueLabel->setBuddy(m_hodnota);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(nameLabel, 0, 0);
    layout->addWidget(valueLabel, 0, 1);
    layout->addWidget(m_atribut, 1, 0);
    layout->addWidget(m_hodnota, 1, 1);
    layout->addWidget(m_atributs, 2, 0);
    layout->addWidget(m_values, 2, 1);
    layout->addWidget(m_add, 3, 0);
    layout->addWidget(m_remove, 3, 1);

    connect(m_atribut, &QComboBox::editTextChanged, this,
            [this](const QString& text) { boxEdited(NameColumn, text); });
    connect(m_hodnota, &QComboBox::editTextChanged, this,
            [this](const QString& text) { boxEdited(ValueColumn, text); });
    connect(m_add, &QPushButton::clicked, this, &AttributePairEditor::add);
    connect(m_remove, &QPushButton::clicked, this, &AttributePairEditor::remove);
}

QList<AttributePair> AttributePairEditor::pairs() const {
    QList<AttributePair> all;
    for (int row = 0; row < m_pairs->rowCount(); ++row)
        all.append(
            {m_pairs->item(row, NameColumn)->text(), m_pairs->item(row, ValueColumn)->text()});
    return all;
}

void AttributePairEditor::setPairs(const QList<AttributePair>& pairs) {
    m_pairs->removeRows(0, m_pairs->rowCount());
    for (const AttributePair& pair : pairs)
        m_pairs->appendRow({new QStandardItem(pair.name), new QStandardItem(pair.value)});
}

QStringList AttributePairEditor::names() const {
    return column(NameColumn);
}

QStringList AttributePairEditor::values() const {
    return column(ValueColumn);
}

QStringList AttributePairEditor::column(int column) const {
    QStringList texts;
    for (int row = 0; row < m_pairs->rowCount(); ++row)
        texts << m_pairs->item(row, column)->text();
    return texts;
}

int AttributePairEditor::selectedRow() const {
    const QModelIndexList rows = m_selection->selectedRows(NameColumn);
    return rows.isEmpty() ? -1 : rows.first().row();
}

void AttributePairEditor::boxEdited(int column, const QString& text) {
    m_add->setEnabled(!text.isEmpty());
    const int row = selectedRow();
    if (m_form == Form::Full && row >= 0)
        m_pairs->item(row, column)->setText(text);
}

void AttributePairEditor::rowClicked(int row) {
    m_selection->select(m_pairs->index(row, NameColumn),
                        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    if (m_form != Form::Full)
        return;
    m_atribut->setEditText(m_pairs->item(row, NameColumn)->text());
    m_hodnota->setEditText(m_pairs->item(row, ValueColumn)->text());
}

void AttributePairEditor::add() {
    const int selected = selectedRow();
    const int row = selected < 0 ? m_pairs->rowCount() : selected;
    m_pairs->insertRow(row, {new QStandardItem(m_atribut->currentText()),
                             new QStandardItem(m_hodnota->currentText())});
    m_remove->setEnabled(true);
}

void AttributePairEditor::remove() {
    if (m_pairs->rowCount() == 0)
        return;
    const int selected = selectedRow();
    m_pairs->removeRow(selected < 0 ? m_pairs->rowCount() - 1 : selected);
    m_selection->clearSelection();
    if (m_pairs->rowCount() == 0)
        m_remove->setEnabled(false);
}
