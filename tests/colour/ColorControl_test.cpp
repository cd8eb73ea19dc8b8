#include "colour/ColorControl.h"

#include "core/colour/colour_rule_set.h"
#include "platform/surface/RichEditSurface.h"
#include "platform/testing/modal_driver.h"
#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/files/colour_rule_files.h"
#include "shell/main_window/MainForm.h"
#include "shell/window_instances.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The nine buttons that need rules, and the four that never do.
const QStringList RuleButtons = {u"Command1"_s, u"Command2"_s,  u"Command4"_s,
                                 u"Command5"_s, u"Command6"_s,  u"Command7"_s,
                                 u"Command8"_s, u"Command10"_s, u"Command11"_s};
const QStringList FreeButtons = {u"CmndAdd"_s, u"Command3"_s, u"Command12"_s, u"Command9"_s};

[[nodiscard]] QList<ColorRule> NamedRules(const QStringList& names) {
    QList<ColorRule> rules;
    for (int i = 0; i < names.size(); ++i)
        rules.append({RgbColor(10 * i, 0, 200), names.at(i), u">"_s});
    return rules;
}

[[nodiscard]] QColor ShownColor(const QLabel* box) {
    return box->palette().color(QPalette::Window);
}

class ColorControlWindow : public ::testing::Test {
protected:
    void SetUp() override {
        Program() = ProgramState{};
        ASSERT_TRUE(dir.isValid());
        Program().AppFolder = dir.path() + u"/"_s;
    }
    void TearDown() override {
        platform.unloadWindows();
        Program() = ProgramState{};
    }

    ColorControl& window() {
        ColorControl& window = LoadedWindow<ColorControl>();
        if (!window.isVisible()) {
            window.show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        }
        return window;
    }

    template <class T> T* child(const QString& name) {
        T* found = window().findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QPushButton* button(const QString& name) { return child<QPushButton>(name); }
    QTreeWidget* list() { return child<QTreeWidget>(u"ListView1"_s); }
    QLineEdit* text1() { return child<QLineEdit>(u"Text1"_s); }
    QLineEdit* text2() { return child<QLineEdit>(u"Text2"_s); }

    void click(const QString& name) { QTest::mouseClick(button(name), Qt::LeftButton); }

    void clickRow(int row) {
        QTreeWidget* view = list();
        const QRect rect = view->visualItemRect(view->topLevelItem(row));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
    }

    void addRule(const QString& start, const QString& end = {}) {
        text1()->setText(start);
        text2()->setText(end);
        click(u"CmndAdd"_s);
    }

    // The rules' start texts, in the set and in the list's rows alike.
    void expectRules(const QStringList& starts) {
        QStringList inSet, inRows;
        for (const ColorRule& rule : Program().ColorRules.Rules)
            inSet << rule.StartText;
        for (int i = 0; i < list()->topLevelItemCount(); ++i)
            inRows << list()->topLevelItem(i)->text(1);
        EXPECT_EQ(inSet, starts);
        EXPECT_EQ(inRows, starts);
    }

    [[nodiscard]] int currentRow() { return list()->indexOfTopLevelItem(list()->currentItem()); }

    void expectRuleButtons(bool enabled) {
        for (const QString& name : RuleButtons)
            EXPECT_EQ(button(name)->isEnabled(), enabled) << name.toStdString();
        for (const QString& name : FreeButtons)
            EXPECT_TRUE(button(name)->isEnabled()) << name.toStdString();
    }

    void expectOneMessage(const QString& text) {
        ASSERT_EQ(platform.messageBox.shown.size(), 1);
        const MessageBoxRequest& box = platform.messageBox.shown.first().request;
        EXPECT_EQ(box.text, text);
        EXPECT_EQ(box.title, u"Barvy"_s);
        EXPECT_EQ(box.buttons, MessageBoxButtons::Ok);
        EXPECT_EQ(box.icon, MessageBoxIcon::None);
    }

    [[nodiscard]] QString pathOf(const QString& name) const { return dir.filePath(name); }

    void writeSetFile(const QString& path, const ColorRuleSet& set) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(EncodeColorRuleSet(set));
    }

    TestPlatform platform;
    QTemporaryDir dir;
};

