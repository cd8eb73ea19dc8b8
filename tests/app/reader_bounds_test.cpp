// The rule-set and settings readers, given files of every size and kind: none
// reads more than the longest file its format holds, each answers with a
// message or passes by in silence, and nothing the user had is lost, neither
// in the program nor on disk after the exit.
#include "colour/ColorControl.h"
#include "core/files/file_io.h"
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
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

enum Reader { EditorLoad, DefaultAtStart, SettingsAtStart };
// The kinds past Text are those of SpecialFile, in its order.
enum class Kind { Sparse2GB, AtBound, OneOver, Text, Pipe, Device, Folder };
[[nodiscard]] SpecialFile Special(Kind kind) {
    return SpecialFile(int(kind) - int(Kind::Pipe));
}

// Bytes this process has read from files so far.
[[nodiscard]] qint64 BytesRead() {
    QFile io(u"/proc/self/io"_s);
    (void)io.open(QIODevice::ReadOnly);
    const QByteArray text = io.readAll();
    return text.mid(text.indexOf("rchar:") + 6).split('\n').front().trimmed().toLongLong();
}

// What is at path: its kind, size and first bytes.
[[nodiscard]] QByteArray OnDisk(const QString& path) {
    const QFileInfo info(path);
    QFile file(path);
    const QByteArray start = info.isFile() && file.open(QIODevice::ReadOnly) ? file.read(4096) : "";
    return QByteArray::number(info.isDir()) + QByteArray::number(info.isFile()) +
           QByteArray::number(info.size()) + start;
}

[[nodiscard]] bool Make(const QString& path, Kind kind, const QByteArray& content, qint64 bound) {
    if (kind > Kind::Text)
        return MakeSpecialFile(path, Special(kind));
    const QByteArray text = QByteArray("Obyčejný text, žádné barvy.\r\n").repeated(99);
    const qint64 sizes[] = {qint64(1) << 31, bound, bound + 1, text.size()};
    return MakeSparseFile(path, sizes[int(kind)], kind == Kind::Text ? text : content);
}

TEST(ReaderBounds, EachReaderTakesNoMoreThanItsFormatHoldsAndLosesNothing) {
    // What each reader says; empty for a silent read or skip.
    const QString large = u"příliš velký na definici barev"_s, special = u"Není obyčejný soubor"_s;
    const struct {
        Kind kind;
        QString said[3];
    } rows[] = {
        {Kind::Sparse2GB, {large, large, {}}},  {Kind::AtBound, {}},
        {Kind::OneOver, {large, large, {}}},    {Kind::Text, {}},
        {Kind::Folder, {{}, {}, special}},      {Kind::Pipe, {special, {}, special}},
        {Kind::Device, {special, {}, special}},
    };
    ColorRuleSet known;
    known.Rules = {{RgbColor(0, 0, 255), u"<"_s, u">"_s}};
    SettingsRecord settings = FirstRunSettings(9000, 6000, AppVersionText());
    settings.UserName = u"Jana Nováková"_s;
    const QByteArray knownRules = EncodeColorRuleSet(known),
                     knownSettings = EncodeSettings(settings);
    for (const auto& row : rows) {
        for (const Reader reader : {EditorLoad, DefaultAtStart, SettingsAtStart}) {
            SCOPED_TRACE(testing::Message() << "kind " << int(row.kind) << ", reader " << reader);
            if (reader == SettingsAtStart && row.kind == Kind::Text)
                continue; // any bytes are a record, read by its own layout
            TestPlatform platform;
            Program() = ProgramState{};
            QTemporaryDir folder;
            const QString app = folder.path() + u'/', rules = app + u"default.rqc"_s;
            const QString tested =
                app + QStringList{u"zvolena.rqc"_s, u"default.rqc"_s, u"tarvel.ini"_s}[reader];
            WriteFileAtomically(rules, knownRules);
            WriteFileAtomically(app + u"tarvel.ini"_s, knownSettings);
            ASSERT_TRUE(QFile::remove(tested) || reader == EditorLoad);
            ASSERT_TRUE(
                Make(tested, row.kind, reader == SettingsAtStart ? knownSettings : knownRules,
                     reader == SettingsAtStart ? LongestSettingsFile() : LongestColorRuleSetFile));
            const QByteArray rulesBefore = OnDisk(rules);
            // A settings file that is no file is no settings: the first run.
            const bool firstRun = reader == SettingsAtStart && row.kind > Kind::Text;
            if (firstRun)
                WhenModalShown<Visual>(
                    [](Visual* w) { QTest::mouseClick(w->Command16(), Qt::LeftButton); });
            const qint64 readBefore = BytesRead();
            const auto& boxes = platform.messageBox.shown;
            qsizetype boxesAtStart = 0;
            RunGuarded(tested, Special(row.kind), [&] {
                Main(app, u"-NOMSG"_s);
                if (reader == EditorLoad) {
                    platform.fileDialogs.openAnswers << tested;
                    LoadedWindow<ColorControl>().findChild<QPushButton*>(u"Command3"_s)->click();
                }
                EXPECT_TRUE(row.kind != Kind::Sparse2GB || BytesRead() - readBefore < 64 << 20);
                boxesAtStart = boxes.size();
                platform.messageBox.queue(MessageBoxAnswer::Yes);
                MainForm::instance()->close();
                delete MainForm::instance();
            });

            const QString said = row.said[reader], text = boxes.value(0).request.text;
            EXPECT_EQ(boxesAtStart, said.isEmpty() ? 0 : 1);
            EXPECT_TRUE(said.isEmpty() ||
                        (text.contains(said) && text.contains(tested) &&
                         text.contains(u"zůstane beze změny"_s) == (reader == DefaultAtStart)))
                << text.toStdString();
            // Any regular file up to the bound is a set, its whole records read.
            const bool rulesRead =
                reader != SettingsAtStart && (row.kind == Kind::AtBound || row.kind == Kind::Text);
            const QList<ColorRule> kept =
                reader == DefaultAtStart ? QList<ColorRule>{} : known.Rules;
            const QList<ColorRule>& now = Program().ColorRules.Rules;
            EXPECT_EQ(now.size(),
                      rulesRead ? QFileInfo(tested).size() / ColorRuleRecordSize - 1 : kept.size());
            EXPECT_TRUE((rulesRead && row.kind == Kind::Text) ||
                        now.value(0) == (rulesRead ? known.Rules.front() : kept.value(0)));
            EXPECT_TRUE(firstRun || Program().Settings.UserName == settings.UserName);
            // The exit leaves the default rule set on disk as it was unless a
            // set was read, and says nothing.
            EXPECT_TRUE(rulesRead || OnDisk(rules) == rulesBefore);
            EXPECT_TRUE(firstRun || boxes.size() == boxesAtStart);
        }
    }
    Program() = ProgramState{};
}

} // namespace
