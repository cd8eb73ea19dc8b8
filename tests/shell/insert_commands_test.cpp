#include "shell/insert_commands.h"

#include "core/text/editor_surface.h"
#include "core/text/random_generator.h"
#include "core/text/random_text.h"
#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/command_registry.h"
#include "shell/main_window/MainForm.h"
#include "shell/shared_procedures.h"
#include "shell/shell_commands.h"

#include <gtest/gtest.h>
#include <set>

using namespace Qt::StringLiterals;

namespace {

class InsertCommands : public ::testing::Test {
protected:
    InsertCommands() {
        Program() = ProgramState{};
        SetInsertCommandClock([] { return QDateTime(QDate(2004, 3, 5), QTime(19, 5, 9)); });
    }
    ~InsertCommands() override {
        SetInsertCommandClock({});
        Program() = ProgramState{};
    }

    // Sets the text and selects length characters from start.
    static void prepare(const QString& text, int start, int length) {
        MainSurface().setText(text);
        MainSurface().setSelStart(start);
        MainSurface().setSelLength(length);
    }

    TestPlatform platform;
    MainForm mainForm;
};

struct Outcome {
    LiteralCommand command;
    int start;
    int length;
    QString text;
    int caret;
};

} // namespace

TEST_F(InsertCommands, EachModeWritesAtTheSelectionAndLeavesTheCaretAfterwards) {
    Program().Settings.UserName = u"Jan Novák"_s;
    Program().Settings.UserEmail = u"jan@example.cz"_s;
    const QString base = u"0123456789abcdef"_s;
    const Outcome outcomes[] = {
        // A tag pair with nothing selected puts the caret between the tags.
        {LiteralCommand::MnuBold, 10, 0, u"0123456789<B></B>abcdef"_s, 13},
        {LiteralCommand::mnuhtml_fno, 0, 0, u"<NOFRAMES></NOFRAMES>0123456789abcdef"_s, 10},
        {LiteralCommand::MnuBold, 10, 3, u"0123456789<B>abc</B>def"_s, 20},
        // Fixed and dated texts go before the selection, which stays.
        {LiteralCommand::mnubr, 10, 3, u"0123456789<BR>abcdef"_s, 14},
        {LiteralCommand::mnutm, 16, 0, u"0123456789abcdef™"_s, 17},
        {LiteralCommand::mnudate, 10, 3, u"012345678903-05-2004abcdef"_s, 20},
        {LiteralCommand::mnutime, 0, 16, u"19:05:090123456789abcdef"_s, 8},
        {LiteralCommand::mnuemail, 2, 0, u"01\"Jan Novák\" <jan@example.cz>23456789abcdef"_s, 30},
    };
    for (const Outcome& outcome : outcomes) {
        SCOPED_TRACE(outcome.text.toStdString());
        prepare(base, outcome.start, outcome.length);
        RunLiteralCommand(outcome.command);
        EXPECT_EQ(MainSurface().text(), outcome.text);
        EXPECT_EQ(MainSurface().selStart(), outcome.caret);
        EXPECT_EQ(MainSurface().selLength(), 0);
    }
}

TEST_F(InsertCommands, RandomWordReplacesTheSelectedWord) {
    Rnd().reset();
    Rnd().seed(5);
    const QString word = RandomWord().toLower();
    Rnd().reset();
    Rnd().seed(5);
    prepare(u"Ahoj světe!"_s, 5, 5);
    RunLiteralCommand(LiteralCommand::mnunahslovo);
    EXPECT_EQ(MainSurface().text(), u"Ahoj "_s + word + u'!');
    EXPECT_EQ(MainSurface().selStart(), 5 + word.size());
    EXPECT_EQ(MainSurface().selLength(), 0);
}

TEST_F(InsertCommands, RandomTextsWithNothingSelectedGoInAtTheCaret) {
    for (const LiteralCommand command : {LiteralCommand::mnunahtex, LiteralCommand::mnunahjmeno}) {
        prepare(u"<>"_s, 1, 0);
        RunLiteralCommand(command);
        const QString text = MainSurface().text();
        EXPECT_GT(text.size(), 2);
        EXPECT_TRUE(text.startsWith(u'<') && text.endsWith(u'>')) << text.toStdString();
        EXPECT_EQ(MainSurface().selStart(), text.size() - 1);
    }
}

TEST_F(InsertCommands, EveryCommandIsOneChangeOfTheDocument) {
    int changes = 0;
    QObject::connect(&MainSurface(), &EditorSurface::textChanged, &mainForm,
                     [&changes] { ++changes; });
    for (const LiteralCommandEntry& entry : LiteralCommandTable()) {
        SCOPED_TRACE(MainMenuEntry(LiteralCommandMenuId(entry.command)).name);
        prepare(u"abc"_s, 1, 1);
        changes = 0;
        RunLiteralCommand(entry.command);
        EXPECT_EQ(changes, 1);
    }
}

// Each command is registered on the menu entry of its own name, one entry per
// command, and that entry does what the command does.
TEST_F(InsertCommands, EveryCommandRunsFromTheMenuEntryOfItsName) {
    CommandRegistry commands;
    RegisterShellCommands(commands);
    std::set<MenuId> entries;
    for (const LiteralCommandEntry& entry : LiteralCommandTable()) {
        const MenuId id = LiteralCommandMenuId(entry.command);
        SCOPED_TRACE(MainMenuEntry(id).name);
        EXPECT_TRUE(entries.insert(id).second);
        ASSERT_TRUE(commands.has(id));
        if (entry.kind == LiteralKind::BuiltText)
            continue; // random and dated texts differ from run to run
        prepare(u"abc"_s, 1, 1);
        RunLiteralCommand(entry.command);
        const QString direct = MainSurface().text();
        prepare(u"abc"_s, 1, 1);
        commands.run(id, mainForm);
        EXPECT_EQ(MainSurface().text(), direct);
    }
    EXPECT_EQ(entries.size(), std::size_t{LiteralCommandCount});
    EXPECT_STREQ(MainMenuEntry(LiteralCommandMenuId(LiteralCommand::MnuBold)).name, "MnuBold");
    EXPECT_STREQ(MainMenuEntry(LiteralCommandMenuId(LiteralCommand::mnunahjmeno)).name,
                 "mnunahjmeno");
}
