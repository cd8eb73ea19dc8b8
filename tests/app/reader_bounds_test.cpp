// The readers of the rule-set and settings files, given files of every size
// and kind: none reads more than the longest file its format holds, each
// answers at once with a message or passes by in silence, and nothing the
// user had is lost, neither in the program nor on disk after the exit.
#include "colour/ColorControl.h"
#include "core/colour/colour_rule_set.h"
#include "core/files/special_files.h"
#include "core/settings/app_version.h"
#include "core/settings/settings_file.h"
#include "platform/testing/modal_driver.h"
#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/dialogs/Visual.h"
#include "shell/main_window/MainForm.h"
#include "shell/start/main_procedure.h"
#include "shell/window_instances.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

enum class Reader { EditorLoad, DefaultAtStart, SettingsAtStart };
enum class Kind { Sparse2GB, AtBound, OneOver, Text, Folder, Pipe, Device };
// What the reader makes of it.
enum class Outcome { Read, TooLarge, NoSet, Silent, NotRegular, FirstRun };

constexpr qint64 TwoGigabytes = qint64(1) << 31;

[[nodiscard]] ColorRuleSet KnownSet() {
    ColorRuleSet set;
    set.Description = u"Značky"_s;
    set.Rules = {{RgbColor(0, 0, 255), u"<"_s, u">"_s}, {RgbColor(0, 128, 0), u"&"_s, u";"_s}};
    return set;
}

[[nodiscard]] SettingsRecord KnownSettings() {
    SettingsRecord settings = FirstRunSettings(9000, 6000, AppVersionText());
    settings.UserName = u"Jana Nováková"_s;
    settings.ShowStartScreen = false;
    return settings;
}

// Bytes this process has read from files so far.
[[nodiscard]] qint64 BytesReadSoFar() {
    QFile io(u"/proc/self/io"_s);
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : io.readAll().split('\n')) {
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    }
    return -1;
}

// What a path holds, to tell whether the exit left it as it was.
struct OnDisk {
    bool folder = false;
    bool special = false;
    qint64 size = 0;
    QByteArray start;

    friend bool operator==(const OnDisk&, const OnDisk&) = default;
};

[[nodiscard]] OnDisk OnDiskAt(const QString& path) {
    const QFileInfo info(path);
    OnDisk disk{info.isDir(), info.exists() && !info.isDir() && !info.isFile(), 0, {}};
    QFile file(path);
    if (info.isFile() && file.open(QIODevice::ReadOnly)) {
        disk.size = file.size();
        disk.start = file.read(4096);
    }
    return disk;
}

class ReaderBounds : public ::testing::Test {
protected:
    ~ReaderBounds() override {
        delete MainForm::instance();
        Program() = ProgramState{};
    }

    void write(const QString& path, const QByteArray& bytes, qint64 size = -1) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
        // The rest is a hole: ftruncate makes it without writing it.
        if (size >= 0) {
            ASSERT_TRUE(file.resize(size));
        }
    }

    // Makes path the given kind of file around the format's valid content.
    void make(const QString& path, Kind kind, const QByteArray& content, qint64 bound) {
        switch (kind) {
        case Kind::Sparse2GB:
            return write(path, content, TwoGigabytes);
        case Kind::AtBound:
            return write(path, content, bound);
        case Kind::OneOver:
            return write(path, content, bound + 1);
        case Kind::Text:
            return write(path, QByteArray("Toto je obyčejný text, žádné barvy.\r\n").repeated(500));
        case Kind::Folder:
            ASSERT_TRUE(QDir().mkdir(path));
            return;
        case Kind::Pipe:
        case Kind::Device:
            ASSERT_TRUE(MakeSpecialFile(path, kind == Kind::Pipe ? SpecialFile::Pipe
                                                                 : SpecialFile::Device));
            return;
        }
    }

    [[nodiscard]] QStringList boxTexts() const {
        QStringList texts;
        for (const auto& box : platform.messageBox.shown)
            texts << box.request.text;
        return texts;
    }

    TestPlatform platform;
};

