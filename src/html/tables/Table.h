#pragma once

#include "core/html/html_table.h"
#include "html/controls/HtmlDialog.h"
#include "html/controls/OptionValues.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

// The table generator: the counts, the TABLE attributes and the caption on
// one page, the cells and rows under their cursors on the other. Ok writes
// the whole table at the caret; the grid stays for the next table.
class Table : public HtmlDialog {
    Q_OBJECT
public:
    explicit Table(QWidget* owner = nullptr);

    // Shows the cell under the column and row cursors in Text4 and Text3.
    void CHxy();

protected:
    void confirm() override;

private:
    [[nodiscard]] QWidget* buildTablePage();
    [[nodiscard]] QGroupBox* buildCounts();
    [[nodiscard]] QLayout* buildAttributes();
    [[nodiscard]] QLayout* buildWidth();
    [[nodiscard]] QLayout* buildAlign();
    [[nodiscard]] QLayout* buildFrame();
    [[nodiscard]] QLayout* buildRules();
    [[nodiscard]] QLayout* buildCaption();
    [[nodiscard]] QWidget* buildCellRowPage();
    [[nodiscard]] QGroupBox* buildCellFrame();
    [[nodiscard]] QGroupBox* buildRowFrame();
    void connectGrid();

    // A lower count pulls a cursor beyond it back, which shows that cell.
    void columnsChanged();
    void rowsChanged();
    void columnCursorMoved();
    void rowCursorMoved();
    void rowAttributesCursorMoved();
    void editCell();
    void editRow();
    [[nodiscard]] TableCellRecord& currentCell();
    [[nodiscard]] TableValues values() const;

    TableGrid m_grid;

    QScrollBar* m_vscroll1 = nullptr; // columns
    QLabel* m_label3 = nullptr;
    QScrollBar* m_vscroll2 = nullptr; // rows
    QLabel* m_label4 = nullptr;

    QCheckBox* m_check1 = nullptr;
    QCheckBox* m_chkPercentWidth = nullptr;
    QScrollBar* m_vscroll3 = nullptr;
    QLabel* m_label5 = nullptr;
    QCheckBox* m_check9 = nullptr;
    QCheckBox* m_check3 = nullptr;
    QLineEdit* m_text1 = nullptr;
    QCheckBox* m_check2 = nullptr;
    OptionValues<QString> m_align;
    QCheckBox* m_check4 = nullptr;
    OptionValues<QString> m_frame;
    QScrollBar* m_vscroll4 = nullptr;
    QLabel* m_label7 = nullptr;
    QCheckBox* m_check5 = nullptr;
    OptionValues<QString> m_rules;
    QCheckBox* m_check6 = nullptr;
    QScrollBar* m_vscroll5 = nullptr;
    QLabel* m_label8 = nullptr;
    QCheckBox* m_check7 = nullptr;
    QScrollBar* m_vscroll6 = nullptr;
    QLabel* m_label9 = nullptr;
    QCheckBox* m_check8 = nullptr;
    QLineEdit* m_text2 = nullptr;
    OptionValues<QString> m_captionAlign;

    QScrollBar* m_hscroll1 = nullptr; // column cursor x
    QLabel* m_label12 = nullptr;
    QScrollBar* m_vscroll7 = nullptr; // row cursor y
    QLabel* m_label13 = nullptr;
    QLineEdit* m_text4 = nullptr;
    QLineEdit* m_text3 = nullptr;
    QPushButton* m_command3 = nullptr;
    QPushButton* m_command4 = nullptr;
    QScrollBar* m_vscroll8 = nullptr; // row cursor z
    QLabel* m_label16 = nullptr;
    QLineEdit* m_text5 = nullptr;
    QPushButton* m_command6 = nullptr;
    QPushButton* m_command5 = nullptr;
};
