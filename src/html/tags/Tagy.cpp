#include "html/tags/Tagy.h"

#include "core/text/editor_procedures.h"
#include "html/controls/AttributePairEditor.h"
#include "platform/named_control.h"
#include "shell/shared_procedures.h"
#include "shell/window_instances.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

Tagy::Tagy(QWidget* owner)
    : HtmlDialog(owner),
      m_tagText(MakeNamed<QLineEdit>(this, u"TagText"_s, {u"TAG"_s, u"Název tagu"_s})),
      m_check1(MakeNamed<QCheckBox>(this, u"Check1"_s,
                                    {u"&Uzavřený tag"_s, u"Ohraničený, nebo single"_s})),
      m_pairs(new AttributePairEditor(AttributePairEditor::Form::Reduced, this)) {
    setObjectName(u"Tagy"_s);
    setWindowTitle(CustomTagSetupFor(CustomTagMode::Tag).caption);
    auto* label = new QLabel(u"Tag :"_s, this);
    label->setBuddy(m_tagText);

    // The pair editor owns Command1 and Command2.
    QHBoxLayout* buttons = makeButtonRowAfterOwnButtons();

    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0);
    layout->addWidget(m_tagText, 0, 1);
    layout->addWidget(m_check1, 0, 2);
    layout->addWidget(m_pairs, 1, 0, 1, 3);
    layout->addLayout(buttons, 2, 0, 1, 3);
}

void Tagy::showInMode(CustomTagMode mode) {
    const CustomTagSetup setup = CustomTagSetupFor(mode);
    setWindowTitle(setup.caption);
    m_tagText->setEnabled(setup.nameAndEndTagEnabled);
    m_check1->setEnabled(setup.nameAndEndTagEnabled);
    showModeless();
}

CustomTag Tagy::customTag() const {
    return {m_tagText->text(), m_pairs->names(), m_pairs->values(), m_check1->isChecked()};
}

void Tagy::confirm() {
    // The mode is the name box's state: only the custom-tag mode enables it.
    if (m_tagText->isEnabled())
        InsertCustomTag();
    else
        InsertAtCaret(MainSurface(), CustomAttributeText(m_pairs->names(), m_pairs->values()));
}

void InsertCustomTag() {
    const TagWrap tag = CustomTagText(LoadedWindow<Tagy>().customTag());
    if (tag.close.isEmpty())
        InsertAtCaret(MainSurface(), tag.open);
    else
        WrapSelection(MainSurface(), tag.open, tag.close);
}
