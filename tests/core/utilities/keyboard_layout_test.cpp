#include "core/utilities/keyboard_layout.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString FunctionKeyNames[] = {u"Command50"_s, u"Command2"_s, u"chkCaps"_s, u"Command51"_s,
                                    u"Check2"_s,    u"Check1"_s,   u"Command1"_s};

TEST(KeyboardLayout, EveryKeyHasOneCharacterAndItsPlace) {
    QSet<QString> captions;
    for (const KeyboardKey& key : CharacterKeys()) {
        EXPECT_EQ(key.name, u"CmnChar"_s);
        EXPECT_EQ(key.caption.size(), 1) << key.caption.toStdString();
        captions.insert(key.caption);
    }
    EXPECT_EQ(captions.size(), KeyboardCharacterKeys);
    const struct {
        int index;
        const char16_t* caption;
    } cases[] = {{0, u"q"},  {5, u"z"},  {10, u"a"}, {19, u"y"},  {26, u"0"}, {40, u"+"},
                 {41, u";"}, {45, u"č"}, {52, u"ť"}, {56, u"\\"}, {62, u" "}, {63, u"%"}};
    for (const auto& c : cases)
        EXPECT_EQ(CharacterKeys().at(c.index).caption, QString::fromUtf16(c.caption)) << c.index;
}

// Keys lie inside the keyboard and never on top of each other.
TEST(KeyboardLayout, KeysDoNotOverlap) {
    std::vector<KeyboardKey> keys(CharacterKeys().begin(), CharacterKeys().end());
    for (const QString& name : FunctionKeyNames) {
        keys.push_back(FunctionKey(name));
        EXPECT_FALSE(keys.back().place.isEmpty()) << name.toStdString();
    }
    const QRect whole(QPoint(0, 0), KeyboardSize());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        EXPECT_TRUE(whole.contains(keys[i].place)) << keys[i].caption.toStdString();
        for (std::size_t j = i + 1; j < keys.size(); ++j)
            EXPECT_FALSE(keys[i].place.intersects(keys[j].place))
                << keys[i].caption.toStdString() << " / " << keys[j].caption.toStdString();
    }
    // The letter rows start further right row by row.
    EXPECT_EQ(CharacterKeys().at(0).place.left(), 480);
    EXPECT_EQ(CharacterKeys().at(10).place.left(), 600);
    EXPECT_EQ(CharacterKeys().at(19).place.left(), 720);
}

TEST(KeyboardLayout, ShiftGivesCapitalLettersOnly) {
    const struct {
        const char16_t* caption;
        bool shift;
        const char16_t* typed;
    } cases[] = {{u"a", false, u"a"}, {u"a", true, u"A"}, {u"č", true, u"Č"}, {u"ů", true, u"Ů"},
                 {u"1", true, u"1"},  {u";", true, u";"}, {u"ť", true, u"Ť"}, {u" ", true, u" "}};
    for (const auto& c : cases)
        EXPECT_EQ(KeyText(QString::fromUtf16(c.caption), c.shift), QString::fromUtf16(c.typed));
}

} // namespace
