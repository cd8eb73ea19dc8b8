#include "shell/find/SearchWindow.h"

#include "core/text/editor_surface.h"
#include "platform/named_control.h"
#include "shell/shared_procedures.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

SearchWindow::SearchWindow(QWidget* owner, const QString& name, const QString& title,
                           const Texts& texts)
    : QDialog(owner) {
    setObjectName(name);
    setWindowTitle(title);
    setModal(false);
    m_find = MakeNamed<QLineEdit>(this, QStringLiteral("Find"), {.toolTip = texts.findToolTip});
    m_rozlisovat = MakeNamed<QCheckBox>(
        this, QStringLiteral("Rozlisovat"),
        {.text = QStringLiteral("&Rozlišovat malá a velká písmena"), .toolTip = texts.caseToolTip});
    m_rozlisovat->setChecked(true);
    m_chkSelection =
        MakeNamed<QCheckBox>(this, QStringLiteral("ChkSelection"),
                             {.text = texts.selectionCaption, .toolTip = texts.selectionToolTip});
    m_history = historyList(QStringLiteral("History"), texts.historyToolTip);
    m_command1 = button(QStringLiteral("Command1"), texts.startCaption, texts.startToolTip);
    m_command2 = button(QStringLiteral("Command2"), texts.nextCaption, texts.nextToolTip);
    m_command4 = button(QStringLiteral("Command4"), texts.newCaption, texts.newToolTip);
    m_command3 =
        button(QStringLiteral("Command3"), QStringLiteral("&Zavři okno"), texts.closeToolTip);
    m_label3 = MakeNamed<QLabel>(this, QStringLiteral("Label3"), {.toolTip = texts.countToolTip});
    m_label3->setMinimumWidth(m_label3->fontMetrics().horizontalAdvance(u'0') * 8);

    connect(m_command1, &QPushButton::clicked, this, &SearchWindow::startSearch);
    connect(m_command2, &QPushButton::clicked, this, &SearchWindow::findNext);
    connect(m_command4, &QPushButton::clicked, this, &SearchWindow::newSearch);
    // Esc rejects the dialog, which hides it just as this button does.
    connect(m_command3, &QPushButton::clicked, this, &QDialog::hide);
}

QLabel* SearchWindow::heading(const QString& name, const QString& text) {
    return MakeNamed<QLabel>(this, name, {.text = text});
}

QListWidget* SearchWindow::historyList(const QString& name, const QString& toolTip) {
    constexpr int VisibleEntries = 5;
    auto* list = MakeNamed<QListWidget>(this, name, {.toolTip = toolTip});
    list->setFixedHeight(list->fontMetrics().lineSpacing() * VisibleEntries +
                         2 * list->frameWidth() + 4);
    return list;
}

QPushButton* SearchWindow::button(const QString& name, const QString& text,
                                  const QString& toolTip) {
    auto* made = MakeNamed<QPushButton>(this, name, {.text = text, .toolTip = toolTip});
    // Enter belongs to the search text, not to whichever button was last pressed.
    made->setAutoDefault(false);
    return made;
}

SearchRequest SearchWindow::request() const {
    return {m_find->text(), replacement(), m_rozlisovat->isChecked()};
}

void SearchWindow::startSearch() {
    setSearching(true);
    m_history->addItem(m_find->text());
    recordHistory();
    StartSearch(MainSurface(), m_state, m_chkSelection->isChecked());
    findNext();
}

void SearchWindow::findNext() {
    showStep(FindNextHit(MainSurface(), m_state, request()));
}

void SearchWindow::showStep(bool found) {
    if (found)
        m_label3->setText(QString::number(m_state.HitCount));
    else
        newSearch();
}

void SearchWindow::newSearch() {
    const EditorSurface& surface = MainSurface();
    m_find->setText(surface.selLength() != 0 ? surface.selText() : QString());
    setSearching(false);
    clearCounts();
    // The button that ended the search is disabled under the user's hand and
    // would pass the focus on to another button, or to none. The next search
    // begins in the search text, selected so that typing replaces it.
    m_find->setFocus(Qt::OtherFocusReason);
    m_find->selectAll();
}

void SearchWindow::setSearching(bool searching) {
    for (QWidget* input : std::initializer_list<QWidget*>{m_find, m_rozlisovat, m_chkSelection,
                                                          m_history, m_command1})
        input->setEnabled(!searching);
    m_command2->setEnabled(searching);
}

void SearchWindow::clearCounts() {
    m_label3->clear();
}
