// The text menu's look commands and the quick search, through their menu entries.
#include "find_fixture.h"
#include "shell/dialogs/Visual.h"
#include "shell/shared_procedures.h"
#include "shell/window_instances.h"

#include <QCheckBox>

using namespace Qt::StringLiterals;

namespace {

class TextMenu : public FindFixture {
protected:
    struct Look {
        ColorValue color, back;
        bool bold, italic;
        QString font;
        double size;
        bool operator==(const Look&) const = default;
    };
    // The look of the character at position, and the editor's background.
    [[nodiscard]] Look lookAt(int position) const {
        const int start = surface().selStart();
        const int length = surface().selLength();
        surface().setSelStart(position);
        surface().setSelLength(1);
        const Look look{surface().selColor(),  surface().backColor(),   surface().selBold(),
                        surface().selItalic(), surface().selFontName(), surface().selFontSize()};
        surface().setSelStart(start);
        surface().setSelLength(length);
        return look;
    }
    [[nodiscard]] Visual& settings() const { return LoadedWindow<Visual>(); }
};

TEST_F(TextMenu, BoldAndItalicTwiceAreIdentitiesWithChecksAndBoxesInStep) {
    struct Style {
        MenuId entry;
        bool Look::*flag;
        QCheckBox* (Visual::*box)() const;
    };
    const Style styles[] = {{MenuId::mnuEditBold, &Look::bold, &Visual::Check2},
                            {MenuId::mnuitalic, &Look::italic, &Visual::Check3}};
    for (const Style& style : styles) {
        setText(u"abc\r\ndef"_s, 1, 2);
        const Look before = lookAt(6);
        item(style.entry)->trigger();
        EXPECT_TRUE(lookAt(0).*style.flag);
        EXPECT_TRUE(lookAt(6).*style.flag);
        EXPECT_TRUE(item(style.entry)->isChecked());
        EXPECT_TRUE((settings().*style.box)()->isChecked());
        EXPECT_EQ(surface().selStart(), 1);
        EXPECT_EQ(surface().selLength(), 2);

        item(style.entry)->trigger();
        EXPECT_EQ(lookAt(0), before);
        EXPECT_EQ(lookAt(6), before);
        EXPECT_FALSE(item(style.entry)->isChecked());
        EXPECT_FALSE((settings().*style.box)()->isChecked());
    }
}

TEST_F(TextMenu, BoldOnAMixedSelectionFollowsItsFirstCharacter) {
    setText(u"abcd"_s, 0, 2);
    surface().setSelBold(true); // "ab" bold, "cd" not
    surface().setSelStart(1);
    surface().setSelLength(2); // starts bold
    item(MenuId::mnuEditBold)->trigger();
    EXPECT_FALSE(lookAt(0).bold);
    EXPECT_FALSE(lookAt(3).bold);
    EXPECT_FALSE(item(MenuId::mnuEditBold)->isChecked());

    surface().setSelStart(0);
    surface().setSelLength(4);
    item(MenuId::mnuEditBold)->trigger();
    EXPECT_TRUE(lookAt(3).bold);
}

TEST_F(TextMenu, InvertingTwiceRestoresBothColours) {
    setText(u"text"_s);
    ApplyEditorFont(RgbColor(0, 0, 0), false, false, u"Courier New CE"_s);
    surface().setBackColor(RgbColor(255, 255, 255));
    const Look before = lookAt(2);

    item(MenuId::mnuinvert)->trigger();
    EXPECT_EQ(lookAt(2).color, RgbColor(255, 255, 255));
    EXPECT_EQ(lookAt(2).back, RgbColor(0, 0, 0));
    EXPECT_EQ(Program().Applied.AppliedTextColor, RgbColor(255, 255, 255));

    surface().setBackColor(RgbColor(10, 200, 30));
    item(MenuId::mnuinvert)->trigger();
    EXPECT_EQ(lookAt(2).back, RgbColor(245, 55, 225));
    item(MenuId::mnuinvert)->trigger();
    EXPECT_EQ(lookAt(2).back, RgbColor(10, 200, 30));
    // White on black again, as after the first inversion.
    surface().setBackColor(RgbColor(0, 0, 0));
    item(MenuId::mnuinvert)->trigger();
    EXPECT_EQ(lookAt(2), before);
}

TEST_F(TextMenu, BasicFontClearsEveryCheckAndBox) {
    setText(u"text"_s);
    item(MenuId::mnuEditBold)->trigger();
    item(MenuId::mnuitalic)->trigger();
    item(MenuId::mnu24)->trigger();
    surface().setBackColor(RgbColor(1, 2, 3));

    item(MenuId::mnubasic)->trigger();
    EXPECT_EQ(lookAt(1), (Look{RgbColor(0, 0, 0), RgbColor(255, 255, 255), false, false,
                               u"MS Sans Serif"_s, 8}));
    EXPECT_FALSE(item(MenuId::mnuEditBold)->isChecked());
    EXPECT_FALSE(item(MenuId::mnuitalic)->isChecked());
    EXPECT_FALSE(settings().Check2()->isChecked());
    EXPECT_FALSE(settings().Check3()->isChecked());
    EXPECT_TRUE(item(MenuId::mnu08)->isChecked());
    EXPECT_FALSE(item(MenuId::mnu24)->isChecked());
}

class QuickSearch : public FindFixture {
protected:
    [[nodiscard]] QStringList shownTexts() const {
        QStringList texts;
        for (const ScriptedMessageBox::Shown& box : platform.messageBox.shown)
            texts << box.request.title + u": "_s + box.request.text;
        return texts;
    }
};

TEST_F(QuickSearch, AsksAtEveryOverlappingHitThenSaysNotFoundAndTheCount) {
    const struct {
        const char* name;
        QString text;
        int selStart, selLength;
        std::optional<QString> answer;
        int yesAnswers;
        QString proposal;
        QStringList boxes;
        std::pair<int, int> selection;
    } cases[] = {
        {"kept answering Yes",
         u"aaaa"_s,
         0,
         0,
         u"aa"_s,
         3,
         u"Text"_s,
         {u"hledání: Nalezeno na 1 místě, pokračovat ?"_s,
          u"hledání: Nalezeno na 2 místě, pokračovat ?"_s,
          u"hledání: Nalezeno na 3 místě, pokračovat ?"_s, u"Hledání: Nenalezeno !"_s,
          u"Hledání: Nalezeno 3 krát."_s},
         {2, 2}},
        {"No at the first hit",
         u"xaaaa"_s,
         1,
         2,
         u"aa"_s,
         0,
         u"aa"_s,
         {u"hledání: Nalezeno na 2 místě, pokračovat ?"_s, u"Hledání: Nalezeno 1 krát."_s},
         {1, 2}},
        {"case-sensitive",
         u"Text"_s,
         0,
         0,
         u"text"_s,
         0,
         u"Text"_s,
         {u"Hledání: Nenalezeno !"_s, u"Hledání: Nalezeno 0 krát."_s},
         {0, 0}},
        {"cancelled", u"aaaa"_s, 0, 0, std::nullopt, 0, u"Text"_s, {}, {0, 0}},
        {"empty", u"aaaa"_s, 1, 0, QString(), 0, u"Text"_s, {}, {1, 0}},
    };
    for (const auto& c : cases) {
        platform.inputBox.asked.clear();
        setText(c.text, c.selStart, c.selLength);
        platform.inputBox.queue(c.answer);
        for (int i = 0; i < c.yesAnswers; ++i)
            platform.messageBox.queue(MessageBoxAnswer::Yes);
        platform.messageBox.queue(MessageBoxAnswer::No);
        item(MenuId::mnusearch)->trigger();

        ASSERT_EQ(platform.inputBox.asked.size(), 1) << c.name;
        const ScriptedInputBox::Asked& asked = platform.inputBox.asked.front();
        EXPECT_EQ(asked.prompt, u"Vložte prosím text na hledání."_s);
        EXPECT_EQ(asked.title, u"Hledání"_s);
        EXPECT_EQ(asked.defaultText, c.proposal) << c.name;
        EXPECT_EQ(shownTexts(), c.boxes) << c.name;
        EXPECT_EQ(std::make_pair(surface().selStart(), surface().selLength()), c.selection)
            << c.name;
        for (const ScriptedMessageBox::Shown& box : platform.messageBox.shown) {
            const bool question = box.request.title == u"hledání"_s;
            EXPECT_EQ(box.request.buttons,
                      question ? MessageBoxButtons::YesNo : MessageBoxButtons::Ok);
            EXPECT_EQ(box.request.icon, question ? MessageBoxIcon::Question : MessageBoxIcon::None);
        }
        // Drops any answer the case did not use.
        platform.messageBox = ScriptedMessageBox{};
    }
}

} // namespace
