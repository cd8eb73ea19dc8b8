#include "shell/find/Hledani.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

Hledani::Hledani(QWidget* owner)
    : SearchWindow(owner, QStringLiteral("Hledani"), QStringLiteral("Hledání"),
                   {.findToolTip = QStringLiteral("Text na vyhledání"),
                    .caseToolTip = QStringLiteral("Rozlišovat A/a?"),
                    .selectionCaption = QStringLiteral("Hledat pouze ve &výběru"),
                    .selectionToolTip = QStringLiteral("Zharnout do vyhledávání pouze výběr"),
                    .historyToolTip = QStringLiteral("Historie hledání. "),
                    .startCaption = QStringLiteral("&Start hledání"),
                    .startToolTip = QStringLiteral("Začni hledat"),
                    .nextCaption = QStringLiteral("&Další vyhledaný"),
                    .nextToolTip = QStringLiteral("Další vyhledaný"),
                    .newCaption = QStringLiteral("&Nové hledání"),
                    .newToolTip = QStringLiteral("Resetuj"),
                    .closeToolTip = QStringLiteral("Ctrl+F pro znouotevření ..."),
                    .countToolTip = QStringLiteral("Kolik se našlo")}) {
    auto* layout = new QGridLayout(this);
    layout->addWidget(heading(QStringLiteral("Label1"), QStringLiteral("Hledaný text :")), 0, 0);
    layout->addWidget(Find(), 1, 0);
    layout->addWidget(Rozlisovat(), 2, 0);
    layout->addWidget(ChkSelection(), 3, 0);
    layout->addWidget(heading(QStringLiteral("Label6"), QStringLiteral("Historie")), 4, 0);
    layout->addWidget(History(), 5, 0);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* each : {Command1(), Command2(), Command4(), Command3()})
        buttons->addWidget(each);
    buttons->addStretch(1);
    auto* count = new QHBoxLayout;
    count->addWidget(heading(QStringLiteral("Label2"), QStringLiteral("Počet vyhledaných :")));
    count->addWidget(Label3(), 1);
    buttons->addLayout(count);
    layout->addLayout(buttons, 0, 1, 6, 1);
    // A fixed size: the window has nothing more to show when larger.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Find is disabled while searching, so Enter starts only from idle.
    connect(Find(), &QLineEdit::returnPressed, this, &Hledani::startSearch);
    connect(History(), &QListWidget::itemClicked, this,
            [this](const QListWidgetItem* item) { Find()->setText(item->text()); });
    newSearch();
}
