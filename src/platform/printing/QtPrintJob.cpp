#include "platform/printing/QtPrintJob.h"

#include "core/text/program_error.h"
#include "platform/font_fallback.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <cmath>

namespace {

// The classic number of a device that failed.
constexpr int DeviceErrorNumber = 57;

ProgramError printerError(const QString& description) {
    return ProgramError(DeviceErrorNumber, description, QStringLiteral("Printer"));
}

// A font the machine lacks prints in a fixed-pitch one, as the editor shows it.
QFont fontFor(const PrintFont& wanted) {
    QFont font(wanted.name);
    font.setStyleHint(QFont::TypeWriter);
    font.setFamilies(FontFamiliesFor(wanted.name));
    if (wanted.size > 0)
        font.setPointSizeF(wanted.size);
    font.setBold(wanted.bold);
    font.setItalic(wanted.italic);
    return font;
}

} // namespace

QtPrintJob::QtPrintJob(std::unique_ptr<QPrinter> printer)
    : m_printer(std::move(printer)), m_metrics(m_font, m_printer.get()) {}

QtPrintJob::~QtPrintJob() = default;

void QtPrintJob::setFont(const PrintFont& font) {
    m_font = fontFor(font);
    m_metrics = QFontMetricsF(m_font, m_printer.get());
}

int QtPrintJob::copies() const {
    return m_printer->copyCount();
}

double QtPrintJob::currentX() const {
    return m_x;
}

double QtPrintJob::printableWidth() const {
    return m_printer->pageLayout().paintRectPixels(m_printer->resolution()).width();
}

double QtPrintJob::textWidth(const QString& text) const {
    return m_metrics.horizontalAdvance(text);
}

void QtPrintJob::print(const QString& text) {
    m_lines.last().append({m_font, text});
    m_x += textWidth(text);
}

void QtPrintJob::endLine() {
    m_lines.append(Line());
    m_x = 0;
}

void QtPrintJob::endDocument() {
    QPainter painter;
    if (!painter.begin(m_printer.get()))
        throw printerError(m_printer->printerName().isEmpty()
                               ? QStringLiteral("Není vybrána žádná tiskárna.")
                               : QStringLiteral("Tiskárnu nelze otevřít: ") +
                                     m_printer->printerName());
    // A printer that makes the copies itself is given the pages once.
    const int rounds = m_printer->supportsMultipleCopies() ? 1 : std::max(1, copies());
    bool pagesSent = true;
    for (int round = 0; round < rounds && pagesSent; ++round) {
        if (round > 0)
            pagesSent = m_printer->newPage();
        if (pagesSent)
            pagesSent = paintAll(painter);
    }
    const bool ended = painter.end();
    if (!pagesSent || !ended || m_printer->printerState() == QPrinter::Error)
        throw printerError(QStringLiteral("Tisk se nezdařil: ") + m_printer->printerName());
}

bool QtPrintJob::paintAll(QPainter& painter) {
    const double bottom = m_printer->pageLayout().paintRectPixels(m_printer->resolution()).height();
    double y = 0;
    for (const Line& line : m_lines) {
        double height = m_metrics.lineSpacing();
        for (const Piece& piece : line)
            height = std::max(height, QFontMetricsF(piece.font, m_printer.get()).lineSpacing());
        if (y > 0 && y + height > bottom) {
            if (!m_printer->newPage())
                return false;
            y = 0;
        }
        double x = 0;
        for (const Piece& piece : line) {
            painter.setFont(piece.font);
            const QFontMetricsF metrics(piece.font, m_printer.get());
            painter.drawText(QPointF(x, y + metrics.ascent()), piece.text);
            x += metrics.horizontalAdvance(piece.text);
        }
        y += height;
    }
    return true;
}
