#pragma once

#include <QString>
#include <memory>

class QWidget;

struct PrintFont {
    QString name;
    double size = 0; // points
    bool bold = false;
    bool italic = false;

    friend bool operator==(const PrintFont&, const PrintFont&) = default;
};

// A print job on the printer the user chose: the printing surface text is
// sent to, one line at a time. Widths and positions are in the job's own
// units; only comparisons between them mean anything.
class PrintJob {
public:
    virtual ~PrintJob() = default;

    // The font of the text printed from now on.
    virtual void setFont(const PrintFont& font) = 0;
    // The copies the user asked for in the print dialog.
    [[nodiscard]] virtual int copies() const = 0;
    // Where the next text printed on the current line starts.
    [[nodiscard]] virtual double currentX() const = 0;
    [[nodiscard]] virtual double printableWidth() const = 0;
    [[nodiscard]] virtual double textWidth(const QString& text) const = 0;
    // Prints text on the current line without ending it.
    virtual void print(const QString& text) = 0;
    virtual void endLine() = 0;
    // Sends the pages, each copy of them, to the printer; a new page starts
    // where the lines run past the bottom of one. Throws ProgramError when
    // the printer fails.
    virtual void endDocument() = 0;
};

// The system's print dialog and printers.
class PrinterService {
public:
    virtual ~PrinterService() = default;
    // Shows the print dialog (one page in its range, no printing to a file);
    // the job on the printer chosen there, or nullptr when cancelled.
    [[nodiscard]] virtual std::unique_ptr<PrintJob> choosePrinter(QWidget* owner) = 0;
};

class QtPrinterService : public PrinterService {
public:
    [[nodiscard]] std::unique_ptr<PrintJob> choosePrinter(QWidget* owner) override;
};
