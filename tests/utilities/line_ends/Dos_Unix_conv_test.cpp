#include "utilities/line_ends/Dos_Unix_conv.h"

#include "core/shell/browser_rules.h"
#include "utilities/utilities_window_test.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTimer>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

class DosUnixConvTest : public UtilitiesWindowTest {
protected:
    Dos_Unix_conv& openWith(const QString& path) {
        Dos_Unix_conv& window = openFromMenu<Dos_Unix_conv>(MenuId::mnu_utiliti_dos_unix);
        platform.fileDialogs.openAnswers << path;
        click(window.Command4());
        return window;
    }
    [[nodiscard]] QString write(const QString& name, const QByteArray& bytes) const {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    [[nodiscard]] QByteArray read(const QString& name) const {
        QFile file(folder.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }
    QTemporaryDir folder;
};

TEST_F(DosUnixConvTest, ChoosesAFileAndWritesBothForms) {
    Dos_Unix_conv& window = openFromMenu<Dos_Unix_conv>(MenuId::mnu_utiliti_dos_unix);
    EXPECT_EQ(window.windowTitle(), u"Konverze UNIX <-> DOS"_s);
    EXPECT_FALSE(window.Command1()->isEnabled());
    EXPECT_FALSE(window.Command2()->isEnabled());
    EXPECT_TRUE(window.Text1()->isReadOnly());
    click(window.Command4());
    EXPECT_FALSE(window.Command1()->isEnabled());
    EXPECT_EQ(platform.fileDialogs.openRequests.at(0).request.filter, BrowserOpenFilter());

    const QString path = write(u"pokus.txt"_s, "a\r\nb\nc");
    EXPECT_EQ(&openWith(path), &window);
    EXPECT_EQ(window.Text1()->text(), path);
    click(window.Command1());
    // Converted under the busy display, whose progress bar ends full.
    using Busy = std::pair<QWidget*, bool>;
    EXPECT_EQ(platform.busyCursor.calls, (QList<Busy>{{&window, true}, {&window, false}}));
    EXPECT_EQ(form.Status()->value(), form.Status()->maximum());
    EXPECT_FALSE(form.Status()->isVisible());
    click(window.Command2());
    EXPECT_EQ(read(u"pokus.unx"_s), "a\nb\nc\n");
    EXPECT_EQ(read(u"pokus.dos"_s), "a\r\r\nb\r\nc\r\n");
    EXPECT_EQ(read(u"pokus.txt"_s), "a\r\nb\nc");
    EXPECT_TRUE(platform.messageBox.shown.isEmpty());
    click(window.Command3());
    EXPECT_FALSE(window.isVisible());
}

TEST_F(DosUnixConvTest, AsksBeforeReplacingAndReportsFailures) {
    (void)write(u"pokus.unx"_s, "stary");
    Dos_Unix_conv& window = openWith(write(u"pokus.txt"_s, "a\r\n"));
    platform.messageBox.queue(MessageBoxAnswer::No);
    click(window.Command1());
    EXPECT_EQ(read(u"pokus.unx"_s), "stary");
    platform.messageBox.queue(MessageBoxAnswer::Yes);
    click(window.Command1());
    EXPECT_EQ(read(u"pokus.unx"_s), "a\n");
    ASSERT_EQ(boxesShown().size(), 2);
    EXPECT_TRUE(boxesShown().at(0).contains(u"již existuje"_s));
    EXPECT_EQ(platform.messageBox.shown.at(0).request.defaultButton, 2);

    // The copy would be the chosen file itself.
    (void)openWith(write(u"hotovo.unx"_s, "x\r\n"));
    click(window.Command1());
    EXPECT_EQ(read(u"hotovo.unx"_s), "x\r\n");
    ASSERT_EQ(boxesShown().size(), 3);
    EXPECT_TRUE(boxesShown().at(2).contains(u"stejné jméno"_s));

    // The chosen file vanished before the conversion.
    (void)openWith(folder.filePath(u"smazany.txt"_s));
    click(window.Command2());
    EXPECT_EQ(read(u"smazany.dos"_s), "(none)");
    ASSERT_EQ(boxesShown().size(), 4);
    EXPECT_TRUE(boxesShown().at(3).contains(u"nelze přečíst"_s));
}

// The desktop session ends while a long file is converted: the conversion
// stops at once, asks nothing more and leaves the earlier copy alone.
TEST_F(DosUnixConvTest, TheProgramsEndStopsAConversionAndKeepsTheOldCopy) {
    (void)write(u"velky.unx"_s, "stary");
    Dos_Unix_conv& window =
        openWith(write(u"velky.txt"_s, QByteArray(3 * ConversionPieceSize, 'x')));
    QTimer::singleShot(0, &window, [] { EndTheProgram(); });
    platform.messageBox.queue(MessageBoxAnswer::Yes);
    window.Command1()->click();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{u"velky.txt"_s, u"velky.unx"_s}));
    EXPECT_EQ(read(u"velky.unx"_s), "stary");
    EXPECT_EQ(boxesShown().size(), 1) << "only the question before replacing";
}

} // namespace
