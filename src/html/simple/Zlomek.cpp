#include "html/simple/Zlomek.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QLabel* namedLabel(const QString& caption, const QString& name, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

QLineEdit* namedEdit(const QString& text, const QString& name, QWidget* parent) {
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    return edit;
}

} // namespace

Zlomek::Zlomek(QWidget* owner)
    : HtmlDialog(owner), m_text1(namedEdit(u"A"_s, u"Text1"_s, this)),
      m_text2(namedEdit(u"B"_s, u"Text2"_s, this)) {
    setObjectName(u"Zlomek"_s);
    setWindowTitle(u"HTML Zlomek"_s);

    // The two parts side by side with a slash between them, as the fraction
    // reads once written.
    auto* parts = new QGridLayout;
    parts->addWidget(namedLabel(u"Čitatel"_s, u"Label1"_s, this), 0, 0);
    parts->addWidget(namedLabel(u"Jmenovatel"_s, u"Label2"_s, this), 0, 2);
    parts->addWidget(m_text1, 1, 0);
    parts->addWidget(namedLabel(u"/"_s, u"Label3"_s, this), 1, 1);
    parts->addWidget(m_text2, 1, 2);

    auto* buttons = makeButtonRow();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(parts);
    layout->addLayout(buttons);
}

void Zlomek::confirm() {
    writeToEditor(ZlomekInsertion({.numerator = m_text1->text(), .denominator = m_text2->text()}));
}
