#include "shell/files/colour_rule_files.h"

#include "core/files/special_files.h"
#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>
#include <optional>

using namespace Qt::StringLiterals;

// The record layout is tested in core; these tests check the files on disk,
// the dialogs and the error boxes.
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
    [[nodiscard]] QStringList files() const {
        return QDir(dir.path()).entryList(QDir::Files, QDir::Name);
    }
    void writeFile(const QString& path, const QByteArray& bytes) const {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    // The text of the one box shown, which must be the error box.
    [[nodiscard]] QString onlyErrorBoxText() const {
        EXPECT_EQ(platform.messageBox.shown.size(), 1);
        if (platform.messageBox.shown.isEmpty())
            return {};
        const MessageBoxRequest& box = platform.messageBox.shown.front().request;
        EXPECT_EQ(box.title, u"Chyba"_s);
        EXPECT_EQ(box.icon, MessageBoxIcon::Stop);
        return box.text;
    }

    TestPlatform platform;
    QTemporaryDir dir;
    QWidget owner;
};

TEST_F(ColourRuleFiles, EachSaveLeavesOnlyItsOwnRecordsAndLoadsBack) {
    const QString path = pathOf(u"default.rqc"_s);
    // Five, then two over them, then none: one header record plus one per rule.
    for (const int rules : {5, 2, 0}) {
        ColorRuleSet set = SetWithRules(rules);
        ASSERT_TRUE(SaveColorSet(set, path));
        EXPECT_EQ(QFile(path).size(), (rules + 1) * 514) << rules;
        ColorRuleSet loaded = SetWithRules(4);
        ASSERT_TRUE(LoadColorSet(loaded, path, &owner));
        EXPECT_EQ(loaded, set) << rules;
        EXPECT_EQ(loaded.FilePath, path);
    }
    EXPECT_TRUE(platform.messageBox.shown.isEmpty());
}

// The name written is the chosen one with ".rqc" appended unless it ends in
// exactly that. Only a folder, pipe or device at the name written is refused:
// one at the name chosen is passed by for the file beside it.
TEST_F(ColourRuleFiles, SaveWritesTheExtendedNameUnlessItIsASpecialFile) {
    const struct {
        QString chosen;
        std::optional<SpecialFile> kind; // none: nothing is there
        QString written;                 // empty when refused
    } kCases[] = {
        {u"barvy"_s, {}, u"barvy.rqc"_s},
        {u"html.rqc"_s, {}, u"html.rqc"_s},
        {u"VELKE.RQC"_s, {}, u"VELKE.RQC.rqc"_s},
        {u"slozka"_s, SpecialFile::Folder, u"slozka.rqc"_s},
        {u"adresar.rqc"_s, SpecialFile::Folder, {}},
        {u"roura"_s, SpecialFile::Pipe, u"roura.rqc"_s},
        {u"trubka.rqc"_s, SpecialFile::Pipe, {}},
        {u"null"_s, SpecialFile::Device, u"null.rqc"_s},
        {u"zarizeni.rqc"_s, SpecialFile::Device, {}},
    };
    for (const auto& c : kCases) {
        const QString chosen = pathOf(c.chosen);
        ASSERT_TRUE(!c.kind || MakeSpecialFile(chosen, *c.kind));
        const QStringList before = files();
        const qsizetype boxes = platform.messageBox.shown.size();
        ColorRuleSet set = SetWithRules(1);
        EXPECT_EQ(SaveColorSet(set, chosen), !c.written.isEmpty()) << c.chosen.toStdString();
        EXPECT_EQ(set.FilePath, c.written.isEmpty() ? QString() : pathOf(c.written));
        // Each name written is a new file; a refusal leaves the folder as it was.
        EXPECT_EQ(files().size(), before.size() + (c.written.isEmpty() ? 0 : 1));
        EXPECT_TRUE(c.written.isEmpty() || files().contains(c.written));
        const QString told = platform.messageBox.shown.size() > boxes
                                 ? platform.messageBox.shown.back().request.text
                                 : QString();
        EXPECT_EQ(
            told.contains(u"Není obyčejný soubor (je to složka, roura nebo zařízení): "_s + chosen),
            c.written.isEmpty())
            << told.toStdString();
    }
}

