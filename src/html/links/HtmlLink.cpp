#include "html/links/HtmlLink.h"

#include "core/html/html_link_tags.h"
#include "html/controls/FilePickerGroup.h"
#include "platform/named_control.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

HtmlLink::HtmlLink(QWidget* owner) : HtmlDialog(owner) {
    setObjectName(u"HtmlLink"_s);
    setWindowTitle(u"HTML link (css)"_s);

    // Made top to bottom, so the tab order follows the layout.
    auto* file = new QGroupBox(u"Soubor"_s, this);
    m_picker = new FilePickerGroup(FilePickerGroup::styleSheetFilter(), file);
    (new QVBoxLayout(file))->addWidget(m_picker);
    m_check1 = MakeNamed<QCheckBox>(this, u"Check1"_s, {.text = u"&Rel"_s});
    m_text1 = MakeNamed<QLineEdit>(this, u"Text1"_s, {.text = u"StyleSheet"_s});
    m_check3 = MakeNamed<QCheckBox>(this, u"Check3"_s, {.text = u"&Type"_s});
    m_text2 = MakeNamed<QLineEdit>(this, u"Text2"_s, {.text = u"text/css"_s});

    QHBoxLayout* buttons = makeButtonRowAwaitingFile(*m_picker);

    auto* layout = new QGridLayout(this);
    layout->addWidget(file, 0, 0, 1, 2);
    layout->addWidget(m_check1, 1, 0);
    layout->addWidget(m_text1, 1, 1);
    layout->addWidget(m_check3, 2, 0);
    layout->addWidget(m_text2, 2, 1);
    layout->addLayout(buttons, 3, 0, 1, 2);

    enableWith(m_check1, {m_text1});
    enableWith(m_check3, {m_text2});
}

void HtmlLink::confirm() {
    StyleSheetLinkValues v;
    v.address = m_picker->address();
    v.relChecked = m_check1->isChecked();
    v.rel = m_text1->text();
    v.typeChecked = m_check3->isChecked();
    v.type = m_text2->text();
    writeToEditor({HtmlInsertMode::InsertAtCaret, StyleSheetLinkTag(v), QString()});
}
