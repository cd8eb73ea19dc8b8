#pragma once

#include <QList>
#include <algorithm>

// The rows of a list box that the user orders by hand, with the row selected
// in it (-1 for none). The list editors move, add and remove rows through
// these functions, so the rules hold the same in every window.
template <class Row> struct RowList {
    QList<Row> rows;
    int selected = -1;

    [[nodiscard]] bool hasSelection() const { return selected >= 0 && selected < rows.size(); }
    friend bool operator==(const RowList&, const RowList&) = default;
};

// What the buttons beside such a list do to the selected row.
enum class RowMove { Top, Up, Down, Bottom, Delete };

// The list after move; without a selected row nothing changes. The moved row
// stays selected; after a delete the row now at the same place is, or the
// new last one when the last was removed.
template <class Row> [[nodiscard]] RowList<Row> MovedRows(RowList<Row> list, RowMove move) {
    if (!list.hasSelection())
        return list;
    const int at = list.selected;
    const int last = static_cast<int>(list.rows.size()) - 1;
    switch (move) {
    case RowMove::Top:
        list.rows.move(at, 0);
        list.selected = 0;
        break;
    case RowMove::Bottom:
        list.rows.move(at, last);
        list.selected = last;
        break;
    case RowMove::Up:
        if (at >= 1) {
            list.rows.swapItemsAt(at, at - 1);
            list.selected = at - 1;
        }
        break;
    case RowMove::Down:
        if (at < last) {
            list.rows.swapItemsAt(at, at + 1);
            list.selected = at + 1;
        }
        break;
    case RowMove::Delete:
        list.rows.removeAt(at);
        list.selected = std::min(at, last - 1);
        break;
    }
    return list;
}

// The list with row added before the selected row, which stays selected; with
// none selected the row goes at the end.
template <class Row> [[nodiscard]] RowList<Row> WithRowAdded(RowList<Row> list, Row row) {
    if (list.hasSelection()) {
        list.rows.insert(list.selected, std::move(row));
        ++list.selected;
    } else {
        list.rows.append(std::move(row));
    }
    return list;
}

// The list without its selected row or, with none selected, without its last
// one; nothing is selected afterwards.
template <class Row> [[nodiscard]] RowList<Row> WithoutSelectedOrLast(RowList<Row> list) {
    if (list.hasSelection())
        list.rows.removeAt(list.selected);
    else if (!list.rows.isEmpty())
        list.rows.removeLast();
    list.selected = -1;
    return list;
}
