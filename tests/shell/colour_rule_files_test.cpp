#include "shell/colour_rule_files.h"

#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

[[nodiscard]] ColorRuleSet SetWithRules(int count) {
    ColorRuleSet set;
    set.DefaultTextColor = RgbColor(0, 64, 0);
    set.DefaultBackground = RgbColor(250, 240, 230);
    set.Description = u"Zvýraznění\r\nznaček"_s;
    set.Author = u"Věra Šťastná"_s;
    for (int i = 0; i < count; ++i)
        set.Rules.append({RgbColor(255, i, 0), u"<ř%1"_s.arg(i), u"ž%1>"_s.arg(i)});
    return set;
}

class ColourRuleFiles : public ::testing::Test {
protected:
    void SetUp() override {
        Program() = ProgramState{};
        ASSERT_TRUE(dir.isValid());
    }
    void TearDown() override { Program() = ProgramState{}; }

    [[nodiscard]] QString pathOf(const QString& name) const { return dir.filePath(name); }

    [[nodiscard]] static qint64 sizeOf(const QString& path) { return QFile(path).size(); }

    void writeFile(const QString& path, const QByteArray& bytes) const {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    void expectNoBoxOrDialogLeftOver() const {
        EXPECT_TRUE(platform.messageBox.shown.isEmpty());
        EXPECT_EQ(platform.fileDialogs.unanswered, 0);
    }

    TestPlatform platform;
    QTemporaryDir dir;
    QWidget owner;
};

TEST_F(ColourRuleFiles, SetWithoutRulesSavesOneRecordAndLoadsEmpty) {
    ColorRuleSet set = SetWithRules(0);
    ASSERT_TRUE(SaveColorSet(set, pathOf(u"prazdna.rqc"_s)));
    EXPECT_EQ(sizeOf(pathOf(u"prazdna.rqc"_s)), 514);

    ColorRuleSet loaded = SetWithRules(4);
    ASSERT_TRUE(LoadColorSet(loaded, pathOf(u"prazdna.rqc"_s), &owner));
    EXPECT_EQ(loaded, set);
    EXPECT_TRUE(loaded.Rules.isEmpty());
    expectNoBoxOrDialogLeftOver();
}

TEST_F(ColourRuleFiles, SavingOverALongerSetLeavesOnlyTheNewOne) {
    const QString path = pathOf(u"default.rqc"_s);
    ColorRuleSet five = SetWithRules(5);
    ASSERT_TRUE(SaveColorSet(five, path));
    ASSERT_EQ(sizeOf(path), 6 * 514);

    ColorRuleSet two = SetWithRules(2);
    ASSERT_TRUE(SaveColorSet(two, path));
    EXPECT_EQ(sizeOf(path), 3 * 514);

    ColorRuleSet loaded;
    ASSERT_TRUE(LoadColorSet(loaded, path, &owner));
    EXPECT_EQ(loaded, two);
    EXPECT_EQ(loaded.FilePath, path);
    expectNoBoxOrDialogLeftOver();
}

TEST_F(ColourRuleFiles, SaveAppendsTheExtensionUnlessThePathEndsInIt) {
    const std::pair<QString, QString> kCases[] = {
        {u"barvy"_s, u"barvy.rqc"_s},
        {u"html.rqc"_s, u"html.rqc"_s},
        {u"VELKE.RQC"_s, u"VELKE.RQC.rqc"_s},
    };
    for (const auto& [given, written] : kCases) {
        ColorRuleSet set = SetWithRules(1);
        ASSERT_TRUE(SaveColorSet(set, pathOf(given)));
        EXPECT_EQ(set.FilePath, pathOf(written));
        EXPECT_EQ(sizeOf(pathOf(written)), 2 * 514) << written.toStdString();
    }
    const QStringList expected = {u"VELKE.RQC.rqc"_s, u"barvy.rqc"_s, u"html.rqc"_s};
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files, QDir::Name), expected);
}

TEST_F(ColourRuleFiles, EmptySavePathWritesNothing) {
    ColorRuleSet set = SetWithRules(1);
    set.FilePath = pathOf(u"stara.rqc"_s);
    EXPECT_FALSE(SaveColorSet(set, QString()));
    EXPECT_EQ(set.FilePath, pathOf(u"stara.rqc"_s));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    EXPECT_TRUE(platform.fileDialogs.saveRequests.isEmpty());
    expectNoBoxOrDialogLeftOver();
}

