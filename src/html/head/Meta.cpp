#include "html/head/Meta.h"

#include "core/html/html_head_lines.h"
#include "core/settings/app_version.h"
#include "platform/named_control.h"
#include "shell/ProgramState.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QScrollBar>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

Meta::Meta(QWidget* owner) : HtmlDialog(owner) {
    setObjectName(u"Meta"_s);
    setWindowTitle(u"HTML - meta tag"_s);

    m_combo1 = MakeNamed<QComboBox>(this, u"Combo1"_s);
    MakeEditable(m_combo1);
    // What the user types is inserted, never added to the list.
    m_combo1->setInsertPolicy(QComboBox::NoInsert);
    m_combo1->addItems(MetaSampleLines());
    // Made once per load: a later change of the settings shows only after
    // the window has been closed and opened again.
    const SettingsRecord& settings = Program().Settings;
    m_combo1->addItems(MetaSettingsLines(settings.UserName, settings.UserEmail, AppVersionText()));
    m_combo1->setMinimumContentsLength(60);
    // The open list is as wide as its longest line, so that no line shows
    // elided; the box keeps the width of the usual lines.
    QAbstractItemView* list = m_combo1->view();
    list->setMinimumWidth(list->sizeHintForColumn(0) +
                          list->verticalScrollBar()->sizeHint().width() + 2 * list->frameWidth());
    m_combo1->setCurrentIndex(-1);
    m_combo1->setEditText(u"Vyber meta-tag"_s);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_combo1);
    layout->addLayout(makeButtonRow());
    withoutDefaultButton();
}

void Meta::confirm() {
    writeToEditor({HtmlInsertMode::InsertAtCaret, m_combo1->currentText(), QString()});
}
