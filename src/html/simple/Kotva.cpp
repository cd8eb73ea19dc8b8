#include "html/simple/Kotva.h"

#include "html/simple/Odkaz.h"
#include "platform/named_control.h"
#include "shell/window_instances.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

Kotva::Kotva(QWidget* owner)
    : HtmlDialog(owner), m_text1(MakeNamed<QLineEdit>(this, QStringLiteral("Text1"),
                                                      {.text = QStringLiteral("Kotva1")})) {
    setObjectName(QStringLiteral("Kotva"));
    setWindowTitle(QStringLiteral("HTML Kotva"));

    auto* label1 = MakeNamed<QLabel>(this, QStringLiteral("Label1"),
                                     {.text = QStringLiteral("Jméno kotvy :")});
    label1->setBuddy(m_text1);

    auto* buttons = makeButtonRow();

    auto* layout = new QGridLayout(this);
    layout->addWidget(label1, 0, 0);
    layout->addWidget(m_text1, 0, 1);
    layout->addLayout(buttons, 1, 0, 1, 2);
}

void Kotva::confirm() {
    const KotvaValues values{m_text1->text()};
    // The link window learns the name even when it has never been opened,
    // so it is created (hidden) here if need be.
    LoadedWindow<Odkaz>().addAnchor(values.name);
    writeToEditor(KotvaInsertion(values));
}
