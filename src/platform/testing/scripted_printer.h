#pragma once

#include "platform/printing/printer.h"

#include <QList>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>

class QWidget;

// What one job sent to the recording printer.
struct PrintRecord {
    PrintFont font;
    int copies = 1;
    // The lines as printed; the last one is open until the next endLine.
    QStringList lines{QString()};
    bool ended = false;
};

// Answers the print dialog from a script and records every job. Each
// character of the recording job is as wide as the font's size, so widths
// in a test are counts of characters times the size.
class ScriptedPrinter : public PrinterService {
public:
    [[nodiscard]] std::unique_ptr<PrintJob> choosePrinter(QWidget* owner) override;

    // The user cancels the dialog.
    bool cancel = false;
    // Copies chosen in the dialog and the printable width of the recording job.
    int copies = 1;
    double printableWidth = 800;
    // The printer fails when the document ends.
    bool failAtEnd = false;
    // When set, makes the job instead of the recording one (a PDF printer, say).
    std::function<std::unique_ptr<PrintJob>()> makeJob;

    QList<QWidget*> dialogOwners;
    // A deque, so a job keeps its record while later ones are added.
    std::deque<PrintRecord> printed;
};
