#include "html/controls/RowMoveButtons.h"

#include "platform/named_control.h"

#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int IconSide = 16;

// An arrow pointing up or down, with a bar at its tip for the moves to an end.
QIcon arrowIcon(bool up, bool toEnd, const QColor& colour) {
    QPixmap picture(IconSide, IconSide);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    // Drawn pointing up, then flipped for the downward buttons.
    if (!up) {
        painter.translate(0, IconSide);
        painter.scale(1, -1);
    }
    QPainterPath arrow;
    arrow.moveTo(IconSide / 2.0, 4);
    arrow.lineTo(IconSide - 2, 12);
    arrow.lineTo(2, 12);
    arrow.closeSubpath();
    painter.drawPath(arrow);
    if (toEnd)
        painter.drawRect(QRectF(2, 1, IconSide - 4, 2));
    return QIcon(picture);
}

} // namespace

RowList<QString> ListRows(const QListWidget* list) {
    RowList<QString> rows;
    for (int i = 0; i < list->count(); ++i)
        rows.rows << list->item(i)->data(Qt::UserRole).toString();
    rows.selected = list->currentRow();
    if (list->currentItem() != nullptr && !list->currentItem()->isSelected())
        rows.selected = -1;
    return rows;
}

void ShowListRows(QListWidget* list, const RowList<QString>& rows) {
    list->clear();
    for (const QString& row : rows.rows) {
        QString shown = row;
        shown.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
        auto* item = new QListWidgetItem(shown, list);
        item->setData(Qt::UserRole, row);
    }
    if (rows.hasSelection())
        list->setCurrentRow(rows.selected);
    else
        list->setCurrentRow(-1);
}

QVBoxLayout* MakeRowMoveButtons(QWidget* window, QListWidget* list) {
    const QColor colour = window->palette().color(QPalette::ButtonText);
    const struct {
        QString name;
        QString toolTip;
        RowMove move;
        QIcon icon;
    } buttons[] = {
        {u"C_Top"_s, u"Posun výběru na začátek"_s, RowMove::Top, arrowIcon(true, true, colour)},
        {u"C_Up"_s, u"Posun výběru nahoru"_s, RowMove::Up, arrowIcon(true, false, colour)},
        {u"C_Down"_s, u"Posun výběru dolu"_s, RowMove::Down, arrowIcon(false, false, colour)},
        {u"C_Bottom"_s, u"Posun výběru na konec"_s, RowMove::Bottom,
         arrowIcon(false, true, colour)},
        {u"C_Delete"_s, u"Odstraní vybranou položku"_s, RowMove::Delete, QIcon()},
    };
    auto* column = new QVBoxLayout;
    for (const auto& b : buttons) {
        auto* button = MakeNamed<QPushButton>(window, b.name, {.toolTip = b.toolTip});
        if (b.icon.isNull())
            button->setText(u"X"_s);
        else
            button->setIcon(b.icon);
        // Enter keeps confirming the window, whichever of these has the focus.
        button->setAutoDefault(false);
        QObject::connect(button, &QPushButton::clicked, list, [list, move = b.move] {
            ShowListRows(list, MovedRows(ListRows(list), move));
        });
        column->addWidget(button);
    }
    column->addStretch();
    return column;
}
