#pragma once

#include "html/controls/ColourSwatch.h"
#include "html/controls/HtmlDialog.h"
#include "html/tables/TableAlignControls.h"

#include <QCheckBox>
#include <QObject>

class FilePickerGroup;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QScrollBar;
struct TableCellValues;

// One table cell: from the menu a TD (or TH) around the selection, or around
// "Buňka" when nothing is selected; opened by the table or the row dialog it
// hands back only its attribute text.
class TableCell : public HtmlDialog {
    Q_OBJECT
public:
    explicit TableCell(QWidget* owner = nullptr);

    // The header box, which makes no sense when only attributes are wanted;
    // complete here so an opener can pass it as a QWidget to disable.
    [[nodiscard]] QCheckBox* Check9() const { return m_check9; }

protected:
    void confirm() override;

private:
    [[nodiscard]] QLayout* buildBackground();
    [[nodiscard]] QLayout* buildColour();
    [[nodiscard]] QLayout* buildSpans();
    [[nodiscard]] QLayout* buildWidth();
    [[nodiscard]] TableCellValues values() const;

    QCheckBox* m_check9;
    QCheckBox* m_isPicture;
    FilePickerGroup* m_picker;
    TableAlignControls* m_alignment;
    QCheckBox* m_check3;
    QPushButton* m_command3;
    ColourSwatch* m_colour; // Label1 and Label2
    QCheckBox* m_check4;
    QScrollBar* m_vscroll4;
    QLabel* m_label3;
    QCheckBox* m_check5;
    QScrollBar* m_vscroll5;
    QLabel* m_label4;
    QCheckBox* m_check6;
    QCheckBox* m_check7;
    QCheckBox* m_check8;
    QScrollBar* m_vscroll6;
    QLabel* m_label8;
};