TEST_F(ColourRuleFiles, FailedSaveIsReportedAndKeepsThePath) {
    ColorRuleSet set = SetWithRules(1);
    set.FilePath = pathOf(u"stara.rqc"_s);
    const QString path = pathOf(u"chybi/nova.rqc"_s);
    EXPECT_FALSE(SaveColorSet(set, path));
    EXPECT_EQ(set.FilePath, pathOf(u"stara.rqc"_s));
    EXPECT_FALSE(QFile::exists(path));
    ASSERT_EQ(platform.messageBox.shown.size(), 1);
    const MessageBoxRequest& box = platform.messageBox.shown.front().request;
    EXPECT_EQ(box.title, u"Chyba"_s);
    EXPECT_EQ(box.icon, MessageBoxIcon::Stop);
    EXPECT_TRUE(box.text.startsWith(u"Vyskytla se chyba:\r\nKód: 75\r\n"_s));
    EXPECT_TRUE(box.text.contains(u"Zdroj: "_s + path)) << box.text.toStdString();
}

TEST_F(ColourRuleFiles, EmptyLoadPathAsksForTheFile) {
    const QString path = pathOf(u"vybrana.rqc"_s);
    ColorRuleSet saved = SetWithRules(3);
    ASSERT_TRUE(SaveColorSet(saved, path));

    platform.fileDialogs.openAnswers = {path};
    ColorRuleSet loaded;
    ASSERT_TRUE(LoadColorSet(loaded, QString(), &owner));
    EXPECT_EQ(loaded, saved);
    ASSERT_EQ(platform.fileDialogs.openRequests.size(), 1);
    EXPECT_EQ(platform.fileDialogs.openRequests.front().request.filter,
              u"Tarvel Qor Definice barev (*.rqc)|*.rqc"_s);
    EXPECT_EQ(platform.fileDialogs.openRequests.front().owner, &owner);
    expectNoBoxOrDialogLeftOver();
}

TEST_F(ColourRuleFiles, NothingToReadLeavesTheSetSilently) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"slozka.rqc"_s));
    const ColorRuleSet before = [this] {
        ColorRuleSet set = SetWithRules(2);
        set.FilePath = pathOf(u"puvodni.rqc"_s);
        return set;
    }();
    for (const QString& path : {pathOf(u"neni.rqc"_s), pathOf(u"slozka.rqc"_s)}) {
        ColorRuleSet set = before;
        EXPECT_FALSE(LoadColorSet(set, path, &owner)) << path.toStdString();
        EXPECT_EQ(set, before);
    }
    ColorRuleSet set = before;
    EXPECT_FALSE(LoadColorSet(set, QString(), &owner)); // dialog cancelled
    EXPECT_EQ(set, before);
    EXPECT_EQ(platform.fileDialogs.unanswered, 1);
    EXPECT_TRUE(platform.messageBox.shown.isEmpty());
}

TEST_F(ColourRuleFiles, CutFileLoadsItsWholeRecords) {
    const QString path = pathOf(u"useknuta.rqc"_s);
    writeFile(path, EncodeColorRuleSet(SetWithRules(4)).left(3 * 514 + 100));
    ColorRuleSet loaded = SetWithRules(7);
    ASSERT_TRUE(LoadColorSet(loaded, path, &owner));
    ColorRuleSet expected = SetWithRules(2);
    expected.FilePath = path;
    EXPECT_EQ(loaded, expected);
    expectNoBoxOrDialogLeftOver();
}

TEST_F(ColourRuleFiles, FileShorterThanOneRecordIsReportedAndChangesNothing) {
    const QString path = pathOf(u"kratka.rqc"_s);
    writeFile(path, EncodeColorRuleSet(SetWithRules(0)).left(513));
    const ColorRuleSet before = SetWithRules(2);
    ColorRuleSet set = before;
    EXPECT_FALSE(LoadColorSet(set, path, &owner));
    EXPECT_EQ(set, before);
    ASSERT_EQ(platform.messageBox.shown.size(), 1);
    EXPECT_EQ(platform.messageBox.shown.front().request.text,
              u"Vyskytla se chyba:\r\nKód: 62\r\nPopis: Soubor je kratší než jeden záznam "
              "definice barev.\r\nZdroj: "_s +
                  path + u"\r\n\r\nAkce byla přerušena.\r\n"_s);
}

} // namespace
