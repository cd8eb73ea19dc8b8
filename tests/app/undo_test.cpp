// The undo history of the main window's editor over the program's commands:
// each command that writes the text is one step, and formatting is none.
#include "whole_program.h"

#include "colour/ApplyColorSet.h"
#include "html/effects/ColorFade.h"
#include "html/frames/Frames.h"
#include "html/samples/Template.h"
#include "html/simple/Hr.h"
#include "shell/find/Zamena.h"
#include "shell/shared_procedures.h"
#include "shell/window_instances.h"
#include "utilities/ciphers/ShiftKod.h"
#include "utilities/selection/ToolRap.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTreeWidget>
#include <functional>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

class UndoHistory : public WholeProgram {
protected:
    void run(MenuId id) { form.menu().action(id)->trigger(); }
    void type(const QString& keys) {
        surface().setSelStart(surface().textLength());
        QTest::keyClicks(form.Text1(), keys);
    }
    void undoByKey() {
        form.Text1()->setFocus();
        press(Qt::Key_Z);
    }
    void select(int start, int length) {
        surface().setSelStart(start);
        surface().setSelLength(length);
    }
    template <class Window> void confirm(MenuId id, const QString& ok = u"Command1"_s) {
        run(id);
        LoadedWindow<Window>().template findChild<QPushButton*>(ok)->click();
    }
    void chooseFirstSample() {
        run(MenuId::mnutemplate);
        auto* samples = LoadedWindow<Template>().findChild<QTreeWidget*>(u"ListView1"_s);
        const QRect row = samples->visualItemRect(samples->topLevelItem(0));
        QTest::mouseClick(samples->viewport(), Qt::LeftButton, {}, row.center());
        LoadedWindow<Template>().findChild<QPushButton*>(u"Command1"_s)->click();
    }
    void replaceAll(bool inSelection) {
        run(MenuId::mnuchange);
        Zamena& window = LoadedWindow<Zamena>();
        window.Find()->setText(u"kun"_s);
        window.Chage()->setText(u"KŮŇ"_s);
        window.ChkSelection()->setChecked(inSelection);
        window.Command1()->click();
        window.Command6()->click();
        window.hide();
    }
};

// Typed text, then the command: one Ctrl+Z gives back the typed text, the
// next one takes the typing away.
TEST_F(UndoHistory, EachCommandThatWritesTheTextIsOneStepAfterTheTyping) {
    using Act = std::function<void()>;
    const Act nothing = [] {};
    const struct {
        const char* name;
        Act beforeTyping;
        Act command;
    } cases[] = {
        {"replace all", nothing, [this] { replaceAll(false); }},
        {"replace all in the selection", nothing,
         [this] {
             select(0, 12);
             replaceAll(true);
         }},
        {"code complement", nothing, [this] { run(MenuId::mnuZaKodPrim); }},
        {"replace all by the clipboard", nothing,
         [this] {
             clipboard.setText(u"ze schránky\r\n"_s);
             platform.messageBox.queue(MessageBoxAnswer::Yes);
             run(MenuId::mnuinsert);
         }},
        {"checkpoint back", [this] { run(MenuId::mnu_chp_s); },
         [this] {
             platform.messageBox.queue(MessageBoxAnswer::Yes);
             run(MenuId::mnu_chp_r);
         }},
        {"selection to capitals", nothing,
         [this] {
             select(3, 9);
             run(MenuId::mnubig);
         }},
        {"html dialog", nothing,
         [this] {
             select(4, 3);
             run(MenuId::mnuhr);
             LoadedWindow<Hr>().findChild<QPushButton*>(u"Command1"_s)->click();
         }},
        {"frameset page", nothing, [this] { confirm<Frames>(MenuId::mnuHTML_fset); }},
        {"sample document", nothing, [this] { chooseFirstSample(); }},
        {"colour gradient", nothing,
         [this] {
             select(0, 4);
             confirm<ColorFade>(MenuId::Mnu_HTML_ColorFade);
         }},
        {"letter shift cipher", nothing,
         [this] {
             run(MenuId::mnu_encrypt_shift);
             ShiftKod& cipher = LoadedWindow<ShiftKod>();
             cipher.findChild<QScrollBar*>(u"HScroll1"_s)->setValue(3);
             cipher.findChild<QPushButton*>(u"Command1"_s)->click();
         }},
        {"repetition of the selection", nothing,
         [this] {
             select(0, 4);
             run(MenuId::Mnu_SelText_Rap);
             LoadedWindow<ToolRap>().findChild<QSlider*>(u"SldRapValue"_s)->setValue(3);
             confirm<ToolRap>(MenuId::Mnu_SelText_Rap, u"CmndOK"_s);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        surface().setText(u"Text:\nkun"_s);
        c.beforeTyping();
        type(u" a kun"_s);
        const QString typed = surface().text();
        ASSERT_EQ(typed, u"Text:\nkun a kun"_s);
        c.command();
        ASSERT_NE(surface().text(), typed);

        undoByKey();
        EXPECT_EQ(surface().text(), typed);
        undoByKey();
        EXPECT_EQ(surface().text(), u"Text:\nkun"_s);
    }
}

// A colour rule set and a new editor look between two typed words: each
// word is still its own step, and undoing them leaves the look as it is.
TEST_F(UndoHistory, HighlightingAndTheEditorLookLeaveBothTypingSteps) {
    ColorRuleSet set;
    set.Rules = {{RgbColor(200, 0, 0), u"<"_s, u">"_s}};
    set.DefaultTextColor = RgbColor(0, 0, 90);
    surface().setText(u"<b>"_s);
    type(u" prvni"_s);
    ApplyEditorFont(RgbColor(0, 90, 0), true, false, u"Courier New CE"_s);
    ApplyColorSet(set, false, false);
    surface().setSelStart(0);
    QTest::keyClicks(form.Text1(), u"druhe "_s);
    ASSERT_EQ(surface().text(), u"druhe <b> prvni"_s);

    undoByKey();
    EXPECT_EQ(surface().text(), u"<b> prvni"_s);
    undoByKey();
    EXPECT_EQ(surface().text(), u"<b>"_s);
    EXPECT_FALSE(surface().isUndoAvailable());
    select(1, 1);
    EXPECT_EQ(surface().selColor(), RgbColor(200, 0, 0));
    EXPECT_TRUE(surface().selBold());
}

} // namespace
