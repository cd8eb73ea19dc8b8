#include "platform/printing/printer.h"

#include "platform/printing/QtPrintJob.h"

#include <QPrintDialog>
#include <QPrinter>

std::unique_ptr<PrintJob> QtPrinterService::choosePrinter(QWidget* owner) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer.get(), owner);
    dialog.setMinMax(1, 1);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return std::make_unique<QtPrintJob>(std::move(printer));
}
