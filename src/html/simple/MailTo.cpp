#include "html/simple/MailTo.h"

#include "platform/named_control.h"
#include "shell/ProgramState.h"
#include "shell/shared_procedures.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

MailTo::MailTo(QWidget* owner)
    : HtmlDialog(owner), m_text1(MakeNamed<QLineEdit>(this, u"Text1"_s)) {
    setObjectName(u"MailTo"_s);
    setWindowTitle(u"HTML Mailto"_s);

    auto* label = MakeNamed<QLabel>(this, u"Label1"_s, {.text = u"E-mail :"_s});
    // Read once here: a later change of the setting shows only in a window
    // created afresh.
    m_text1->setText(Program().Settings.UserEmail);

    QPushButton* ok = makeOkButton();
    QPushButton* storno = makeStornoButton();
    // Enter while typing the address must not write the link.
    withoutDefaultButton();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(storno);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_text1);
    layout->addLayout(buttons);
}

void MailTo::confirm() {
    writeToEditor(MailToInsertion({.address = m_text1->text()}, MainSurface().selText()));
}
