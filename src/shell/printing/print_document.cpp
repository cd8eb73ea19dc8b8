#include "shell/printing/print_document.h"

#include "core/text/editor_surface.h"
#include "core/text/print_lines.h"
#include "core/text/program_error.h"
#include "platform/platform.h"
#include "shell/main_window/MainForm.h"
#include "shell/shared_procedures.h"

#include <QProgressBar>
#include <optional>

namespace {

// Sends the text to the job under the busy display; the printer's error, if any.
std::optional<ProgramError> printText(MainForm& form, PrintJob& job) {
    const BusyScope busy(&form, QStringLiteral("Tisknu ..."));
    const EditorSurface& surface = MainSurface();
    job.setFont(
        {surface.selFontName(), surface.selFontSize(), surface.selBold(), surface.selItalic()});
    QString text = surface.selText();
    if (text.isEmpty())
        text = surface.text();
    QProgressBar* progress = form.Status();
    progress->setRange(0, static_cast<int>(text.size()) + 1);
    const QList<PrintedLine> lines = PrintLines(
        text, [&job](const QString& part) { return job.textWidth(part); }, job.printableWidth());
    try {
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                job.endLine();
            job.print(lines.at(i).text);
            progress->setValue(static_cast<int>(lines.at(i).done) + 1);
        }
        job.endDocument();
    } catch (const ProgramError& error) {
        return error;
    }
    return std::nullopt;
}

} // namespace

void PrintDocument() {
    MainForm* form = MainForm::instance();
    const std::unique_ptr<PrintJob> job = Platform().printer->choosePrinter(form);
    if (!job)
        return;
    // Told once the busy display is gone, so the box is not under the hourglass.
    if (const std::optional<ProgramError> error = printText(*form, *job))
        ReportError(*error);
}
