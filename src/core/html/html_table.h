#pragma once

#include <QString>
#include <array>
#include <optional>

// The whole table that the table window writes, built from plain copies of
// its controls and its grid of cells.

// Counts and cursors run from 1; index 0 of the grid is never used.
inline constexpr int TableMaxCount = 20;

// One cell: its content and its attribute text (empty, or attributes each
// with a leading space, exactly as the cell dialog hands them back).
struct TableCellRecord {
    QString content;
    QString attributes;
};

// Every cell and row the user has filled. Cells beyond the current counts
// keep their texts, so growing a count brings them back.
class TableGrid {
public:
    [[nodiscard]] TableCellRecord& cell(int column, int row) { return m_cells.at(column).at(row); }
    [[nodiscard]] const TableCellRecord& cell(int column, int row) const {
        return m_cells.at(column).at(row);
    }
    [[nodiscard]] QString& rowAttributes(int row) { return m_rows.at(row); }
    [[nodiscard]] const QString& rowAttributes(int row) const { return m_rows.at(row); }

private:
    std::array<std::array<TableCellRecord, TableMaxCount + 1>, TableMaxCount + 1> m_cells;
    std::array<QString, TableMaxCount + 1> m_rows;
};

struct TableFrame {
    QString frame = QStringLiteral("NONE");
    QString border = QStringLiteral("0"); // the thickness label as shown
};

struct TableCaption {
    QString align = QStringLiteral("TOP");
    QString text = QStringLiteral("Nadpis");
};

// The table's settings; an attribute is written only when it holds a value.
// Members stand in the order the attributes are written.
struct TableValues {
    int columns = 1;
    int rows = 1;
    std::optional<QString> width; // the width label as shown, "%" included
    bool cols = false;            // COLS is the column count itself
    std::optional<QString> colspec;
    std::optional<QString> align;
    std::optional<TableFrame> frame; // FRAME, then BORDER
    std::optional<QString> rules;
    std::optional<QString> cellSpacing;
    std::optional<QString> cellPadding;
    std::optional<TableCaption> caption;
};

// The table, its lines joined by CR LF with no break after the last one;
// cell and row texts are copied unescaped.
[[nodiscard]] QString TableHtml(const TableValues& values, const TableGrid& grid);

// A cursor's label: its position, "/" and the count, as "3/5".
[[nodiscard]] QString TableCursorLabel(int position, int count);