TEST_F(ColorControlWindow, FirstRuleFillsItsEmptyEndTextAndEnablesTheRuleButtons) {
    EXPECT_EQ(list()->topLevelItemCount(), 0);
    expectRuleButtons(false);

    addRule(u"<b>"_s);
    expectRuleButtons(true);
    EXPECT_EQ(text2()->text(), u"b>"_s);
    EXPECT_EQ(Program().ColorRules.Rules,
              (QList<ColorRule>{{RgbColor(255, 0, 0), u"<b>"_s, u"b>"_s}}));
    // The row shows the rule in its colour.
    const QTreeWidgetItem* row = list()->currentItem();
    EXPECT_EQ(row->text(0), u"#FF0000"_s);
    EXPECT_EQ(row->text(1), u"<b>"_s);
    EXPECT_EQ(row->text(2), u"b>"_s);
    EXPECT_EQ(row->foreground(0).color(), QColor(255, 0, 0));
    EXPECT_TRUE(platform.messageBox.shown.isEmpty());
}

TEST_F(ColorControlWindow, AddOrUpdateWithoutStartTextTellsTheUser) {
    Program().ColorRules.Rules = NamedRules({u"a"_s});
    for (const QString& name : {u"CmndAdd"_s, u"Command1"_s}) {
        platform.messageBox.shown.clear();
        text1()->clear();
        text2()->setText(u"konec"_s);
        click(name);
        expectOneMessage(u"Vložte začínající skupinu znaků!"_s);
        EXPECT_EQ(text2()->text(), u"konec"_s);
        EXPECT_EQ(Program().ColorRules.Rules, NamedRules({u"a"_s}));
    }
}

TEST_F(ColorControlWindow, AddStopsAtTheMostRulesASetIsReadBackWith) {
    Program().ColorRules.Rules = NamedRules(QStringList(LargestColorRuleCount, u"a"_s));
    addRule(u"b"_s);
    expectOneMessage(u"Sada barev má nejvýš 32767 pravidel."_s);
    EXPECT_EQ(Program().ColorRules.Rules.size(), LargestColorRuleCount);
    EXPECT_EQ(Program().ColorRules.Rules.last().StartText, u"a"_s);
}

TEST_F(ColorControlWindow, ClickedRowBecomesTheRuleBeingEdited) {
    Program().ColorRules.Rules = NamedRules({u"a"_s, u"b"_s});
    Program().ColorRules.Rules[1].Color = static_cast<ColorValue>(0x80336699);
    clickRow(1);
    EXPECT_EQ(text1()->text(), u"b"_s);
    EXPECT_EQ(text2()->text(), u">"_s);
    // The colour comes back from the row's #RRGGBB text.
    EXPECT_EQ(ShownColor(child<QLabel>(u"Picture1"_s)), QColor(0x99, 0x66, 0x33));

    text1()->setText(u"nové"_s);
    click(u"Command1"_s);
    EXPECT_EQ(Program().ColorRules.Rules.at(1),
              (ColorRule{RgbColor(0x99, 0x66, 0x33), u"nové"_s, u">"_s}));
    expectRules({u"a"_s, u"nové"_s});
}

TEST_F(ColorControlWindow, AddWhileThirdOfFiveIsCurrentInsertsThird) {
    Program().ColorRules.Rules = NamedRules({u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s});
    clickRow(2);
    addRule(u"nový"_s, u"x"_s);
    const QStringList expected = {u"1"_s, u"2"_s, u"nový"_s, u"3"_s, u"4"_s, u"5"_s};
    expectRules(expected);
    EXPECT_EQ(currentRow(), 2);
    EXPECT_EQ(window().currentRule(), 2);
}

// Up, down, to the start and to the end; at the ends nothing moves.
TEST_F(ColorControlWindow, MovesCarryTheCurrentRuleAndStopAtTheEnds) {
    const struct {
        const char16_t* button;
        int from;
        const char* order;
        int current;
    } cases[] = {
        {u"Command6", 1, "bac", 0},  {u"Command7", 1, "acb", 2},  {u"Command11", 2, "cab", 0},
        {u"Command10", 0, "bca", 2}, {u"Command6", 0, "abc", 0},  {u"Command7", 2, "abc", 2},
        {u"Command11", 0, "abc", 0}, {u"Command10", 2, "abc", 2},
    };
    for (const auto& c : cases) {
        const QString button = QString::fromUtf16(c.button);
        SCOPED_TRACE(button.toStdString() + " from " + std::to_string(c.from));
        window().hide();
        Program().ColorRules.Rules = NamedRules({u"a"_s, u"b"_s, u"c"_s});
        clickRow(c.from);
        click(button);
        expectRules(QString::fromLatin1(c.order).split(QString(), Qt::SkipEmptyParts));
        EXPECT_EQ(currentRow(), c.current);
    }
}

