#include "html/lists/SeznamDef.h"

#include "platform/named_control.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

using namespace Qt::StringLiterals;

SeznamDef::SeznamDef(QWidget* owner) : HtmlDialog(owner) {
    setObjectName(u"SeznamDef"_s);
    setWindowTitle(u"HTML - Seznam Definic"_s);

    auto* termLabel = Named(new QLabel(u"Termín :"_s, this), u"Label1"_s);
    m_atribut = MakeNamed<QLineEdit>(this, u"Atribut"_s, {.text = u"Text1"_s});
    termLabel->setBuddy(m_atribut);
    auto* definitionLabel = Named(new QLabel(u"Definice :"_s, this), u"Label2"_s);
    m_hodnota = MakeNamed<QLineEdit>(this, u"Hodnota"_s, {.text = u"Text1"_s});
    definitionLabel->setBuddy(m_hodnota);
    m_add = MakeNamed<QPushButton>(this, u"Command1"_s, {.text = u"&Přidej"_s});
    m_remove = MakeNamed<QPushButton>(this, u"Command2"_s, {.text = u"O&deber"_s});
    m_atributs = MakeNamed<QListWidget>(this, u"Atributs"_s);
    m_values = MakeNamed<QListWidget>(this, u"Values"_s);
    for (QPushButton* button : {m_add, m_remove})
        button->setAutoDefault(false);

    // Command1 and Command2 are the pair buttons, made first.
    QHBoxLayout* buttons = makeButtonRowAfterOwnButtons();

    // Either box emptied disables adding; the click still checks both.
    for (QLineEdit* box : {m_atribut, m_hodnota})
        connect(box, &QLineEdit::textChanged, m_add,
                [this](const QString& text) { m_add->setEnabled(!text.isEmpty()); });
    connect(m_add, &QPushButton::clicked, this, &SeznamDef::addPair);
    connect(m_remove, &QPushButton::clicked, this, &SeznamDef::removePair);
    for (QListWidget* list : {m_atributs, m_values})
        connect(list, &QListWidget::currentRowChanged, this, &SeznamDef::select);

    auto* layout = new QGridLayout(this);
    layout->addWidget(termLabel, 0, 0);
    layout->addWidget(m_atribut, 0, 1);
    layout->addWidget(definitionLabel, 1, 0);
    layout->addWidget(m_hodnota, 1, 1);
    auto* pairButtons = new QHBoxLayout;
    pairButtons->addWidget(m_add);
    pairButtons->addWidget(m_remove);
    pairButtons->addStretch();
    layout->addLayout(pairButtons, 2, 0, 1, 2);
    auto* lists = new QHBoxLayout;
    lists->addWidget(m_atributs);
    lists->addWidget(m_values);
    layout->addLayout(lists, 3, 0, 1, 2);
    layout->addLayout(buttons, 4, 0, 1, 2);
}

void SeznamDef::addPair() {
    if (m_atribut->text().isEmpty() || m_hodnota->text().isEmpty())
        return;
    m_pairs.rows.append({m_atribut->text(), m_hodnota->text()});
    showPairs();
    m_remove->setEnabled(true);
}

void SeznamDef::removePair() {
    m_pairs = WithoutSelectedOrLast(m_pairs);
    showPairs();
    m_remove->setEnabled(!m_pairs.rows.isEmpty());
}

void SeznamDef::select(int row) {
    m_pairs.selected = row;
    const QSignalBlocker quietTerms(m_atributs);
    const QSignalBlocker quietValues(m_values);
    m_atributs->setCurrentRow(row);
    m_values->setCurrentRow(row);
}

void SeznamDef::showPairs() {
    const QSignalBlocker quietTerms(m_atributs);
    const QSignalBlocker quietValues(m_values);
    m_atributs->clear();
    m_values->clear();
    for (const DefinitionPair& pair : m_pairs.rows) {
        m_atributs->addItem(pair.term);
        m_values->addItem(pair.definition);
    }
    m_atributs->setCurrentRow(m_pairs.selected);
    m_values->setCurrentRow(m_pairs.selected);
}

void SeznamDef::confirm() {
    writeToEditor({HtmlInsertMode::InsertAtCaret, DefinitionListText(m_pairs.rows), QString()});
}
