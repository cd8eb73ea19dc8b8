#include "html/simple/Kotva.h"

#include "html/simple/Odkaz.h"
#include "shell/window_instances.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

Kotva::Kotva(QWidget* owner) : HtmlDialog(owner), m_text1(new QLineEdit(this)) {
    setObjectName(QStringLiteral("Kotva"));
    setWindowTitle(QStringLiteral("HTML Kotva"));

    auto* label1 = new QLabel(QStringLiteral("Jméno kotvy :"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setBuddy(m_text1);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setText(QStringLiteral("Kotva1"));

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
