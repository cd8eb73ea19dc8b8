#include "html/head/HtmlID.h"

#include "core/html/html_head_lines.h"
#include "core/text/editor_procedures.h"
#include "platform/named_control.h"
#include "shell/shared_procedures.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

HtmlID::HtmlID(QWidget* owner) : HtmlDialog(owner) {
    setObjectName(u"HtmlID"_s);
    setWindowTitle(u"HTML - oficiální identifikace"_s);

    auto* label = Named(new QLabel(u"Identifikace :"_s, this), u"Label1"_s);
    m_combo1 = MakeNamed<QComboBox>(this, u"Combo1"_s, {.toolTip = u"Vyber ID"_s});
    m_combo1->addItems(DocumentTypeLines());
    m_combo1->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_combo1->setCurrentIndex(0);
    label->setBuddy(m_combo1);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_combo1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(makeButtonRow());
}

void HtmlID::confirm() {
    const QString line = m_combo1->currentText();
    ReplaceAllText(MainSurface(),
                   [&line](const QString& text) { return WithDocumentType(line, text); });
}
