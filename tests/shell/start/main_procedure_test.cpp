#include "shell/start/main_procedure.h"

#include "core/files/file_io.h"
#include "core/settings/app_version.h"
#include "core/settings/random_settings_files.h"
#include "core/settings/settings_file.h"
#include "core/text/ansi_code_page.h"
#include "platform/surface/RichEditSurface.h"
#include "platform/surface/surface_contract.h"
#include "platform/testing/modal_driver.h"
#include "platform/testing/test_platform.h"
#include "platform/twips.h"
#include "shell/ProgramState.h"
#include "shell/browser/frmBrowser.h"
#include "shell/dialogs/Visual.h"
#include "shell/files/exit_autosave.h"
#include "shell/main_window/MainForm.h"
#include "shell/main_window/editor_look.h"
#include "shell/start/Start.h"
#include "shell/start/settings_saving.h"
#include "shell/window_instances.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

class StartupTest : public ::testing::Test {
protected:
    StartupTest() {
        Program() = ProgramState{};
        appFolder = folder.path() + u"/"_s;
    }
    ~StartupTest() override { delete MainForm::instance(); }

    void writeSettings(const SettingsRecord& settings = currentSettings()) {
        writeFile(u"tarvel.ini"_s, EncodeSettings(settings));
    }
    void writeFile(const QString& name, const QByteArray& bytes) {
        QFile file(appFolder + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    [[nodiscard]] static SettingsRecord currentSettings() {
        return FirstRunSettings(9000, 6000, AppVersionText());
    }
    // Settings of this version with the main window's place, in twips, and state.
    [[nodiscard]] static SettingsRecord placedAt(QRect place, qint32 state = 0) {
        SettingsRecord settings = currentSettings();
        settings.WindowLeft = place.x();
        settings.WindowTop = place.y();
        settings.WindowWidth = place.width();
        settings.WindowHeight = place.height();
        settings.MainWindowState = state;
        return settings;
    }
    [[nodiscard]] static QRect placeOf(const SettingsRecord& s) {
        return {s.WindowLeft, s.WindowTop, s.WindowWidth, s.WindowHeight};
    }
    [[nodiscard]] int noticesShown() const {
        int count = 0;
        for (const auto& box : platform.messageBox.shown)
            count += box.request.text.startsWith(u"Od posledního spuštění") ? 1 : 0;
        return count;
    }
    EditorSurface& surface() { return MainForm::instance()->surface(); }
    // The look of the selection, or of the text typed next at the caret.
    Look lookHere() {
        return {surface().selColor(), surface().selFontName(), surface().selFontSize(),
                surface().selBold(), surface().selItalic()};
    }
    [[nodiscard]] static QString caption() { return MainForm::instance()->windowTitle(); }
    // Starts from the settings file as it stands and tells whether the main
    // window came up whole on the free part of the screen.
    [[nodiscard]] ::testing::AssertionResult startsWithTheWindowOnTheScreen() {
        Program() = ProgramState{};
        Main(appFolder, u"-NOMSG"_s);
        MainForm* form = MainForm::instance();
        if (!QTest::qWaitForWindowExposed(form))
            return ::testing::AssertionFailure() << "the window is not shown";
        const QRect frame = form->frameGeometry();
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        delete form;
        if (!screen.contains(frame))
            return ::testing::AssertionFailure()
                   << "window " << frame.x() << "," << frame.y() << " " << frame.width() << "x"
                   << frame.height() << " is not within the screen";
        return ::testing::AssertionSuccess();
    }
    [[nodiscard]] static QByteArray linesOfSize(int size) {
        QByteArray bytes = QByteArray("Lorem ipsum dolor sit amet.\r\n").repeated(size / 29 + 1);
        bytes.truncate(size);
        return bytes;
    }

    QTemporaryDir folder;
    QString appFolder;
    TestPlatform platform;
};

TEST_F(StartupTest, FirstRunRunsTheWizardWritesTheSettingsAndShowsNoNotice) {
    WhenModalShown<Visual>([](Visual* wizard) {
        EXPECT_FALSE(wizard->TabStrip1()->isEnabled());
        wizard->Text1()->setText(u"Jana Nováková"_s);
        wizard->Text2()->setText(u"jana@example.cz"_s);
        QTest::mouseClick(wizard->Command16(), Qt::LeftButton);
    });
    Main(appFolder, u"-NOMSG"_s);

    EXPECT_TRUE(QFile::exists(appFolder + u"tarvel.ini"_s));
    EXPECT_TRUE(QFile::exists(appFolder + u"default.rqc"_s));
    EXPECT_EQ(Program().Settings.UserName, u"Jana Nováková"_s);
    EXPECT_EQ(Program().Settings.SavedVersion, AppVersionText());
    EXPECT_EQ(noticesShown(), 0);
    EXPECT_TRUE(MainForm::instance()->isVisible());
}

TEST_F(StartupTest, ChangedVersionShowsTheNoticeOnceAndRemembersTheNewVersion) {
    SettingsRecord old = currentSettings();
    old.SavedVersion = u"0.9.1b CZ"_s;
    old.SavedAt = u"01-02-2026 03:04:05"_s;
    writeSettings(old);
    Main(appFolder, u"-NOMSG"_s);
    ASSERT_EQ(noticesShown(), 1);
    EXPECT_EQ(Program().Settings.SavedVersion, AppVersionText());

    MainForm::instance()->close();
    delete MainForm::instance();
    Main(appFolder, u"-NOMSG"_s);
    EXPECT_EQ(noticesShown(), 1);
}

TEST_F(StartupTest, StoredValuesOutOfPlaceComeUpSane) {
    SettingsRecord settings = currentSettings();
    settings.EditorTextColor = RgbColor(200, 0, 0);
    settings.EditorBackColor = RgbColor(200, 0, 0);
    settings.MainWindowState = 5;
    writeSettings(settings);
    Main(appFolder, u"-NOMSG"_s);

    EXPECT_EQ(Program().Settings.EditorTextColor, RgbColor(0, 0, 0));
    EXPECT_EQ(Program().Settings.EditorBackColor, RgbColor(255, 255, 255));
    EXPECT_EQ(surface().backColor(), RgbColor(255, 255, 255));
    EXPECT_EQ(Program().Settings.MainWindowState, 0);
    EXPECT_FALSE(MainForm::instance()->isMaximized() || MainForm::instance()->isMinimized());
}

// A damaged file or one from a larger screen once made a window too big to
// paint; every value out of range comes up usable.
TEST_F(StartupTest, EachValueOutOfRangeStartsWithTheWindowOnTheScreen) {
    constexpr qint32 huge = 1 << 30;
    constexpr qint32 most = std::numeric_limits<qint32>::max();
    constexpr qint32 least = std::numeric_limits<qint32>::min();
    using R = SettingsRecord;
    const struct {
        const char* name;
        qint32 R::*field;
        std::vector<qint32> values;
    } cases[] = {
        {"WindowWidth", &R::WindowWidth, {huge, most, 0, -9000, least}},
        {"WindowHeight", &R::WindowHeight, {huge, 0, -1}},
        {"WindowLeft", &R::WindowLeft, {huge, most, -huge, least}},
        {"WindowTop", &R::WindowTop, {huge, -9000}},
        {"EditorTextColor", &R::EditorTextColor, {-1, huge}},
        {"EditorBackColor", &R::EditorBackColor, {least}},
        {"SnapDistance", &R::SnapDistance, {most, -1}},
        {"MainWindowState", &R::MainWindowState, {huge, -1}},
        {"AutosaveMinutes", &R::AutosaveMinutes, {most, 0, -5}},
        {"AutosaveMode", &R::AutosaveMode, {least, 7}},
    };
    for (const auto& c : cases) {
        for (const qint32 value : c.values) {
            SettingsRecord settings = currentSettings();
            settings.*c.field = value;
            writeSettings(settings);
            EXPECT_TRUE(startsWithTheWindowOnTheScreen()) << c.name << " " << value;
        }
    }
    for (const quint8 size : {0, 255}) {
        SettingsRecord settings = currentSettings();
        settings.EditorFontSize = size;
        writeSettings(settings);
        EXPECT_TRUE(startsWithTheWindowOnTheScreen()) << "EditorFontSize " << int(size);
    }
}

TEST_F(StartupTest, AnySettingsFileStartsWithTheWindowOnTheScreen) {
    RandomSettingsFiles files(20260106);
    for (int drawn = 0; drawn < 40; ++drawn) {
        const QByteArray bytes = files.next();
        writeFile(u"tarvel.ini"_s, bytes);
        ASSERT_TRUE(startsWithTheWindowOnTheScreen()) << "file " << bytes.toHex().toStdString();
    }
}

// The window's frame goes where it was: a saved position read back at the
// next start is the same position, start after start, also for a maximised
// window's normal place.
TEST_F(StartupTest, TheWindowComesBackWhereItWasStartAfterStart) {
    for (const qint32 state : {0, 2}) {
        writeSettings(placedAt({1500, 1200, 7500, 6000}, state));
        for (int start = 1; start <= 3; ++start) {
            Main(appFolder, u"-NOMSG"_s);
            ASSERT_TRUE(QTest::qWaitForWindowExposed(MainForm::instance()));
            SaveSettings();
            EXPECT_EQ(placeOf(Program().Settings), QRect(1500, 1200, 7500, 6000))
                << "state " << state << ", start " << start;
            if (state == 0) {
                EXPECT_EQ(MainForm::instance()->frameGeometry().topLeft(), QPoint(100, 80));
            }
            MainForm::instance()->close();
            delete MainForm::instance();
        }
    }

    // Behind the start screen the window is never shown, and stays put too.
    writeSettings(placedAt({1500, 1200, 9000, 6000}));
    Main(appFolder, QString());
    ASSERT_FALSE(MainForm::instance()->isVisible());
    SaveSettings();
    EXPECT_EQ(placeOf(Program().Settings), QRect(1500, 1200, 9000, 6000));
}

// Under a window manager that frames the window, with a panel over the
// bottom of the screen, the window comes back as the user left it start
// after start: its frame where it stood, its inside as large, also where the
// snapping or the placement picker sized it to the whole screen.
TEST_F(StartupTest, TheWindowComesBackAsLeftUnderAFramingWindowManager) {
    platform.frames.frameOnAPanelledScreen();
    const struct {
        const char* name;
        QRect left; // the frame's corner and the inside's size
        qint32 state;
    } cases[] = {
        {"in the middle", {300, 200, 400, 250}, 0},
        {"full height over the panel", {0, 0, 392, 572}, 0},
        {"the whole screen", {0, 0, 792, 572}, 0},
        {"maximised, at its normal place", {100, 80, 500, 300}, 2},
    };
    for (const auto& c : cases) {
        const QRect place(c.left.topLeft() * TwipsPerPixel, c.left.size() * TwipsPerPixel);
        writeSettings(placedAt(place, c.state));
        for (int start = 1; start <= 3; ++start) {
            SCOPED_TRACE(std::string(c.name) + ", start " + std::to_string(start));
            Main(appFolder, u"-NOMSG"_s);
            MainForm& form = *MainForm::instance();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
            if (c.state == 0) {
                EXPECT_EQ(platform.frames.frameOf(form), c.left.adjusted(0, 0, 8, 28));
            }
            SaveSettings();
            EXPECT_EQ(placeOf(Program().Settings), place);
            form.close();
            delete &form;
        }
    }
}

// One that cannot be read (here a link to itself) starts its tab empty
// without a word and stays as it is.
TEST_F(StartupTest, AutosaveFilesUpToTheLimitAreRestoredALargerOneIsKeptAside) {
    writeSettings();
    writeFile(u"autosave_tarvel_qor1.txt"_s, linesOfSize(1442401));
    writeFile(u"autosave_tarvel_qor2.txt"_s, linesOfSize(1442402));
    writeFile(u"autosave_tarvel_qor3.txt"_s, QByteArray("tři\r\n"));
    const QString unreadable = ExitAutosavePath(appFolder, 4);
    ASSERT_TRUE(QFile::link(unreadable, unreadable));
    Main(appFolder, u"-NOMSG"_s);

    const QString keptAside = ExitAutosavePath(appFolder, 2) + u".bak"_s;
    EXPECT_EQ(surface().textLength(), 1442401);
    EXPECT_EQ(Program().Documents[1].Text, QString());
    EXPECT_EQ(Program().Documents[2].Text, DecodeAnsi("tři\r\n"));
    EXPECT_FALSE(QFile::exists(ExitAutosavePath(appFolder, 2)));
    EXPECT_EQ(QFile(keptAside).size(), 1442402);
    EXPECT_EQ(QFileInfo(unreadable).symLinkTarget(), unreadable);
    ASSERT_EQ(platform.messageBox.shown.size(), 1);
    EXPECT_TRUE(platform.messageBox.shown.front().request.text.contains(keptAside));
}

// A text too long for a document is left on the clipboard without a word:
// the exit autosave would write it, and every start set it aside again.
TEST_F(StartupTest, ClipboardTextUpToADocumentFillsAnEmptyFirstTabUnmodified) {
    writeSettings();
    for (const QString& clipboard : {u"ze schránky"_s, QString::fromLatin1(linesOfSize(1442401)),
                                     QString::fromLatin1(linesOfSize(1442402))}) {
        SCOPED_TRACE(clipboard.size());
        platform.clipboard.setText(clipboard);
        Main(appFolder, u"-NOMSG"_s);
        EXPECT_EQ(surface().text(), clipboard.size() <= 1442401 ? clipboard : QString());
        EXPECT_EQ(caption(), u"Tarvel Qor ()"_s);
        EXPECT_FALSE(Program().Documents[0].Modified);
        EXPECT_TRUE(platform.messageBox.shown.isEmpty());
        delete MainForm::instance();
        Program() = ProgramState{};
    }
}

TEST_F(StartupTest, AFilePathOnTheCommandLineIsOpenedWithoutItTheEditorWaits) {
    writeSettings();
    Main(appFolder, QString());
    EXPECT_FALSE(MainForm::instance()->isVisible());
    delete MainForm::instance();

    writeFile(u"dopis.txt"_s, QByteArray("Vážení\r\n"));
    const QString path = appFolder + u"dopis.txt"_s;
    Main(appFolder, path);
    EXPECT_EQ(surface().text(), DecodeAnsi("Vážení\r\n"));
    EXPECT_EQ(caption(), u"Tarvel Qor (%1)"_s.arg(path));
    EXPECT_EQ(Program().Settings.RecentFiles.front(), path);
}

// A path given from the folder the program was started in names the same
// file later, from anywhere.
TEST_F(StartupTest, ARelativePathOnTheCommandLineBecomesAbsolute) {
    writeSettings();
    ASSERT_TRUE(QDir().mkdir(appFolder + u"texty"_s));
    writeFile(u"texty/dopis.txt"_s, QByteArray("Vážení\r\n"));
    const QString startFolder = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(appFolder));
    Main(appFolder, u"./texty/dopis.txt"_s);
    QDir::setCurrent(startFolder);

    const QString path = QDir(appFolder).canonicalPath() + u"/texty/dopis.txt"_s;
    EXPECT_EQ(surface().text(), DecodeAnsi("Vážení\r\n"));
    EXPECT_EQ(caption(), u"Tarvel Qor (%1)"_s.arg(path));
    EXPECT_EQ(Program().CurrentFilePath, path);
    EXPECT_EQ(Program().Settings.RecentFiles.front(), path);
    EXPECT_EQ(MainForm::instance()->FileTab()->tabText(0), u"dopis.txt"_s);
}

// Another copy started in the same folder writes the rules and the settings
// at its exit while this one runs; this copy's exit keeps what it did not
// change as the other wrote it.
TEST_F(StartupTest, RulesAndSettingsAnotherCopyWroteStayUnlessThisCopyChangedThemSince) {
    ColorRuleSet others;
    others.Rules << ColorRule{RgbColor(255, 0, 0), u"<b>"_s, u"</b>"_s};
    SettingsRecord othersSettings = currentSettings();
    othersSettings.RecentFiles[0] = u"/home/jana/dopis.txt"_s;
    const QString keptAside = appFolder + u"default.bak.rqc"_s;
    for (const bool thisCopyChanges : {false, true}) {
        SCOPED_TRACE(thisCopyChanges ? "both changed them" : "only the other changed them");
        Program() = ProgramState{};
        writeSettings();
        QFile::remove(appFolder + u"default.rqc"_s);
        Main(appFolder, u"-NOMSG"_s);
        writeSettings(othersSettings);
        writeFile(u"default.rqc"_s, EncodeColorRuleSet(others));
        ColorRuleSet mine = Program().ColorRules;
        if (thisCopyChanges) {
            mine.Rules << ColorRule{RgbColor(0, 0, 255), u"<i>"_s, u"</i>"_s};
            Program().ColorRules = mine;
            SetEditorFontSize(17);
        }
        platform.messageBox.queue(MessageBoxAnswer::Yes);
        ASSERT_TRUE(MainForm::instance()->close());
        delete MainForm::instance();

        EXPECT_EQ(ReadWholeFile(appFolder + u"default.rqc"_s), EncodeColorRuleSet(others));
        EXPECT_EQ(QFile::exists(keptAside) ? ReadWholeFile(keptAside) : QByteArray(),
                  thisCopyChanges ? EncodeColorRuleSet(mine) : QByteArray());
        const SettingsRecord saved = DecodeSettings(ReadWholeFile(appFolder + u"tarvel.ini"_s), {});
        EXPECT_EQ(saved.EditorFontSize, thisCopyChanges ? 17 : othersSettings.EditorFontSize);
        EXPECT_EQ(saved.RecentFiles[0],
                  thisCopyChanges ? QString() : othersSettings.RecentFiles[0]);
    }
}

// What the settings keep is the look last given to the whole text, whatever
// the caret stands on, and the size shows on the text restored at the next start.
TEST_F(StartupTest, TheEditorLookAndSizeComeBackAfterARestart) {
    const ColorValue blue = RgbColor(0, 0, 255);
    const ColorValue grey = RgbColor(194, 194, 194);
    const struct {
        const char* name;
        QByteArray restored;
        std::function<void()> use;
        Look expected;
        ColorValue back;
    } cases[] = {
        {"an empty tab",
         {},
         [] {},
         {blue, u"Arial CE"_s, 14, true, false},
         RgbColor(255, 255, 255)},
        {"a highlighted tag at the caret",
         "<b>x</b>\r\ny",
         [this] {
             surface().setColorRuns({{0, 3, RgbColor(255, 0, 0)}});
             surface().setSelStart(1);
         },
         {blue, u"Arial CE"_s, 14, true, false},
         RgbColor(255, 255, 255)},
        {"the DOS look",
         "text",
         [] { ApplyDosLook(); },
         {grey, u"Courier New CE"_s, 8, false, false},
         RgbColor(0, 0, 0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Program() = ProgramState{};
        SettingsRecord settings = currentSettings();
        settings.EditorTextColor = blue;
        settings.EditorBold = true;
        settings.EditorFontName = u"Arial CE"_s;
        settings.EditorFontSize = 14;
        writeSettings(settings);
        writeFile(u"autosave_tarvel_qor1.txt"_s, c.restored);
        Main(appFolder, u"-NOMSG"_s);
        c.use();
        platform.messageBox.queue(MessageBoxAnswer::Yes);
        ASSERT_TRUE(MainForm::instance()->close());
        delete MainForm::instance();

        Program() = ProgramState{};
        Main(appFolder, u"-NOMSG"_s);
        EXPECT_EQ(surface().backColor(), c.back);
        EXPECT_EQ(Program().Settings.EditorFontSize, c.expected.size);
        for (const int position : {0, 1, 4}) {
            surface().setSelStart(position);
            surface().setSelLength(surface().textLength() > position ? 1 : 0);
            EXPECT_EQ(lookHere(), c.expected) << "position " << position;
        }
        delete MainForm::instance();
    }
}

TEST_F(StartupTest, BrowserOptionRunsTheBrowserAloneAndNoToTheEndKeepsItRunning) {
    writeSettings();
    int ended = 0;
    Program().EndProgram = [&ended] { ++ended; };
    Main(appFolder, u"-Browser"_s);
    EXPECT_EQ(Program().StartMode, u"B"_s);
    frmBrowser* browser = LoadedWindowIfAny<frmBrowser>();
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(browser->isVisible());
    EXPECT_FALSE(MainForm::instance()->isVisible());
    EXPECT_FALSE(LoadedWindow<Start>().isVisible());
    EXPECT_EQ(browser->button(u"Close"_s)->toolTip(), u"Ukončit program"_s);

    platform.messageBox.queue(MessageBoxAnswer::No);
    browser->close();
    EXPECT_TRUE(browser->isVisible());
    EXPECT_EQ(ended, 0);
    ASSERT_EQ(platform.messageBox.shown.size(), 1);
    EXPECT_EQ(platform.messageBox.shown.front().request.text,
              u"OPRAVDU UKONČIT Browser (Tarvel Qor) ?"_s);
}

TEST(StartCommand, OptionsAreWholeWordsInAnyCase) {
    const std::vector<std::pair<QString, StartCommand>> cases{
        {QString(), StartCommand::None},        {u"-calc"_s, StartCommand::Calculator},
        {u"-CaLc"_s, StartCommand::Calculator}, {u"-CALC x"_s, StartCommand::OpenFile},
        {u"-NOMSG"_s, StartCommand::NoMessage}, {u"-nomsg"_s, StartCommand::NoMessage},
        {u"-browser"_s, StartCommand::Browser}, {u"\"/tmp/a b.txt\""_s, StartCommand::OpenFile},
    };
    for (const auto& [arguments, command] : cases)
        EXPECT_EQ(ParseStartCommand(arguments), command) << arguments.toStdString();
}

} // namespace
