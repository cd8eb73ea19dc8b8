#include "html/tags/Tagy.h"

#include "core/text/editor_procedures.h"
#include "platform/named_control.h"
#include "shell/shared_procedures.h"
#include "shell/window_instances.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

using namespace Qt::StringLiterals;

namespace {

QStringList rowsOf(const QListWidget* list) {
    QStringList rows;
    for (int i = 0; i < list->count(); ++i)
        rows << list->item(i)->text();
    return rows;
}

} // namespace

Tagy::Tagy(QWidget* owner)
    : HtmlDialog(owner),
      m_tagText(MakeNamed<QLineEdit>(this, u"TagText"_s, {u"TAG"_s, u"Název tagu"_s})),
      m_check1(MakeNamed<QCheckBox>(this, u"Check1"_s,
                                    {u"&Uzavřený tag"_s, u"Ohraničený, nebo single"_s})),
      m_atributs(MakeNamed<QListWidget>(this, u"Atributs"_s, {{}, u"Vybrané atributy"_s})),
      m_values(MakeNamed<QListWidget>(this, u"Values"_s, {{}, u"Vybrané hodnoty"_s})) {
    setObjectName(u"Tagy"_s);
    setWindowTitle(u"HTML - vlastní tag"_s);
    auto* label = new QLabel(u"Tag :"_s, this);
    label->setBuddy(m_tagText);
    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0);
    layout->addWidget(m_tagText, 0, 1);
    layout->addWidget(m_check1, 1, 0, 1, 2);
    layout->addWidget(m_atributs, 2, 0);
    layout->addWidget(m_values, 2, 1);
    layout->addLayout(makeButtonRow(), 3, 0, 1, 2);
}

CustomTag Tagy::customTag() const {
    return {m_tagText->text(), rowsOf(m_atributs), rowsOf(m_values), m_check1->isChecked()};
}

void Tagy::confirm() {
    InsertCustomTag();
}

void InsertCustomTag() {
    const std::optional<TagWrap> tag = CustomTagText(LoadedWindow<Tagy>().customTag());
    if (!tag)
        return;
    if (tag->close.isEmpty())
        InsertAtCaret(MainSurface(), tag->open);
    else
        WrapSelection(MainSurface(), tag->open, tag->close);
}
