#include "html/frames/Frames.h"

#include "html/page/html_page_head.h"
#include "platform/named_control.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

Frames::Frames(QWidget* owner) : HtmlDialog(owner) {
    setObjectName(u"Frames"_s);
    setWindowTitle(u"HTML Frameset"_s);

    auto* label1 = Named(new QLabel(u"Nadpis"_s, this), u"Label1"_s);
    m_text3 = MakeNamed<QLineEdit>(this, u"Text3"_s, {.text = u"Titulek"_s});
    m_check1 = Named(new QCheckBox(u"Rows"_s, this), u"Check1"_s);
    m_text1 = MakeNamed<QLineEdit>(this, u"Text1"_s, {.text = u"*,50%,50"_s});
    m_check2 = Named(new QCheckBox(u"Cols"_s, this), u"Check2"_s);
    m_text2 = MakeNamed<QLineEdit>(this, u"Text2"_s, {.text = u"*,50%,50"_s});
    enableWith(m_check1, {m_text1});
    enableWith(m_check2, {m_text2});

    auto* grid = new QGridLayout;
    grid->addWidget(label1, 0, 0);
    grid->addWidget(m_text3, 0, 1);
    grid->addWidget(m_check1, 1, 0);
    grid->addWidget(m_text1, 1, 1);
    grid->addWidget(m_check2, 2, 0);
    grid->addWidget(m_text2, 2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(makeButtonRow());
}

FramesetValues Frames::values() const {
    FramesetValues v;
    v.title = m_text3->text();
    v.rowsChecked = m_check1->isChecked();
    v.rows = m_text1->text();
    v.colsChecked = m_check2->isChecked();
    v.cols = m_text2->text();
    return v;
}

void Frames::confirm() {
    const QString prefix = FramesetPrefix(HtmlDocumentHead(), values());
    WritePageAround([&](const QString& old) { return FramesetAround(prefix, old); });
}
