#include "shell/find/Zamena.h"

#include "platform/named_control.h"
#include "shell/main_window/MainForm.h"
#include "shell/shared_procedures.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

Zamena::Zamena(QWidget* owner)
    : SearchWindow(owner, QStringLiteral("Zamena"), QStringLiteral("Záměna"),
                   {.selectionCaption = QStringLiteral("Zaměňovat &pouze ve výběru"),
                    .startCaption = QStringLiteral("&Start"),
                    .nextCaption = QStringLiteral("&Další"),
                    .newCaption = QStringLiteral("&Nová")}) {
    m_chage = MakeNamed<QLineEdit>(this, QStringLiteral("Chage"));
    m_chage->setText(QStringLiteral("Zaměň"));
    m_list1 = historyList(QStringLiteral("List1"));
    m_command5 = button(QStringLiteral("Command5"), QStringLiteral("&Zaměnit"));
    m_command6 = button(QStringLiteral("Command6"), QStringLiteral("zaměnit &Vše"));
    m_label5 = heading(QStringLiteral("Label5"), QString());
    m_label5->setMinimumWidth(Label3()->minimumWidth());

    auto* layout = new QGridLayout(this);
    layout->addWidget(heading(QStringLiteral("Label1"), QStringLiteral("Hledaný text :")), 0, 0, 1,
                      2);
    layout->addWidget(Find(), 1, 0, 1, 2);
    layout->addWidget(heading(QStringLiteral("Label1"), QStringLiteral("Text na zaměnění :")), 2, 0,
                      1, 2);
    layout->addWidget(m_chage, 3, 0, 1, 2);
    layout->addWidget(Rozlisovat(), 4, 0, 1, 2);
    layout->addWidget(ChkSelection(), 5, 0, 1, 2);
    layout->addWidget(heading(QStringLiteral("Label6"), QStringLiteral("Historie")), 6, 0, 1, 2);
    layout->addWidget(heading(QStringLiteral("Label7"), QStringLiteral("Hledaný")), 7, 0);
    layout->addWidget(heading(QStringLiteral("Label8"), QStringLiteral("Zaměněný")), 7, 1);
    layout->addWidget(History(), 8, 0);
    layout->addWidget(m_list1, 8, 1);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* each :
         {Command1(), Command2(), m_command5, m_command6, Command4(), Command3()})
        buttons->addWidget(each);
    buttons->addStretch(1);
    auto* counts = new QGridLayout;
    counts->addWidget(heading(QStringLiteral("Label2"), QStringLiteral("Počet vyhledaných :")), 0,
                      0);
    counts->addWidget(Label3(), 0, 1);
    counts->addWidget(heading(QStringLiteral("Label4"), QStringLiteral("Počet zaměněných :")), 1,
                      0);
    counts->addWidget(m_label5, 1, 1);
    buttons->addLayout(counts);
    layout->addLayout(buttons, 0, 2, 9, 1);
    // A fixed size: the window has nothing more to show when larger.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // The replacement text comes right after the search text, though made later.
    SetTabOrder({Find(), m_chage, Rozlisovat(), ChkSelection(), History(), m_list1, Command1(),
                 Command2(), m_command5, m_command6, Command4(), Command3()});

    connect(m_command5, &QPushButton::clicked, this, &Zamena::replaceHit);
    connect(m_command6, &QPushButton::clicked, this, &Zamena::replaceAll);
    for (QListWidget* list : {History(), m_list1}) {
        connect(list, &QListWidget::currentRowChanged, this, &Zamena::choosePair);
        connect(list, &QListWidget::itemClicked, this,
                [this, list](QListWidgetItem* item) { choosePair(list->row(item)); });
    }
    newSearch();
}

void Zamena::replaceHit() {
    const bool found = ReplaceHit(MainSurface(), mutableState(), request());
    m_label5->setText(QString::number(state().ReplaceCount));
    showStep(found);
}

void Zamena::replaceAll() {
    {
        const BusyScope busy(MainForm::instance(), QStringLiteral("Zaměňuji text ve výběru"));
        (void)ReplaceAllHits(MainSurface(), state(), request());
    }
    newSearch();
}

void Zamena::choosePair(int row) {
    if (row < 0 || row >= History()->count() || row >= m_list1->count())
        return;
    // Selecting the partner entry must not start another exchange.
    const QSignalBlocker history(History());
    const QSignalBlocker list1(m_list1);
    History()->setCurrentRow(row);
    m_list1->setCurrentRow(row);
    Find()->setText(History()->item(row)->text());
    m_chage->setText(m_list1->item(row)->text());
}

void Zamena::setSearching(bool searching) {
    SearchWindow::setSearching(searching);
    m_chage->setEnabled(!searching);
    m_list1->setEnabled(!searching);
    m_command5->setEnabled(searching);
    m_command6->setEnabled(searching);
}

void Zamena::clearCounts() {
    SearchWindow::clearCounts();
    m_label5->clear();
}

QString Zamena::replacement() const {
    return m_chage->text();
}

void Zamena::recordHistory() {
    m_list1->addItem(m_chage->text());
}
