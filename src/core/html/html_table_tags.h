#pragma once

#include "core/html/html_simple_tags.h"

#include <QString>

// The texts of the table cell and row dialogs, built from plain copies of
// their controls. Labels are taken as shown, suffix included.

// ALIGN (with CHAR after it) and VALIGN, shared by cells and rows.
struct TableAlignValues {
    bool alignChecked = false;                 // Check1
    QString align = QStringLiteral("CENTER");  // LEFT, CENTER, RIGHT or CHAR
    QString character = QStringLiteral(",");   // Text1, written only for CHAR
    bool valignChecked = false;                // Check2
    QString valign = QStringLiteral("MIDDLE"); // TOP, MIDDLE or BOTTOM
};

struct TableCellValues {
    bool header = false;            // Check9: TH instead of TD
    bool backgroundChecked = false; // IsPicture
    QString background;             // the picker's address
    TableAlignValues alignment;
    bool colorChecked = false; // Check3
    QString colorLabel = QStringLiteral("#000000");
    bool colspanChecked = false; // Check4
    QString colspanLabel = QStringLiteral("1");
    bool rowspanChecked = false; // Check5
    QString rowspanLabel = QStringLiteral("1");
    bool noWrap = false;       // Check6
    bool widthChecked = false; // Check7
    QString widthLabel = QStringLiteral("1");
};

struct TableRowValues {
    TableAlignValues alignment;
    int cellCount = 1;      // Vscroll1
    QString cellAttributes; // Text3: the attribute text of every cell
};

[[nodiscard]] QString TableCellStartTag(const TableCellValues& values);
[[nodiscard]] QString TableCellEndTag(const TableCellValues& values);
[[nodiscard]] QString TableRowStartTag(const TableRowValues& values);

// What a dialog opened for its attributes hands back: the start tag without
// its tag name and closing ">", leading space kept; "" when there is none.
[[nodiscard]] QString TableAttributeText(const QString& startTag);

// The cell from the menu: wraps a selection, and with nothing selected
// inserts the tags around the placeholder "Buňka".
[[nodiscard]] HtmlInsertion TableCellInsertion(const TableCellValues& values, bool hasSelection);
// The row from the menu: one line of numbered placeholder cells at the caret.
[[nodiscard]] HtmlInsertion TableRowInsertion(const TableRowValues& values);
