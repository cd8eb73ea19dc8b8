#include "html/samples/Template.h"

#include "core/text/editor_procedures.h"
#include "core/text/random_text.h"
#include "html/page/html_page_head.h"
#include "platform/named_control.h"
#include "shell/ProgramState.h"
#include "shell/shared_procedures.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QString Heading = u"Zobrazení dokumentu :"_s;

QStyle::StandardPixmap pictureOf(SampleKind kind) {
    switch (kind) {
    case SampleKind::HtmlPage:
        return QStyle::SP_FileIcon;
    case SampleKind::HtmlScript:
        return QStyle::SP_FileDialogDetailedView;
    case SampleKind::Settings:
        return QStyle::SP_FileDialogInfoView;
    case SampleKind::Batch:
        return QStyle::SP_ComputerIcon;
    case SampleKind::Description:
        return QStyle::SP_FileDialogContentsView;
    }
    return QStyle::SP_FileIcon;
}

} // namespace

Template::Template(QWidget* owner) : HtmlDialog(owner) {
    setObjectName(u"Template"_s);
    setWindowTitle(u"Vzorky"_s);

    m_list = MakeNamed<QTreeWidget>(this, u"ListView1"_s, {.toolTip = u"Dokumenty"_s});
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({u"Typ"_s, u"Název"_s});
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    fillList();
    // A click builds the sample afresh even on the row already chosen.
    connect(m_list, &QTreeWidget::itemClicked, this, &Template::preview);
    connect(m_list, &QTreeWidget::itemActivated, this, &Template::preview);

    m_label1 = Named(new QLabel(Heading, this), u"Label1"_s);
    m_text1 = MakeNamed<QPlainTextEdit>(this, u"Text1"_s, {.toolTip = u"Náhled"_s});
    m_text1->setReadOnly(true);
    m_text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_text1->setPlainText(u"Vyber dokument\r\n"_s);

    m_command1 = makeOkButton();
    m_command1->setToolTip(u"Ok, použij dokument "_s);
    // Until a sample is chosen there is nothing to put in the document's place.
    m_command1->setEnabled(false);
    QPushButton* command2 = makeStornoButton();
    command2->setText(u"&Strono"_s);
    command2->setToolTip(u"Nic!"_s);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 2);
    layout->addWidget(m_label1);
    layout->addWidget(m_text1, 3);
    layout->addLayout(buttonRow({m_command1, command2}));
    resize(560, 520);
}

void Template::fillList() {
    for (const SampleRow& row : SampleRows()) {
        auto* item = new QTreeWidgetItem(m_list, {row.type.toString(), row.fileName.toString()});
        item->setData(0, Qt::UserRole, row.key.toString());
        item->setIcon(0, style()->standardIcon(pictureOf(row.kind)));
    }
}

SampleInputs Template::CurrentInputs() {
    return {HtmlDocumentHead(), Program().Settings.UserName, Program().Settings.UserEmail,
            RandomSentence, RandomParagraph};
}

void Template::preview(const QTreeWidgetItem* item) {
    const SampleRow* row = item ? SampleRowOf(item->data(0, Qt::UserRole).toString()) : nullptr;
    if (row == nullptr)
        return;
    m_label1->setText(Heading + row->type.toString());
    m_previewed = row->build(CurrentInputs());
    m_text1->setPlainText(m_previewed);
    m_command1->setEnabled(true);
}

void Template::confirm() {
    ReplaceAllText(MainSurface(), [this](const QString&) { return m_previewed; });
}