TEST_F(ColorControlWindow, DeleteKeepsACurrentRuleUntilTheListIsEmpty) {
    Program().ColorRules.Rules = NamedRules({u"a"_s, u"b"_s, u"c"_s});
    clickRow(2);
    click(u"Command4"_s);
    expectRules({u"a"_s, u"b"_s});
    EXPECT_EQ(currentRow(), 1);
    click(u"Command4"_s);
    click(u"Command4"_s);
    expectRules({});
    expectRuleButtons(false);
}

TEST_F(ColorControlWindow, ClearDropsOnlyTheRules) {
    ColorRuleSet& set = Program().ColorRules;
    set.Rules = NamedRules({u"a"_s, u"b"_s});
    set.Description = u"Popis\r\nsady"_s;
    set.Author = u"Eliška"_s;
    set.DefaultTextColor = RgbColor(1, 2, 3);
    set.DefaultBackground = RgbColor(4, 5, 6);
    set.FilePath = pathOf(u"sada.rqc"_s);
    const ColorRuleSet before = set;
    window();

    click(u"Command12"_s);
    ColorRuleSet expected = before;
    expected.Rules.clear();
    EXPECT_EQ(Program().ColorRules, expected);
    EXPECT_EQ(list()->topLevelItemCount(), 0);
    EXPECT_EQ(child<QLabel>(u"Label1"_s)->text(), before.FilePath);
    expectRuleButtons(false);
}

