#include "core/settings/window_setups.h"

#include <gtest/gtest.h>

namespace {

TEST(LineColumnsSetup, SelectionLinesCountAndShortestLength) {
    struct Case {
        QString selection;
        QStringList lines;
        int shortest;
    };
    const std::vector<Case> cases{
        {QString(), {}, 0},
        {QStringLiteral("abc"), {QStringLiteral("abc")}, 3},
        {QStringLiteral("abcd\r\nab\r\nabc"),
         {QStringLiteral("abcd"), QStringLiteral("ab"), QStringLiteral("abc")},
         2},
        {QStringLiteral("abc\r\n"), {QStringLiteral("abc"), QString()}, 0},
        // A lone LF is no line break here: only CR LF splits.
        {QStringLiteral("a\nbc\r\nd"), {QStringLiteral("a\nbc"), QStringLiteral("d")}, 1},
    };
    for (const Case& c : cases) {
        const LineColumnsSetup setup = LineColumnsSetupFor(c.selection);
        EXPECT_EQ(setup.lines, c.lines) << c.selection.toStdString();
        EXPECT_EQ(setup.lineCount, c.lines.size());
        EXPECT_EQ(setup.shortestLength, c.shortest) << c.selection.toStdString();
    }
}

TEST(WindowSetups, ListItemsKeepEmptyLines) {
    EXPECT_EQ(ListItemsFromSelection(QStringLiteral("a\r\n\r\nb")),
              (QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")}));
}

TEST(WindowSetups, ListItemsAreTheSelectionCutAtEveryCrLf) {
    const struct {
        QString selected;
        QStringList items;
    } cases[] = {
        {QString(), {}},
        {QStringLiteral("a"), {QStringLiteral("a")}},
        {QStringLiteral("a\r\nb\r\n"), {QStringLiteral("a"), QStringLiteral("b"), QString()}},
        // Lone breaks stay inside their item.
        {QStringLiteral("a\nb\rc"), {QStringLiteral("a\nb\rc")}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ListItemsFromSelection(c.selected), c.items) << c.selected.toStdString();
}

TEST(WindowSetups, RotationTakesTheSelectionAndItsLength) {
    const RotationSetup setup = RotationSetupFor(QStringLiteral("posun\r\n"));
    EXPECT_EQ(setup.original, QStringLiteral("posun\r\n"));
    EXPECT_EQ(setup.maximum, 7);
}

TEST(WindowSetups, ModesOfTheListTagAndFormWindows) {
    EXPECT_EQ(ListEditorSetupFor(ListKind::Bulleted).tag, QStringLiteral("norm"));
    EXPECT_TRUE(ListEditorSetupFor(ListKind::Bulleted).bulletStylesShown);
    EXPECT_EQ(ListEditorSetupFor(ListKind::Numbered).tag, QStringLiteral("cis"));
    EXPECT_TRUE(ListEditorSetupFor(ListKind::Numbered).numberStylesShown);
    EXPECT_EQ(CustomTagSetupFor(CustomTagMode::Attributes).caption,
              QStringLiteral("HTML - atributy"));
    EXPECT_FALSE(CustomTagSetupFor(CustomTagMode::Attributes).nameAndEndTagEnabled);

    const FormBuilderSetup whole = FormBuilderSetupFor(1);
    EXPECT_TRUE(whole.tabStripEnabled);
    EXPECT_EQ(whole.selectCaption, QStringLiteral("&Přidej ..."));
    const FormBuilderSetup textArea = FormBuilderSetupFor(3);
    EXPECT_FALSE(textArea.tabStripEnabled);
    EXPECT_EQ(textArea.textAreaCaption, QStringLiteral("&Ok"));
    EXPECT_TRUE(textArea.inputCaption.isEmpty());
}

} // namespace
