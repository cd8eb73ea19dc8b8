#include "html/simple/Odstavec.h"

#include <QVBoxLayout>

using namespace Qt::StringLiterals;

Odstavec::Odstavec(QWidget* owner) : HtmlDialog(owner) {
    setObjectName(u"Odstavec"_s);
    setWindowTitle(u"Html Odstavec"_s);

    auto* layout = new QVBoxLayout(this);
    AddAlignButtons(layout, this, m_align, u"Label1"_s, u"Zarovnat odstavec :"_s,
                    {{u"Option1"_s, u"V&levo"_s, HtmlAlign::Left},
                     {u"Option2"_s, u"Na &střed"_s, HtmlAlign::Center},
                     {u"Option3"_s, u"V&pravo"_s, HtmlAlign::Right},
                     {u"Option4"_s, u"Do &bloku"_s, HtmlAlign::Justify},
                     {u"Option5"_s, u"&Nezarovnávat"_s, HtmlAlign::None}},
                    HtmlAlign::Justify);

    auto* buttons = makeButtonRow();
    layout->addLayout(buttons);
}

void Odstavec::confirm() {
    writeToEditor(OdstavecInsertion({m_align.selected()}));
}
