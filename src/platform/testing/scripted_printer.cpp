#include "platform/testing/scripted_printer.h"

#include "core/text/program_error.h"

#include <algorithm>

namespace {

class RecordingPrintJob : public PrintJob {
public:
    RecordingPrintJob(PrintRecord& record, double printableWidth, bool failAtEnd)
        : m_record(record), m_printableWidth(printableWidth), m_failAtEnd(failAtEnd) {}

    void setFont(const PrintFont& font) override { m_record.font = font; }
    [[nodiscard]] int copies() const override { return m_record.copies; }
    [[nodiscard]] double currentX() const override { return textWidth(m_record.lines.last()); }
    [[nodiscard]] double printableWidth() const override { return m_printableWidth; }
    [[nodiscard]] double textWidth(const QString& text) const override {
        return static_cast<double>(text.size()) * std::max(1.0, m_record.font.size);
    }
    void print(const QString& text) override { m_record.lines.last() += text; }
    void endLine() override { m_record.lines.append(QString()); }
    void endDocument() override {
        if (m_failAtEnd)
            throw ProgramError(57, QStringLiteral("Tiskárna neodpovídá"),
                               QStringLiteral("Printer"));
        m_record.ended = true;
    }

private:
    PrintRecord& m_record;
    double m_printableWidth;
    bool m_failAtEnd;
};

} // namespace

std::unique_ptr<PrintJob> ScriptedPrinter::choosePrinter(QWidget* owner) {
    dialogOwners.append(owner);
    if (cancel)
        return nullptr;
    if (makeJob)
        return makeJob();
    PrintRecord record;
    record.copies = copies;
    printed.push_back(record);
    return std::make_unique<RecordingPrintJob>(printed.back(), printableWidth, failAtEnd);
}