TEST_F(ReaderBounds, EachReaderTakesNoMoreThanItsFormatHoldsAndLosesNothing) {
    const struct {
        Kind kind;
        const char* name;
        Outcome editor, atStart, settings;
    } rows[] = {
        {Kind::Sparse2GB, "2 GB sparse", Outcome::TooLarge, Outcome::TooLarge, Outcome::Read},
        {Kind::AtBound, "at the bound", Outcome::Read, Outcome::Read, Outcome::Read},
        {Kind::OneOver, "one byte over", Outcome::TooLarge, Outcome::TooLarge, Outcome::Read},
        {Kind::Text, "a text file", Outcome::NoSet, Outcome::NoSet, Outcome::Read},
        {Kind::Folder, "a folder", Outcome::Silent, Outcome::Silent, Outcome::FirstRun},
        {Kind::Pipe, "a pipe", Outcome::NotRegular, Outcome::Silent, Outcome::FirstRun},
        {Kind::Device, "a /dev/null link", Outcome::NotRegular, Outcome::Silent, Outcome::FirstRun},
    };
    const QString said[] = {
        QString(), u"příliš velký na definici barev"_s, u"není definice barev"_s,
        QString(), u"Není obyčejný soubor"_s,           u"Není obyčejný soubor"_s};
    for (const auto& row : rows) {
        for (const Reader reader :
             {Reader::EditorLoad, Reader::DefaultAtStart, Reader::SettingsAtStart}) {
            const Outcome outcome = reader == Reader::EditorLoad       ? row.editor
                                    : reader == Reader::DefaultAtStart ? row.atStart
                                                                       : row.settings;
            if (reader == Reader::SettingsAtStart && row.kind == Kind::Text)
                continue; // any bytes are a record, read by its own layout
            SCOPED_TRACE(std::string(row.name) + " for reader " +
                         std::to_string(static_cast<int>(reader)));
            Program() = ProgramState{};
            platform.messageBox.shown.clear();
            QTemporaryDir folder;
            const QString app = folder.path() + u'/';
            const QString rules = app + u"default.rqc"_s;
            const QString settingsPath = app + u"tarvel.ini"_s;
            const QString chosen = app + u"zvolena.rqc"_s;
            const QByteArray knownRules = EncodeColorRuleSet(KnownSet());
            const QByteArray knownSettings = EncodeSettings(KnownSettings());
            const QString tested = reader == Reader::EditorLoad       ? chosen
                                   : reader == Reader::DefaultAtStart ? rules
                                                                      : settingsPath;
            if (reader != Reader::DefaultAtStart)
                write(rules, knownRules);
            if (reader != Reader::SettingsAtStart)
                write(settingsPath, knownSettings);
            make(tested, row.kind, reader == Reader::SettingsAtStart ? knownSettings : knownRules,
                 reader == Reader::SettingsAtStart ? LongestSettingsFile()
                                                   : LongestColorRuleSetFile);
            const OnDisk before = OnDiskAt(tested);
            if (outcome == Outcome::FirstRun)
                WhenModalShown<Visual>(
                    [](Visual* wizard) { QTest::mouseClick(wizard->Command16(), Qt::LeftButton); });
            const qint64 readBefore = BytesReadSoFar();
            RunGuarded(tested, row.kind == Kind::Pipe ? SpecialFile::Pipe : SpecialFile::Device,
                       [&] {
                           Main(app, u"-NOMSG"_s);
                           if (reader == Reader::EditorLoad) {
                               platform.fileDialogs.openAnswers << chosen;
                               LoadedWindow<ColorControl>()
                                   .findChild<QPushButton*>(u"Command3"_s)
                                   ->click();
                           }
                       });
            if (row.kind == Kind::Sparse2GB) {
                EXPECT_LT(BytesReadSoFar() - readBefore, 64 << 20);
            }

            const QStringList boxes = boxTexts();
            const bool rulesRead = reader != Reader::SettingsAtStart && outcome == Outcome::Read;
            if (outcome == Outcome::Read || outcome == Outcome::Silent) {
                EXPECT_TRUE(boxes.isEmpty()) << boxes.join(u'|').toStdString();
            } else {
                const QString expected = said[static_cast<int>(outcome)];
                const QString told = boxes.value(0);
                EXPECT_EQ(boxes.size(), 1);
                EXPECT_TRUE(told.contains(expected)) << told.toStdString();
                EXPECT_TRUE(told.contains(tested)) << told.toStdString();
                if (reader == Reader::DefaultAtStart) {
                    EXPECT_TRUE(told.contains(u"zůstane beze změny"_s));
                }
            }
            if (rulesRead) {
                EXPECT_EQ(Program().ColorRules.Rules.size(), row.kind == Kind::AtBound
                                                                 ? LargestColorRuleCount
                                                                 : KnownSet().Rules.size());
                EXPECT_EQ(Program().ColorRules.FilePath, tested);
            } else {
                ColorRuleSet expected =
                    reader == Reader::DefaultAtStart ? ColorRuleSet{} : KnownSet();
                if (reader != Reader::DefaultAtStart)
                    expected.FilePath = rules;
                EXPECT_EQ(Program().ColorRules, expected);
            }
            if (outcome != Outcome::FirstRun) {
                EXPECT_EQ(Program().Settings.UserName, KnownSettings().UserName);
            }

            const qsizetype boxesBeforeExit = platform.messageBox.shown.size();
            platform.messageBox.queue(MessageBoxAnswer::Yes);
            RunGuarded(tested, row.kind == Kind::Pipe ? SpecialFile::Pipe : SpecialFile::Device,
                       [&] { MainForm::instance()->close(); });
            delete MainForm::instance();
            // The exit writes the settings and a set it read; a rule-set file
            // it could not read stays as it was.
            if (reader != Reader::SettingsAtStart && !rulesRead) {
                EXPECT_EQ(OnDiskAt(tested), before);
                for (qsizetype i = boxesBeforeExit; i < platform.messageBox.shown.size(); ++i)
                    EXPECT_NE(platform.messageBox.shown.at(i).request.title, u"Chyba"_s);
            }
            if (reader == Reader::SettingsAtStart || (reader == Reader::EditorLoad && !rulesRead)) {
                EXPECT_EQ(OnDiskAt(rules).start, knownRules);
            }
        }
    }
}

} // namespace
