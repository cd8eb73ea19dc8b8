#pragma once

#include "platform/printing/printer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QList>
#include <memory>

class QPrinter;

// A print job on a Qt printer. The lines are kept until the document ends
// and then painted page by page, once for each copy when the printer cannot
// make copies itself.
class QtPrintJob : public PrintJob {
public:
    explicit QtPrintJob(std::unique_ptr<QPrinter> printer);
    ~QtPrintJob() override;

    void setFont(const PrintFont& font) override;
    [[nodiscard]] int copies() const override;
    [[nodiscard]] double currentX() const override;
    [[nodiscard]] double printableWidth() const override;
    [[nodiscard]] double textWidth(const QString& text) const override;
    void print(const QString& text) override;
    void endLine() override;
    void endDocument() override;

private:
    struct Piece {
        QFont font;
        QString text;
    };
    using Line = QList<Piece>;

    // False when the printer refused a new page.
    bool paintAll(class QPainter& painter);

    std::unique_ptr<QPrinter> m_printer;
    QFont m_font;
    // Of m_font on the printer: measuring runs once for every word printed.
    QFontMetricsF m_metrics;
    QList<Line> m_lines{Line()};
    double m_x = 0;
};
