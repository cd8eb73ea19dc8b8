#pragma once

#include "shell/find/SearchWindow.h"

// The replace window: finds as Hledani does, replaces the current hit
// (Command5) or every occurrence (Command6). Each Start adds the search text to
// History and the replacement Chage to List1, so entry i of one list belongs
// to entry i of the other; a click in either list selects the partner entry
// and fills both text boxes.
class Zamena : public SearchWindow {
    Q_OBJECT
public:
    explicit Zamena(QWidget* owner = nullptr);

    [[nodiscard]] QLineEdit* Chage() const { return m_chage; }
    [[nodiscard]] QListWidget* List1() const { return m_list1; }
    [[nodiscard]] QPushButton* Command5() const { return m_command5; }
    [[nodiscard]] QPushButton* Command6() const { return m_command6; }
    [[nodiscard]] QLabel* Label5() const { return m_label5; }

    // Replaces the current hit, when the editor selection is still that hit,
    // and finds the next one.
    void replaceHit();
    // Replaces every occurrence in the text or the saved selection, then New.
    void replaceAll();

protected:
    void setSearching(bool searching) override;
    void clearCounts() override;
    [[nodiscard]] QString replacement() const override;
    void recordHistory() override;

private:
    void choosePair(int row);

    QLineEdit* m_chage = nullptr;
    QListWidget* m_list1 = nullptr;
    QPushButton* m_command5 = nullptr;
    QPushButton* m_command6 = nullptr;
    QLabel* m_label5 = nullptr;
};
