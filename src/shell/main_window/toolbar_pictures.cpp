#include "shell/main_window/toolbar_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>
#include <utility>

namespace {

// Every picture is drawn on a 16 by 16 grid and scaled for larger sizes.
constexpr int Grid = 16;

// A letter drawn as lines, so that no font is involved.
void letter(QPainter& painter, ToolbarPicture picture) {
    QPainterPath path;
    switch (picture) {
    case ToolbarPicture::Bold:
        path.moveTo(4, 2);
        path.lineTo(4, 14);
        path.moveTo(4, 2);
        path.lineTo(9, 2);
        path.cubicTo(13, 2, 13, 8, 9, 8);
        path.lineTo(4, 8);
        path.moveTo(9, 8);
        path.cubicTo(14, 8, 14, 14, 9, 14);
        path.lineTo(4, 14);
        break;
    case ToolbarPicture::Italic:
        path.moveTo(7, 2);
        path.lineTo(12, 2);
        path.moveTo(4, 14);
        path.lineTo(9, 14);
        path.moveTo(9.5, 2);
        path.lineTo(6.5, 14);
        break;
    case ToolbarPicture::Underline:
        path.moveTo(4, 1);
        path.lineTo(4, 8);
        path.cubicTo(4, 12, 12, 12, 12, 8);
        path.lineTo(12, 1);
        path.moveTo(3, 14.5);
        path.lineTo(13, 14.5);
        break;
    default: // Colors: an "A" over a coloured bar.
        path.moveTo(3, 12);
        path.lineTo(8, 1);
        path.lineTo(13, 12);
        path.moveTo(5, 8);
        path.lineTo(11, 8);
        break;
    }
    painter.drawPath(path);
}

void paint(QPainter& painter, ToolbarPicture picture, const QColor& ink) {
    QPen pen(ink, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    switch (picture) {
    case ToolbarPicture::Html: // < >
        painter.drawPolyline(QPolygonF({{6, 3}, {1.5, 8}, {6, 13}}));
        painter.drawPolyline(QPolygonF({{10, 3}, {14.5, 8}, {10, 13}}));
        break;
    case ToolbarPicture::Cut: // scissors: two rings and crossing blades
        painter.drawEllipse(QRectF(2, 10, 4, 4));
        painter.drawEllipse(QRectF(10, 10, 4, 4));
        painter.drawLine(QPointF(5.5, 10.5), QPointF(11, 1.5));
        painter.drawLine(QPointF(10.5, 10.5), QPointF(5, 1.5));
        break;
    case ToolbarPicture::Copy: // two sheets, one over the other
        painter.drawRect(QRectF(1.5, 1.5, 8, 10));
        painter.setBrush(QColor(Qt::white));
        painter.drawRect(QRectF(6.5, 4.5, 8, 10));
        break;
    case ToolbarPicture::Paste: // a clipboard with a sheet on it
        painter.setBrush(QColor(0xC8, 0x96, 0x50));
        painter.drawRoundedRect(QRectF(2, 2.5, 10, 12.5), 1, 1);
        painter.setBrush(ink);
        painter.drawRect(QRectF(5, 1, 4, 3));
        painter.setBrush(QColor(Qt::white));
        painter.drawRect(QRectF(7.5, 6.5, 7, 8.5));
        break;
    case ToolbarPicture::Center: // lines of text centred
        for (const auto& [y, half] : {std::pair{3.0, 6.0}, {6.5, 3.5}, {10.0, 6.0}, {13.5, 3.5}})
            painter.drawLine(QPointF(8 - half, y), QPointF(8 + half, y));
        break;
    case ToolbarPicture::Line: // a thick horizontal rule
        painter.setPen(QPen(ink, 3, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(QPointF(1, 8), QPointF(15, 8));
        break;
    case ToolbarPicture::Print: // a printer with a sheet in and a sheet out
        painter.setBrush(QColor(Qt::white));
        painter.drawRect(QRectF(4.5, 1.5, 7, 5));
        painter.setBrush(QColor(0xA0, 0xA0, 0xA0));
        painter.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1, 1);
        painter.setBrush(QColor(Qt::white));
        painter.drawRect(QRectF(4.5, 10.5, 7, 4));
        break;
    case ToolbarPicture::Colors:
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0xD0, 0x20, 0x20));
        painter.drawRect(QRectF(1, 13, 14, 3));
        painter.setPen(pen);
        letter(painter, picture);
        break;
    case ToolbarPicture::Bold:
        painter.setPen(QPen(ink, 2.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        letter(painter, picture);
        break;
    case ToolbarPicture::Italic:
    case ToolbarPicture::Underline:
        letter(painter, picture);
        break;
    }
}

QPixmap painted(ToolbarPicture picture, const QColor& ink, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(static_cast<qreal>(size) / Grid, static_cast<qreal>(size) / Grid);
    paint(painter, picture, ink);
    return pixmap;
}

} // namespace

QIcon PaintToolbarPicture(ToolbarPicture picture, const QPalette& palette) {
    const QColor ink = palette.color(QPalette::ButtonText);
    QIcon icon;
    for (const int size : {Grid, 2 * Grid})
        icon.addPixmap(painted(picture, ink, size));
    return icon;
}
