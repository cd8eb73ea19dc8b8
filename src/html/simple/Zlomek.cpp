#include "html/simple/Zlomek.h"

#include "platform/named_control.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

Zlomek::Zlomek(QWidget* owner)
    : HtmlDialog(owner), m_text1(MakeNamed<QLineEdit>(this, u"Text1"_s, {.text = u"A"_s})),
      m_text2(MakeNamed<QLineEdit>(this, u"Text2"_s, {.text = u"B"_s})) {
    setObjectName(u"Zlomek"_s);
    setWindowTitle(u"HTML Zlomek"_s);

    // The two parts side by side with a slash between them, as the fraction
    // reads once written.
    auto* parts = new QGridLayout;
    parts->addWidget(MakeNamed<QLabel>(this, u"Label1"_s, {.text = u"Čitatel"_s}), 0, 0);
    parts->addWidget(MakeNamed<QLabel>(this, u"Label2"_s, {.text = u"Jmenovatel"_s}), 0, 2);
    parts->addWidget(m_text1, 1, 0);
    parts->addWidget(MakeNamed<QLabel>(this, u"Label3"_s, {.text = u"/"_s}), 1, 1);
    parts->addWidget(m_text2, 1, 2);

    auto* buttons = makeButtonRow();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(parts);
    layout->addLayout(buttons);
}

void Zlomek::confirm() {
    writeToEditor(ZlomekInsertion({.numerator = m_text1->text(), .denominator = m_text2->text()}));
}
