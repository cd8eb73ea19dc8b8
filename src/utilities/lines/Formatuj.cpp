#include "utilities/lines/Formatuj.h"

#include "core/text/editor_procedures.h"
#include "platform/named_control.h"
#include "shell/shared_procedures.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QLabel* Caption(QWidget* parent, const QString& text) {
    return new QLabel(text, parent);
}

} // namespace

Formatuj::Formatuj(QWidget* owner) : TextToolWindow(owner, u"Formatuj"_s, u"Formátování"_s) {
    m_list = MakeNamed<QListWidget>(this, u"List1"_s);
    m_list->setFont(fixedPitchFont());
    m_list->setMinimumWidth(360);
    connect(m_list, &QListWidget::currentRowChanged, this, [this] { lineChosen(); });
    m_line = MakeNamed<QLineEdit>(this, u"Text3"_s, {.toolTip = u"Úprava řádku"_s});
    m_line->setFont(fixedPitchFont());
    connect(m_line, &QLineEdit::textEdited, this, &Formatuj::lineEdited);

    QLayout* columnControls = buildColumnControls();

    m_add = makeButton(u"CmndAdd"_s, u"&Vlož"_s, u"Vloží text"_s, [this] {
        applyToLines([this](const QStringList& lines) {
            return InsertAtColumn(lines, column(), m_text->text());
        });
    });
    m_delete = makeButton(u"CmndDelete"_s, u"Vy&maž"_s, u"Vymaže jeden znak"_s, [this] {
        applyToLines([this](const QStringList& lines) { return DeleteAtColumn(lines, column()); });
    });
    m_fill = makeButton(u"CmndFill"_s, u"&Doplň"_s, u"Dplní text do stejné délky řákdů"_s, [this] {
        applyToLines([this](const QStringList& lines) {
            return PadAtColumn(lines, column(), m_text->text());
        });
    });
    m_ok = makeButton(u"CmndOK"_s, u"&Ok"_s, u"OK!"_s, [this] { writeLines(); });
    setDefaultButton(m_ok);
    m_storno = makeButton(u"CmndStorno"_s, u"&Storno"_s, u"Cancel..."_s, [this] { reject(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list);
    layout->addWidget(m_line);
    layout->addLayout(columnControls);
    layout->addLayout(buttonRow({m_add, m_delete, m_fill}, {m_ok, m_storno}));
    SetTabOrder({m_list, m_line, m_position, m_fromStart, m_fromEnd, m_text, m_add, m_delete,
                 m_fill, m_ok, m_storno});
}

QLayout* Formatuj::buildColumnControls() {
    m_count = MakeNamed<QLabel>(this, u"Label2"_s, {.text = u"0"_s});
    m_shortest = MakeNamed<QLabel>(this, u"Label4"_s, {.text = u"0"_s});
    m_position = MakeNamed<QScrollBar>(this, u"Hz"_s);
    m_position->setOrientation(Qt::Horizontal);
    m_position->setRange(0, 0);
    m_position->setFocusPolicy(Qt::StrongFocus);
    m_positionShown = MakeNamed<QLabel>(this, u"Label7"_s, {.text = u"0"_s, .toolTip = u"Kam?"_s});
    m_positionShown->setMinimumWidth(m_positionShown->fontMetrics().horizontalAdvance(u"00000"_s));
    connect(m_position, &QScrollBar::valueChanged, m_positionShown,
            [this](int value) { m_positionShown->setText(QString::number(value)); });
    m_fromStart =
        MakeNamed<QCheckBox>(this, u"ChkStart"_s, {.text = u"Na &Začátek"_s, .toolTip = u"<--"_s});
    m_fromStart->setChecked(true);
    m_fromEnd =
        MakeNamed<QCheckBox>(this, u"ChkEnd"_s, {.text = u"Na &Konec"_s, .toolTip = u"-->"_s});
    // A pair: exactly one of the two is ticked.
    connect(m_fromStart, &QCheckBox::toggled, m_fromEnd,
            [this](bool ticked) { m_fromEnd->setChecked(!ticked); });
    connect(m_fromEnd, &QCheckBox::toggled, m_fromStart,
            [this](bool ticked) { m_fromStart->setChecked(!ticked); });
    m_text = MakeNamed<QLineEdit>(this, u"Text1"_s, {.toolTip = u"Text na vložení a doplnění"_s});

    auto* grid = new QGridLayout;
    grid->addWidget(Caption(this, u"Počet :"_s), 0, 0);
    grid->addWidget(m_count, 0, 1);
    grid->addWidget(Caption(this, u"Minimální délka :"_s), 0, 2);
    grid->addWidget(m_shortest, 0, 3, 1, 2);
    grid->addWidget(Caption(this, u"Poloha :"_s), 1, 0);
    grid->addWidget(m_position, 1, 1, 1, 3);
    grid->addWidget(m_positionShown, 1, 4);
    grid->addWidget(Caption(this, u"Kam :"_s), 2, 0);
    grid->addWidget(m_fromStart, 2, 1);
    grid->addWidget(m_fromEnd, 2, 2);
    grid->addWidget(Caption(this, u"Text :"_s), 3, 0);
    grid->addWidget(m_text, 3, 1, 1, 4);
    grid->setColumnStretch(3, 1);
    return grid;
}

void Formatuj::setLines(const QString& selection) {
    const QStringList lines = SplitSelectionLines(selection);
    {
        // A new list has no line chosen: Text3 keeps its text, and edits of
        // it go nowhere until the user picks a line.
        const QSignalBlocker quiet(m_list);
        m_list->clear();
        m_list->addItems(lines);
        m_list->setCurrentRow(-1);
    }
    m_count->setText(QString::number(lines.size()));
    RefreshLineStats();
}

QStringList Formatuj::lines() const {
    QStringList lines;
    for (int row = 0; row < m_list->count(); ++row)
        lines << m_list->item(row)->text();
    return lines;
}

LineColumn Formatuj::column() const {
    return {m_position->value(), m_fromStart->isChecked()};
}

void Formatuj::applyToLines(const std::function<QStringList(const QStringList&)>& edit) {
    const QStringList edited = edit(lines());
    for (int row = 0; row < edited.size(); ++row)
        m_list->item(row)->setText(edited.at(row));
    RefreshLineStats();
    // The line being edited by hand follows its item.
    lineChosen();
}

void Formatuj::RefreshLineStats() {
    const int shortest = ShortestLineLength(lines());
    m_shortest->setText(QString::number(shortest));
    // A position above the new maximum drops to it.
    m_position->setMaximum(shortest);
}

void Formatuj::lineChosen() {
    const QListWidgetItem* item = m_list->currentItem();
    if (item != nullptr)
        m_line->setText(item->text());
}

void Formatuj::lineEdited(const QString& text) {
    QListWidgetItem* item = m_list->currentItem();
    if (item == nullptr || !item->isSelected())
        return;
    item->setText(text);
    RefreshLineStats();
}

void Formatuj::writeLines() {
    // Without lines there is nothing to write: the selection stays as it is.
    if (m_list->count() > 0)
        TransformSelection(MainSurface(),
                           [this](const QString&) { return JoinSelectionLines(lines()); });
    hide();
}