// Whatever a file holds, its whole records are read, up to the largest set
// with bytes short of one more record after it.
TEST_F(ColourRuleFiles, LoadReadsAnyFileUpToTheLargestSetAndAPartialRecord) {
    const QByteArray largest =
        EncodeColorRuleSet(SetWithRules(1)) + QByteArray((LargestColorRuleCount - 1) * 514, 'r');
    const QByteArray text = QByteArray("Obyčejný text, žádné barvy.\r\n").repeated(40);
    const std::pair<QByteArray, qsizetype> kCases[] = {
        {text, text.size() / 514 - 1},
        {largest + QByteArray(513, 'x'), LargestColorRuleCount},
        {largest + QByteArray(514, 'x'), -1}, // refused as too large
    };
    const QString path = pathOf(u"cokoli.txt"_s);
    for (const auto& [bytes, rules] : kCases) {
        writeFile(path, bytes);
        ColorRuleSet set = SetWithRules(2);
        EXPECT_EQ(LoadColorSet(set, path, &owner), rules >= 0) << bytes.size();
        EXPECT_EQ(set.Rules.size(), rules >= 0 ? rules : 2) << bytes.size();
    }
    EXPECT_TRUE(onlyErrorBoxText().contains(u"příliš velký na definici barev"_s));
}

TEST_F(ColourRuleFiles, SaveThatWritesNothingKeepsThePath) {
    ColorRuleSet set = SetWithRules(1);
    set.FilePath = pathOf(u"stara.rqc"_s);
    EXPECT_FALSE(SaveColorSet(set, QString()));
    EXPECT_TRUE(platform.messageBox.shown.isEmpty());
    EXPECT_TRUE(platform.fileDialogs.saveRequests.isEmpty());

    const QString path = pathOf(u"chybi/nova.rqc"_s);
    EXPECT_FALSE(SaveColorSet(set, path));
    EXPECT_EQ(set.FilePath, pathOf(u"stara.rqc"_s));
    EXPECT_TRUE(files().isEmpty());
    const QString text = onlyErrorBoxText();
    EXPECT_TRUE(text.startsWith(u"Vyskytla se chyba:\r\nKód: 75\r\n"_s)) << text.toStdString();
    EXPECT_TRUE(text.contains(u"Zdroj: "_s + path)) << text.toStdString();
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
}

TEST_F(ColourRuleFiles, NothingToReadLeavesTheSet) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(u"slozka.rqc"_s));
    ColorRuleSet before = SetWithRules(2);
    before.FilePath = pathOf(u"puvodni.rqc"_s);
    // A missing file, a cancelled dialog and a folder, which holds no set.
    for (const QString& path : {pathOf(u"neni.rqc"_s), QString(), pathOf(u"slozka.rqc"_s)}) {
        ColorRuleSet set = before;
        EXPECT_FALSE(LoadColorSet(set, path, &owner)) << path.toStdString();
        EXPECT_EQ(set, before);
    }
    EXPECT_EQ(platform.fileDialogs.unanswered, 1);
    EXPECT_TRUE(platform.messageBox.shown.isEmpty());
}

TEST_F(ColourRuleFiles, CutFileLoadsItsWholeRecordsAndLessThanOneIsReported) {
    const QString path = pathOf(u"useknuta.rqc"_s);
    writeFile(path, EncodeColorRuleSet(SetWithRules(4)).left(3 * 514 + 100));
    ColorRuleSet loaded = SetWithRules(7);
    ASSERT_TRUE(LoadColorSet(loaded, path, &owner));
    ColorRuleSet expected = SetWithRules(2);
    expected.FilePath = path;
    EXPECT_EQ(loaded, expected);
    EXPECT_TRUE(platform.messageBox.shown.isEmpty());

    writeFile(path, EncodeColorRuleSet(SetWithRules(0)).left(513));
    EXPECT_FALSE(LoadColorSet(loaded, path, &owner));
    EXPECT_EQ(loaded, expected);
    EXPECT_EQ(onlyErrorBoxText(),
              u"Vyskytla se chyba:\r\nKód: 62\r\nPopis: Soubor je kratší než jeden "
              u"záznam definice barev.\r\nZdroj: "_s +
                  path + u"\r\n\r\nAkce byla přerušena.\r\n"_s);
}

} // namespace
