#pragma once

#include "core/utilities/line_formatting.h"
#include "utilities/text_tool_window.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;

// Column-wise editing of the selected lines: at one position, from the start
// or from the end of every line, insert a text, delete a character or pad
// the lines to the longest one; single lines are edited in Text3. The list
// is a working copy: "&Ok" writes the lines in place of the selection.
class Formatuj : public TextToolWindow {
    Q_OBJECT
public:
    explicit Formatuj(QWidget* owner = nullptr);

    // Fills the list with the lines of the selection, as the menu command
    // does before showing the window.
    void setLines(const QString& selection);
    [[nodiscard]] QStringList lines() const;

    [[nodiscard]] QListWidget* List1() const { return m_list; }
    [[nodiscard]] QScrollBar* Hz() const { return m_position; }
    [[nodiscard]] QLabel* Label2() const { return m_count; }
    [[nodiscard]] QLabel* Label4() const { return m_shortest; }
    [[nodiscard]] QLabel* Label7() const { return m_positionShown; }
    [[nodiscard]] QCheckBox* ChkStart() const { return m_fromStart; }
    [[nodiscard]] QCheckBox* ChkEnd() const { return m_fromEnd; }
    [[nodiscard]] QLineEdit* Text1() const { return m_text; }
    [[nodiscard]] QLineEdit* Text3() const { return m_line; }
    [[nodiscard]] QPushButton* CmndAdd() const { return m_add; }
    [[nodiscard]] QPushButton* CmndDelete() const { return m_delete; }
    [[nodiscard]] QPushButton* CmndFill() const { return m_fill; }
    [[nodiscard]] QPushButton* CmndOK() const { return m_ok; }
    [[nodiscard]] QPushButton* CmndStorno() const { return m_storno; }

private:
    [[nodiscard]] QLayout* buildColumnControls();
    [[nodiscard]] LineColumn column() const;
    // Replaces every item by its edited line, then refreshes the statistics.
    void applyToLines(const std::function<QStringList(const QStringList&)>& edit);
    // The shortest length shown and made the position's maximum.
    void RefreshLineStats();
    void lineChosen();
    void lineEdited(const QString& text);
    void writeLines();

    QListWidget* m_list = nullptr;
    QLineEdit* m_line = nullptr;
    QLabel* m_count = nullptr;
    QLabel* m_shortest = nullptr;
    QScrollBar* m_position = nullptr;
    QLabel* m_positionShown = nullptr;
    QCheckBox* m_fromStart = nullptr;
    QCheckBox* m_fromEnd = nullptr;
    QLineEdit* m_text = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_fill = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_storno = nullptr;
};
