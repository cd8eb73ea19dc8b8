#pragma once

#include "core/find/search_steps.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// What the find window Hledani and the replace window Zamena share: the
// search text Find, the case option Rozlisovat, the selection scope
// ChkSelection, the history History, the buttons Start (Command1), Next
// (Command2), New (Command4) and Close (Command3, also Esc), and the hit count
// in Label3. Modeless; closing only hides it, so its state and history last
// until it is unloaded.
//
// Idle, the inputs and Start are enabled and Next is not; searching, the
// other way round. Start leads to searching; a step that finds no hit in
// scope, New, and (in Zamena) replace-all lead back to idle.
class SearchWindow : public QDialog {
    Q_OBJECT
public:
    [[nodiscard]] QLineEdit* Find() const { return m_find; }
    [[nodiscard]] QCheckBox* Rozlisovat() const { return m_rozlisovat; }
    [[nodiscard]] QCheckBox* ChkSelection() const { return m_chkSelection; }
    [[nodiscard]] QListWidget* History() const { return m_history; }
    [[nodiscard]] QPushButton* Command1() const { return m_command1; }
    [[nodiscard]] QPushButton* Command2() const { return m_command2; }
    [[nodiscard]] QPushButton* Command3() const { return m_command3; }
    [[nodiscard]] QPushButton* Command4() const { return m_command4; }
    [[nodiscard]] QLabel* Label3() const { return m_label3; }
    [[nodiscard]] const SearchState& state() const { return m_state; }

    // The window's operations, as its buttons run them.
    void startSearch();
    void findNext();
    void newSearch();

protected:
    // The captions and tool tips that differ between the two windows; an
    // empty tool tip sets none.
    struct Texts {
        QString findToolTip = {};
        QString caseToolTip = {};
        QString selectionCaption = {};
        QString selectionToolTip = {};
        QString historyToolTip = {};
        QString startCaption = {};
        QString startToolTip = {};
        QString nextCaption = {};
        QString nextToolTip = {};
        QString newCaption = {};
        QString newToolTip = {};
        QString closeToolTip = {};
        QString countToolTip = {};
    };
    SearchWindow(QWidget* owner, const QString& name, const QString& title, const Texts& texts);

    [[nodiscard]] SearchRequest request() const;
    [[nodiscard]] SearchState& mutableState() { return m_state; }
    // Shows the count in Label3 after a hit, or goes back to idle.
    void showStep(bool found);
    // The controls a subclass adds to the idle and searching states, and the
    // labels it clears on New.
    virtual void setSearching(bool searching);
    virtual void clearCounts();
    // The replacement; the find window has none.
    [[nodiscard]] virtual QString replacement() const { return {}; }
    // Called by Start after it appended Find's text to History.
    virtual void recordHistory() {}

    [[nodiscard]] QLabel* heading(const QString& name, const QString& text);
    // A history list a few entries high, so the window stays small beside
    // the text it searches.
    [[nodiscard]] QListWidget* historyList(const QString& name, const QString& toolTip = {});
    [[nodiscard]] QPushButton* button(const QString& name, const QString& text,
                                      const QString& toolTip = {});

private:
    QLineEdit* m_find = nullptr;
    QCheckBox* m_rozlisovat = nullptr;
    QCheckBox* m_chkSelection = nullptr;
    QListWidget* m_history = nullptr;
    QPushButton* m_command1 = nullptr;
    QPushButton* m_command2 = nullptr;
    QPushButton* m_command3 = nullptr;
    QPushButton* m_command4 = nullptr;
    QLabel* m_label3 = nullptr;
    SearchState m_state;
};
