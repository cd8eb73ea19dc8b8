#pragma once

#include "html/controls/HtmlDialog.h"

#include <QScrollBar>

class QLabel;
class QLineEdit;
class QPushButton;
class TableAlignControls;
struct TableRowValues;

// One table row: from the menu a TR with numbered placeholder cells at the
// caret; opened by the table it hands back only its attribute text.
class TableRow : public HtmlDialog {
    Q_OBJECT
public:
    explicit TableRow(QWidget* owner = nullptr);

    // The cell count, which makes no sense when only attributes are wanted.
    [[nodiscard]] QScrollBar* Vscroll1() const { return m_vscroll1; }

protected:
    void confirm() override;

private:
    [[nodiscard]] QLayout* buildCells();
    // Asks the cell dialog for the attribute text of the row's cells.
    void editCells();
    [[nodiscard]] TableRowValues values() const;

    TableAlignControls* m_alignment;
    QScrollBar* m_vscroll1;
    QLabel* m_label2;
    QLineEdit* m_text3;
    QPushButton* m_command3;
    QPushButton* m_command4;
};
