// The selected-text commands, run from their entries on the real main window.
#include "shell/edit/selection_commands.h"

#include "core/text/ansi_code_page.h"
#include "platform/surface/RichEditSurface.h"
#include "platform/testing/test_platform.h"
#include "shell/ProgramState.h"
#include "shell/command_registry.h"
#include "shell/main_window/MainForm.h"
#include "shell/main_window/MainMenu.h"
#include "shell/shell_commands.h"

#include <QLabel>
#include <QProgressBar>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class SelectionCommands : public ::testing::Test {
protected:
    SelectionCommands() {
        Program() = ProgramState{};
        RegisterShellCommands(commands);
    }
    ~SelectionCommands() override { Program() = ProgramState{}; }

    void run(MenuId id) { form.menu().runCommand(id); }
    RichEditSurface& surface() { return form.surface(); }
    // The text around a selection of what.
    void selectMiddle(const QString& what) {
        surface().setText(u"<<"_s + what + u">>"_s);
        surface().setSelStart(2);
        surface().setSelLength(static_cast<int>(what.size()));
    }

    TestPlatform platform;
    CommandRegistry commands;
    MainForm form{commands};
};

TEST_F(SelectionCommands, EachEntryReplacesTheSelectionByItsTransform) {
    const struct {
        MenuId id;
        QString selection;
        QString result;
        // The status bar's busy message; empty for quick work.
        QString busyMessage;
    } cases[] = {
        {MenuId::mnusmall, u"ŽLUŤ Kůň"_s, u"žluť kůň"_s, {}},
        {MenuId::mnubig, u"žluť kůň"_s, u"ŽLUŤ KŮŇ"_s, {}},
        {MenuId::Mnu_Chaos, u"chaos"_s, u"ChAoS"_s, {}},
        {MenuId::mnu_CaseInvert, u"Čau"_s, u"čAU"_s, {}},
        {MenuId::mnupropercase, u"pAN nOVÁK"_s, u"Pan Novák"_s, {}},
        {MenuId::Mnu_Pres_Str2Hex, u"abc"_s, u"61 62 63"_s, {}},
        {MenuId::Mnu_Pres_Hex2Str, u"61 62 63"_s, u"abc"_s, {}},
        {MenuId::Mnu_Pres_Str2Ascii, u"abc"_s, u"097 098 099"_s, {}},
        {MenuId::Mnu_Pres_Ascii2Str, u"097 098 099"_s, u"abc"_s, {}},
        // Groups that are no codes decode too, a group without digits as NUL.
        {MenuId::Mnu_Pres_Hex2Str, u"61 ZZ 4G"_s, u"a"_s + QChar(0) + u"\u0004"_s, {}},
        {MenuId::Mnu_Pres_Ascii2Str, u"65,066"_s, u"AB"_s, {}},
        {MenuId::mnuprevrat, u"ab\r\nc"_s, u"c\n\rba"_s, {}},
        {MenuId::Mnu_Sort_Lines, u"b\r\nA\r\na"_s, u"A\r\na\r\nb"_s,
         u"Seřazuji řádky podle abecedy ..."_s},
        {MenuId::Mnu_Censore, u"Ahoj"_s, u"A*o*"_s, {}},
        {MenuId::MnuSelTextDivideWordsToLines, u"a b"_s, u"a\r\nb"_s,
         u"Rozděluji slova na jednotlivé řádky ..."_s},
        {MenuId::mnuEnterLineNumbers, u"a\r\nb"_s, u"0 a\r\n1 b"_s,
         u"Přidávám čísla řádků k textu ..."_s},
        {MenuId::mnuHackyCarky, u"kůň"_s, u"kun"_s, {}},
        {MenuId::mnuMakeMorse, u"A B"_s, u".-//-.../"_s, u"Převádím výběr na morseovku ..."_s},
        {MenuId::MnuSelTextDada, u"slovo"_s, u"slovo"_s,
         u"Vytvářím dadaistickou báseň z výběru ..."_s},
        {MenuId::Mnu_SelText_RndCharOrder, u"aaa"_s, u"aaa"_s, {}},
        {MenuId::mnu_untext, u"123"_s, u"123"_s, {}},
    };
    for (const auto& c : cases) {
        const char* name = MainMenuEntry(c.id).name;
        form.panel(4)->setText(u"před"_s);
        platform.busyCursor.calls.clear();
        selectMiddle(c.selection);
        run(c.id);
        EXPECT_EQ(surface().text(), u"<<"_s + c.result + u">>"_s) << name;
        EXPECT_TRUE(platform.messageBox.shown.isEmpty()) << name;
        EXPECT_TRUE(form.Status()->isHidden()) << name;
        if (c.busyMessage.isEmpty()) {
            EXPECT_TRUE(platform.busyCursor.calls.isEmpty()) << name;
        } else {
            EXPECT_EQ(form.panel(4)->text(), c.busyMessage) << name;
            ASSERT_EQ(platform.busyCursor.calls.size(), 2) << name;
            EXPECT_TRUE(platform.busyCursor.calls.front().second) << name;
            EXPECT_FALSE(platform.busyCursor.calls.back().second) << name;
        }
    }
}

TEST_F(SelectionCommands, CodeComplementOfTheWholeTextUndoesItself) {
    QString text = u"Žluťoučký kůň\r\nÚ"_s;
    text += QChar(0);
    surface().setText(text);
    run(MenuId::mnuZaKodPrim);
    EXPECT_EQ(surface().text().size(), text.size());
    EXPECT_EQ(surface().text().at(1), Chr(256 - Asc(u'l')));
    EXPECT_EQ(surface().text().back(), QChar(0));
    EXPECT_EQ(surface().lineCount(), 1);
    EXPECT_EQ(form.panel(4)->text(), u"Kóduji text"_s);
    run(MenuId::mnuZaKodPrim);
    EXPECT_EQ(surface().text(), text);
}

TEST_F(SelectionCommands, TranslationWithUnequalSetsIsToldAndGivesNothing) {
    EXPECT_EQ(TranslateCharsOrTell(u"abc"_s, u"ab"_s, u"xy"_s), u"xyc"_s);
    EXPECT_TRUE(platform.messageBox.shown.isEmpty());
    EXPECT_EQ(TranslateCharsOrTell(u"abc"_s, u"ab"_s, u"x"_s), std::nullopt);
    ASSERT_EQ(platform.messageBox.shown.size(), 1);
    const MessageBoxRequest& message = platform.messageBox.shown.front().request;
    EXPECT_EQ(message.text, u"Nelze úrovést konverzi - Chybné argumenty"_s);
    EXPECT_EQ(message.title, u"Tarvel Qor"_s);
    EXPECT_EQ(message.icon, MessageBoxIcon::None);
    EXPECT_EQ(message.buttons, MessageBoxButtons::Ok);
}

} // namespace
