#pragma once

#include "core/html/row_list.h"

#include <QString>
#include <QStringList>

class QListWidget;
class QPushButton;
class QVBoxLayout;
class QWidget;

// The rows of a hand-ordered list box. Each row keeps its whole text, line
// breaks included, while the box shows it on as many lines as it has.
[[nodiscard]] RowList<QString> ListRows(const QListWidget* list);
// Puts rows into the box and selects the selected one (none for -1).
void ShowListRows(QListWidget* list, const RowList<QString>& rows);

// The buttons beside such a box, top to bottom: C_Top, C_Up, C_Down,
// C_Bottom (arrow pictures) and C_Delete ("X"). Each moves or removes the
// selected row of list; without a selected row they do nothing. The buttons
// are made on window, in that order, so Tab reaches them in it.
[[nodiscard]] QVBoxLayout* MakeRowMoveButtons(QWidget* window, QListWidget* list);
