// Printing from the file menu and the toolbar: what reaches the printer the
// user chose, and a real PDF printer's pages.
#include "platform/printing/QtPrintJob.h"
#include "platform/surface/RichEditSurface.h"
#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/command_registry.h"
#include "shell/main_form_test.h"
#include "shell/main_window/DocumentTabs.h"
#include "shell/main_window/MainForm.h"
#include "shell/main_window/MainMenu.h"
#include "shell/main_window/Toolbar.h"
#include "shell/printing/print_document.h"
#include "shell/shell_commands.h"

#include <QAction>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QProgressBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class Printing : public MainFormTest {
protected:
    void select(const QString& part) {
        surface().setSelStart(static_cast<int>(surface().text().indexOf(part)));
        surface().setSelLength(static_cast<int>(part.size()));
    }
    // A limit of 20 characters of the caret's font on the recording printer.
    void twentyCharactersWide() {
        platform.printer.printableWidth = (20 + 8) * surface().selFontSize();
    }
};

TEST_F(Printing, TheSelectionIsPrintedWrappedInTheCaretsFontUnderTheBusyMessage) {
    surface().setText(u"před\r\nalpha beta gamma delta epsilon\r\nkonec\r\npo"_s);
    select(u"alpha beta gamma delta epsilon\r\nkonec"_s);
    twentyCharactersWide();
    platform.printer.copies = 3;
    form.menu().action(MenuId::mnuprint)->trigger();

    ASSERT_EQ(platform.printer.printed.size(), 1u);
    const PrintRecord& job = platform.printer.printed.front();
    EXPECT_EQ(job.lines, (QStringList{u" alpha beta gamma"_s, u" delta epsilon"_s, u" konec"_s}));
    EXPECT_TRUE(job.ended);
    EXPECT_EQ(job.copies, 3);
    EXPECT_EQ(job.font, (PrintFont{surface().selFontName(), surface().selFontSize(),
                                   surface().selBold(), surface().selItalic()}));
    EXPECT_EQ(platform.printer.dialogOwners, QList<QWidget*>{&form});
    EXPECT_EQ(form.panel(4)->text(), u"Tisknu ..."_s);
    const QList<std::pair<QWidget*, bool>> busy = {{&form, true}, {&form, false}};
    EXPECT_EQ(platform.busyCursor.calls, busy);
    EXPECT_EQ(form.Status()->maximum(), 37 + 1);
    EXPECT_EQ(form.Status()->value(), form.Status()->maximum());
    EXPECT_TRUE(form.Status()->isHidden());
}

TEST_F(Printing, WithoutASelectionTheToolbarButtonPrintsTheWholeText) {
    surface().setText(u"jedna\r\ndvě"_s);
    surface().setSelStart(2);
    form.Toolbar1()->button(u"Print"_s)->trigger();
    ASSERT_EQ(platform.printer.printed.size(), 1u);
    EXPECT_EQ(platform.printer.printed.front().lines, (QStringList{u" jedna"_s, u" dvě"_s}));
}

TEST_F(Printing, AnEmptyDocumentEndsAnEmptyJob) {
    PrintDocument();
    ASSERT_EQ(platform.printer.printed.size(), 1u);
    EXPECT_EQ(platform.printer.printed.front().lines, QStringList{QString()});
    EXPECT_TRUE(platform.printer.printed.front().ended);
}

TEST_F(Printing, CancellingTheDialogPrintsAndShowsNothing) {
    surface().setText(u"text"_s);
    platform.printer.cancel = true;
    PrintDocument();
    EXPECT_TRUE(platform.printer.printed.empty());
    EXPECT_TRUE(platform.busyCursor.calls.isEmpty());
    EXPECT_TRUE(platform.messageBox.shown.isEmpty());
}

TEST_F(Printing, APrinterErrorIsReportedAfterTheBusyStateEnds) {
    surface().setText(u"text"_s);
    platform.printer.failAtEnd = true;
    PrintDocument();
    ASSERT_EQ(platform.messageBox.shown.size(), 1);
    EXPECT_EQ(platform.messageBox.shown.front().request.title, u"Chyba"_s);
    EXPECT_TRUE(platform.messageBox.shown.front().request.text.contains(u"Tiskárna neodpovídá"_s));
    ASSERT_EQ(platform.busyCursor.calls.size(), 2);
    EXPECT_FALSE(platform.busyCursor.calls.last().second);
    EXPECT_TRUE(form.Status()->isHidden());
}

// The text of a PDF file by pages, each line without its outer blanks.
QStringList pdfLines(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(u"pdftotext"_s, {path, u"-"_s});
    if (!pdftotext.waitForFinished() || pdftotext.exitCode() != 0)
        return {u"pdftotext failed"_s};
    QStringList lines;
    for (const QString& line : QString::fromUtf8(pdftotext.readAllStandardOutput()).split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty())
            lines.append(trimmed);
    }
    return lines;
}

TEST_F(Printing, APdfPrinterGetsTheWrappedLinesOfTheSelectionForEachCopy) {
    if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const QString pdf = folder.filePath(u"tisk.pdf"_s);
    auto owned = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrinter* printer = owned.get();
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(pdf);
    printer->setCopyCount(2);
    auto job = std::make_unique<QtPrintJob>(std::move(owned));
    job->setFont({surface().selFontName(), surface().selFontSize(), false, false});
    // A page of 43.5 characters: 35.5 left of the margin of eight Z.
    const double width = 43.5 * job->textWidth(u"x"_s) / printer->resolution() * 25.4;
    printer->setPageMargins(QMarginsF(), QPageLayout::Millimeter);
    printer->setPageSize(QPageSize(QSizeF(width, 150), QPageSize::Millimeter));
    platform.printer.makeJob = [&job] { return std::move(job); };

    const QString x80(80, u'x');
    surface().setText(u"before\r\naaaaaaaaa bbbbbbbbb ccccccccc ddddddddd eeeeeeeee\r\n"_s + x80 +
                      u" konec\r\nafter"_s);
    select(u"aaaaaaaaa bbbbbbbbb ccccccccc ddddddddd eeeeeeeee\r\n"_s + x80 + u" konec"_s);
    PrintDocument();

    EXPECT_TRUE(platform.messageBox.shown.isEmpty());
    const QStringList copy = {u"aaaaaaaaa bbbbbbbbb ccccccccc"_s, u"ddddddddd eeeeeeeee"_s,
                              QString(35, u'x'), QString(35, u'x'), u"xxxxxxxxxx konec"_s};
    EXPECT_EQ(pdfLines(pdf), copy + copy);
}

} // namespace