TEST_F(ColorControlWindow, SaveBeforeAnyFileTellsTheUserAndWritesNothing) {
    addRule(u"<b>"_s);
    click(u"Command2"_s);
    expectOneMessage(u"Není otevřený soubor"_s);
    EXPECT_TRUE(platform.fileDialogs.saveRequests.isEmpty());
    EXPECT_TRUE(Program().ColorRules.FilePath.isEmpty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(ColorControlWindow, SaveAsNamesTheFileAndSaveWritesItAgain) {
    addRule(u"<b>"_s);
    platform.fileDialogs.saveAnswers = {pathOf(u"sada"_s)};
    click(u"Command8"_s);
    const QString saved = pathOf(u"sada.rqc"_s);
    ASSERT_EQ(platform.fileDialogs.saveRequests.size(), 1);
    EXPECT_EQ(platform.fileDialogs.saveRequests.first().request.filter, ColorSetFilter);
    EXPECT_EQ(platform.fileDialogs.saveRequests.first().owner, &window());
    EXPECT_EQ(child<QLabel>(u"Label1"_s)->text(), saved);
    EXPECT_EQ(QFile(saved).size(), 2 * ColorRuleRecordSize);

    addRule(u"<i>"_s);
    click(u"Command2"_s);
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    ColorRuleSet expected = Program().ColorRules;
    expected.FilePath.clear();
    EXPECT_EQ(DecodeColorRuleSet(file.readAll()), expected);

    // A cancelled dialog saves nothing and keeps the path.
    click(u"Command8"_s);
    EXPECT_EQ(Program().ColorRules.FilePath, saved);
    EXPECT_TRUE(platform.messageBox.shown.isEmpty());
}

TEST_F(ColorControlWindow, LoadShowsTheSetWithItsFirstRuleCurrent) {
    ColorRuleSet file;
    file.Rules = NamedRules({u"<a"_s, u"<b"_s, u"<c"_s});
    file.Description = u"Dva\r\nřádky"_s;
    file.Author = u"Kryštof"_s;
    file.DefaultTextColor = RgbColor(0, 0, 128);
    file.DefaultBackground = RgbColor(255, 255, 224);
    writeSetFile(pathOf(u"html.rqc"_s), file);

    Program().ColorRules.Rules = NamedRules({u"x"_s, u"y"_s});
    clickRow(1);
    text1()->setText(u"rozepsané"_s);
    child<QCheckBox>(u"ChkSelection"_s)->setChecked(true);
    platform.fileDialogs.openAnswers = {pathOf(u"html.rqc"_s)};
    click(u"Command3"_s);

    ColorRuleSet expected = file;
    expected.FilePath = pathOf(u"html.rqc"_s);
    EXPECT_EQ(Program().ColorRules, expected);
    expectRules({u"<a"_s, u"<b"_s, u"<c"_s});
    EXPECT_EQ(currentRow(), 0);
    EXPECT_EQ(child<QLabel>(u"Label1"_s)->text(), expected.FilePath);
    EXPECT_EQ(child<QPlainTextEdit>(u"Text3"_s)->toPlainText(), u"Dva\nřádky"_s);
    EXPECT_EQ(child<QPlainTextEdit>(u"Text4"_s)->toPlainText(), u"Kryštof"_s);
    EXPECT_EQ(ShownColor(child<QLabel>(u"Picture2"_s)), QColor(0, 0, 128));
    EXPECT_EQ(ShownColor(child<QLabel>(u"Picture3"_s)), QColor(255, 255, 224));
    // The rule being typed and the options are not part of a set.
    EXPECT_EQ(text1()->text(), u"rozepsané"_s);
    EXPECT_TRUE(child<QCheckBox>(u"ChkSelection"_s)->isChecked());
    expectRuleButtons(true);

    // A cancelled dialog changes nothing.
    click(u"Command3"_s);
    EXPECT_EQ(Program().ColorRules, expected);
}

TEST_F(ColorControlWindow, ClosingOrUnloadingKeepsTheSetAndOptions) {
    addRule(u"<b>"_s);
    QTest::keyClicks(child<QPlainTextEdit>(u"Text3"_s), u"popis"_s);
    child<QCheckBox>(u"ChkDifferCase"_s)->setChecked(true);
    child<QCheckBox>(u"ChkSelection"_s)->setChecked(true);
    const ColorRuleSet kept = Program().ColorRules;
    EXPECT_EQ(kept.Description, u"popis"_s);

    window().close();
    EXPECT_TRUE(platform.windows.contains(&window()));
    platform.windows.unload(&window());
    EXPECT_EQ(Program().ColorRules, kept);
    EXPECT_EQ(Program().ColorOptions, (ColorRuleOptions{true, true}));

    expectRules({u"<b>"_s});
    EXPECT_EQ(child<QPlainTextEdit>(u"Text3"_s)->toPlainText(), u"popis"_s);
    EXPECT_TRUE(child<QCheckBox>(u"ChkDifferCase"_s)->isChecked());
    EXPECT_TRUE(child<QCheckBox>(u"ChkSelection"_s)->isChecked());
    expectRuleButtons(true);
}

TEST_F(ColorControlWindow, ShowingAgainPicksUpASetChangedElsewhere) {
    Program().ColorRules.Rules = NamedRules({u"a"_s, u"b"_s});
    clickRow(1);
    window().hide();
    Program().ColorRules.Rules = NamedRules({u"x"_s, u"y"_s, u"z"_s});
    Program().ColorRules.FilePath = pathOf(u"jina.rqc"_s);
    window();
    expectRules({u"x"_s, u"y"_s, u"z"_s});
    EXPECT_EQ(currentRow(), 0);
    EXPECT_EQ(child<QLabel>(u"Label1"_s)->text(), pathOf(u"jina.rqc"_s));
}

TEST_F(ColorControlWindow, EntriesRefuseTextBeyondTheirFields) {
    for (QLineEdit* entry : {text1(), text2()}) {
        entry->clear();
        entry->insert(QString(300, u'a'));
        EXPECT_EQ(entry->text().size(), 255);
    }

    struct Case {
        QString name;
        int maxLength;
        QString ColorRuleSet::*field;
    };
    const Case cases[] = {
        {u"Text3"_s, 255, &ColorRuleSet::Description},
        {u"Text4"_s, 247, &ColorRuleSet::Author},
    };
    for (const Case& c : cases) {
        auto* entry = child<QPlainTextEdit>(c.name);
        entry->insertPlainText(QString(300, u'a'));
        EXPECT_EQ(Program().ColorRules.*c.field, QString(c.maxLength, u'a'));

        // A line break takes two characters of the field.
        entry->clear();
        entry->insertPlainText(QString(c.maxLength - 3, u'b'));
        entry->insertPlainText(u"\ncde"_s);
        EXPECT_EQ(Program().ColorRules.*c.field, QString(c.maxLength - 3, u'b') + u"\r\nc"_s);
        EXPECT_EQ(entry->toPlainText(), QString(c.maxLength - 3, u'b') + u"\nc"_s);
    }
}

// A full description or author loaded with lone LF or CR breaks: editing it
// keeps the breaks the edit did not touch, so it never outgrows its field;
// the entry refuses what would not fit and shows all that is saved.
TEST_F(ColorControlWindow, EditingAFullLoadedTextKeepsItsBreaksAndFitsItsField) {
    struct Case {
        QString name;
        QString ColorRuleSet::*field;
        QString loaded;
    };
    const Case cases[] = {
        {u"Text3"_s, &ColorRuleSet::Description, u"ab\n"_s.repeated(85)},
        {u"Text4"_s, &ColorRuleSet::Author, u"ab\r"_s.repeated(82) + u"c"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        ColorRuleSet file;
        file.Rules = NamedRules({u"<a"_s}); // so the set may be saved
        file.*c.field = c.loaded;
        const QString path = pathOf(c.name + u".rqc"_s);
        writeSetFile(path, file);
        platform.fileDialogs.openAnswers = {path};
        click(u"Command3"_s);
        auto* entry = child<QPlainTextEdit>(c.name);
        ASSERT_EQ(entry->toPlainText(), QString(c.loaded).replace(u'\r', u'\n'));

        entry->setFocus();
        QTest::keyClick(entry, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(entry, Qt::Key_Backspace);
        const QString shortened = c.loaded.chopped(1);
        EXPECT_EQ(Program().ColorRules.*c.field, shortened);

        // One character fits again; the next, and a typed break, do not.
        QTest::keyClicks(entry, u"xy"_s);
        QTest::keyClick(entry, Qt::Key_Return);
        EXPECT_EQ(Program().ColorRules.*c.field, shortened + u"x"_s);
        EXPECT_EQ(entry->toPlainText(), QString(shortened + u"x"_s).replace(u'\r', u'\n'));

        click(u"Command2"_s);
        QFile saved(path);
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        const std::optional<ColorRuleSet> read = DecodeColorRuleSet(saved.readAll());
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(*read.*c.field, shortened + u"x"_s);
    }
}

TEST_F(ColorControlWindow, CancelledPickerLeavesEveryColourBox) {
    Program().ColorRules.DefaultTextColor = RgbColor(1, 2, 3);
    Program().ColorRules.DefaultBackground = RgbColor(250, 251, 252);
    const std::pair<QString, QColor> boxes[] = {
        {u"Picture1"_s, QColor(255, 0, 0)},
        {u"Picture2"_s, QColor(1, 2, 3)},
        {u"Picture3"_s, QColor(250, 251, 252)},
    };
    const ColorRuleSet before = Program().ColorRules;
    for (const auto& [name, color] : boxes) {
        auto* box = child<QLabel>(name);
        WhenModalShown<QWidget>([](QWidget* picker) { QTest::keyClick(picker, Qt::Key_Escape); });
        QTest::mouseClick(box, Qt::LeftButton);
        EXPECT_EQ(ShownColor(box), color) << name.toStdString();
    }
    EXPECT_EQ(Program().ColorRules, before);
}

// Apply paints the main window's document with the set and the options.
class ColorControlApplying : public ColorControlWindow {
protected:
    [[nodiscard]] ColorValue colorAt(int position, int length) {
        EditorSurface& surface = form.surface();
        surface.setSelStart(position);
        surface.setSelLength(length);
        return surface.selColor();
    }

    MainForm form;
};

TEST_F(ColorControlApplying, RuleWithFilledEndTextColoursEachStartTextByTheCaseOption) {
    form.surface().setText(u"x <b> <B> y"_s);
    addRule(u"<b>"_s);
    const ColorValue red = RgbColor(255, 0, 0);
    const ColorValue black = RgbColor(0, 0, 0);
    for (const bool differCase : {false, true}) {
        child<QCheckBox>(u"ChkDifferCase"_s)->setChecked(differCase);
        click(u"Command5"_s);
        EXPECT_EQ(colorAt(2, 3), red);
        EXPECT_EQ(colorAt(6, 3), differCase ? black : red);
        EXPECT_EQ(colorAt(0, 2), black);
        EXPECT_EQ(colorAt(5, 1), black);
    }
}

} // namespace
