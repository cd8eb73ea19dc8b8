#include "html/simple/Odkaz.h"

#include "platform/named_control.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr int AnchorNameLength = 20;
} // namespace

Odkaz::Odkaz(QWidget* owner)
    : HtmlDialog(owner), m_combo1(MakeNamed<QComboBox>(this, QStringLiteral("Combo1"))) {
    setObjectName(QStringLiteral("Odkaz"));
    setWindowTitle(QStringLiteral("HTML odkaz na kotvu"));

    auto* label1 = MakeNamed<QLabel>(this, QStringLiteral("Label1"),
                                     {.text = QStringLiteral("Odkaz na kotvu :")});
    label1->setBuddy(m_combo1);
    MakeEditable(m_combo1);
    // The list grows only by confirmed anchors and links, not by Enter.
    m_combo1->setInsertPolicy(QComboBox::NoInsert);
    m_combo1->setEditText(QStringLiteral("NováKotva"));
    // Room for an anchor name as long as a user commonly gives one.
    m_combo1->setMinimumContentsLength(AnchorNameLength);
    m_combo1->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    auto* buttons = makeButtonRow();

    auto* layout = new QGridLayout(this);
    layout->addWidget(label1, 0, 0);
    layout->addWidget(m_combo1, 0, 1);
    layout->addLayout(buttons, 1, 0, 1, 2);
}

void Odkaz::addAnchor(const QString& name) {
    // The first item of an empty list would otherwise become the typed text.
    const QString typed = m_combo1->currentText();
    m_combo1->addItem(name);
    m_combo1->setEditText(typed);
}

void Odkaz::confirm() {
    const OdkazValues values{m_combo1->currentText()};
    writeToEditor(OdkazInsertion(values));
    addAnchor(values.anchor);
}
