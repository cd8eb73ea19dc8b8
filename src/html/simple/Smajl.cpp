#include "html/simple/Smajl.h"

#include "core/text/random_text.h"
#include "platform/named_control.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr std::array<SmileyPart, 5> PartOrder = {
    SmileyPart::Hat, SmileyPart::Eyes, SmileyPart::Nose, SmileyPart::Mouth, SmileyPart::Beard};

// A fixed list with nothing chosen, so an untouched part adds nothing.
QComboBox* partList(SmileyPart part, int number, QWidget* parent) {
    auto* combo = MakeNamed<QComboBox>(parent, u"Combo"_s + QString::number(number));
    combo->setEditable(false);
    combo->addItems(SmileyPartItems(part));
    combo->setCurrentIndex(-1);
    return combo;
}

} // namespace

Smajl::Smajl(QWidget* owner)
    : HtmlDialog(owner), m_text1(MakeNamed<QLineEdit>(this, u"Text1"_s, {.text = u":-)"_s})) {
    setObjectName(u"Smajl"_s);
    setWindowTitle(u"\"Smajl\" :-)"_s);

    auto* partsRow = new QHBoxLayout;
    for (std::size_t i = 0; i < PartOrder.size(); ++i) {
        m_parts[i] = partList(PartOrder[i], int(i) + 1, this);
        partsRow->addWidget(m_parts[i]);
    }

    QPushButton* go =
        MakeNamed<QPushButton>(this, u"Command3"_s, {.text = u"GO!"_s, .toolTip = u"Vztvoř !"_s});
    connect(go, &QPushButton::clicked, this, &Smajl::buildFromParts);
    QPushButton* random = MakeNamed<QPushButton>(this, u"Command4"_s, {.text = u"RND :-)"_s});
    connect(random, &QPushButton::clicked, this, &Smajl::drawRandom);
    partsRow->addWidget(go);

    auto* textRow = new QHBoxLayout;
    textRow->addWidget(m_text1);
    textRow->addWidget(random);

    auto* buttons = makeButtonRow(u"&OK"_s);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(partsRow);
    layout->addLayout(textRow);
    layout->addLayout(buttons);
}

void Smajl::confirm() {
    writeToEditor(SmajlInsertion({.text = m_text1->text()}));
}

void Smajl::buildFromParts() {
    QStringList chosen;
    for (const QComboBox* combo : m_parts)
        chosen.append(combo->currentText());
    m_text1->setText(SmileyFromParts(chosen));
}

void Smajl::drawRandom() {
    m_text1->setText(RandomSmiley());
}
