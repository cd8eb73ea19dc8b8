#include "core/text/literal_commands.h"
#include "core/text/random_generator.h"
#include "core/text/random_text.h"

#include <QLocale>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Expected {
    QString entry;
    LiteralKind kind;
    QString text;
};

constexpr auto Tag = LiteralKind::TagPair;
constexpr auto Fixed = LiteralKind::FixedText;
constexpr auto Built = LiteralKind::BuiltText;

const Expected Commands[] = {
    {u"MnuBold"_s, Tag, u"B"_s},
    {u"MnuHtmlI"_s, Tag, u"I"_s},
    {u"mnuHTMLU"_s, Tag, u"U"_s},
    {u"mnustrike"_s, Tag, u"STRIKE"_s},
    {u"mnuhttpbig"_s, Tag, u"BIG"_s},
    {u"mnusmaal"_s, Tag, u"SMALL"_s},
    {u"mnu_strong"_s, Tag, u"STRONG"_s},
    {u"mnusup"_s, Tag, u"SUP"_s},
    {u"mnusub"_s, Tag, u"SUB"_s},
    {u"MnuCenter"_s, Tag, u"CENTER"_s},
    {u"mnupre"_s, Tag, u"PRE"_s},
    {u"mnucitetext"_s, Tag, u"BLOCKQUOTE"_s},
    {u"MnuHTML_Nobr"_s, Tag, u"NOBR"_s},
    {u"MnuHTML_Marquee"_s, Tag, u"MARQUEE"_s},
    {u"mnucite"_s, Tag, u"CITE"_s},
    {u"mnuadress"_s, Tag, u"ADDRESS"_s},
    {u"mnutt"_s, Tag, u"TT"_s},
    {u"MnuHTML_code"_s, Tag, u"CODE"_s},
    {u"MnuHTML_samp"_s, Tag, u"SAMP"_s},
    {u"MnuHTML_em"_s, Tag, u"EM"_s},
    {u"mnuhtml_fno"_s, Tag, u"NOFRAMES"_s},
    {u"MnuHTMLeft"_s, Fixed, u"&lt;"_s},
    {u"MnuHTMLright"_s, Fixed, u"&gt;"_s},
    {u"mnuHTMLAnd"_s, Fixed, u"&amp;"_s},
    {u"Mnu_HTML_CharCopyright"_s, Fixed, u"&copy;"_s},
    {u"MNU_HTML_Quot"_s, Fixed, u"&quot;"_s},
    {u"MnuHTMLnobr"_s, Fixed, u"&nbsp;"_s},
    {u"mnubr"_s, Fixed, u"<BR>"_s},
    {u"mnuand"_s, Fixed, u"&"_s},
    {u"mnudolar"_s, Fixed, u"$"_s},
    {u"mnucross"_s, Fixed, u"#"_s},
    {u"mnuSS"_s, Fixed, u"\u00DF"_s},
    {u"mnuZav"_s, Fixed, u"@"_s},
    {u"mnubackslash"_s, Fixed, u"\\"_s},
    {u"mnucop"_s, Fixed, u"\u00A9"_s},
    {u"mnureg"_s, Fixed, u"\u00AE"_s},
    {u"mnutm"_s, Fixed, u"\u2122"_s},
    {u"mnudate"_s, Built, {}},
    {u"mnutime"_s, Built, {}},
    {u"mnuemail"_s, Built, {}},
    {u"mnunahtex"_s, Built, {}},
    {u"mnunahslovo"_s, Built, {}},
    {u"mnunahjmeno"_s, Built, {}},
};

[[nodiscard]] LiteralMode expectedMode(const QString& entry, LiteralKind kind) {
    if (kind == Tag)
        return LiteralMode::WrapSelectionInTag;
    if (entry.startsWith(u"mnunah"_s))
        return LiteralMode::ReplaceSelection;
    return LiteralMode::InsertAtCaret;
}

const QDateTime EveningOfMarchFifth(QDate(2004, 3, 5), QTime(19, 5, 9));

} // namespace

TEST(LiteralCommands, TableGivesEveryCommandItsEntryKindModeAndText) {
    const auto table = LiteralCommandTable();
    ASSERT_EQ(table.size(), std::size(Commands));
    for (std::size_t i = 0; i < table.size(); ++i) {
        const Expected& expected = Commands[i];
        SCOPED_TRACE(expected.entry.toStdString());
        const LiteralCommandEntry& entry = table[i];
        EXPECT_EQ(static_cast<std::size_t>(entry.command), i);
        EXPECT_EQ(entry.kind, expected.kind);
        EXPECT_EQ(entry.mode, expectedMode(expected.entry, expected.kind));
        EXPECT_EQ(entry.text, expected.text);
        EXPECT_EQ(&LiteralCommandInfo(entry.command), &entry);
        if (entry.kind != Built) {
            EXPECT_EQ(LiteralCommandText(entry.command, {}), expected.text);
        }
    }
}

TEST(LiteralCommands, DateAndTimeKeepTheirFormWhateverTheLocale) {
    const QLocale before;
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::Czech, QLocale::Czechia),
                                  QLocale(QLocale::English, QLocale::UnitedStates)}) {
        QLocale::setDefault(locale);
        SCOPED_TRACE(locale.name().toStdString());
        EXPECT_EQ(LiteralCommandText(LiteralCommand::mnudate, {EveningOfMarchFifth, {}, {}}),
                  u"03-05-2004"_s);
        EXPECT_EQ(LiteralCommandText(LiteralCommand::mnutime, {EveningOfMarchFifth, {}, {}}),
                  u"19:05:09"_s);
    }
    QLocale::setDefault(before);
    EXPECT_EQ(TimeText(QDateTime(QDate(2024, 12, 31), QTime(0, 0, 0))), u"00:00:00"_s);
    EXPECT_EQ(DateText(QDateTime(QDate(2024, 12, 31), QTime(0, 0, 0))), u"12-31-2024"_s);
}

TEST(LiteralCommands, EmailLineQuotesTheNameAndBracketsTheAddress) {
    struct Case {
        QString name;
        QString email;
        QString expected;
    };
    const Case cases[] = {
        {u"Jan Novák"_s, u"jan@example.cz"_s, u"\"Jan Novák\" <jan@example.cz>"_s},
        {{}, {}, u"\"\" <>"_s},
        {u"Jan"_s, {}, u"\"Jan\" <>"_s},
        {{}, u"a@b.cz"_s, u"\"\" <a@b.cz>"_s},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LiteralCommandText(LiteralCommand::mnuemail, {{}, c.name, c.email}), c.expected);
}

TEST(LiteralCommands, RandomTextsComeFromTheProgramGenerator) {
    const auto fromSeed = [](const auto& make) {
        Rnd().reset();
        Rnd().seed(31);
        return make();
    };
    const QString word = fromSeed([] { return RandomWord().toLower(); });
    EXPECT_EQ(fromSeed([] { return LiteralCommandText(LiteralCommand::mnunahslovo, {}); }), word);
    EXPECT_TRUE(QRegularExpression(u"^[a-z]+$"_s).match(word).hasMatch());
    EXPECT_EQ(fromSeed([] { return LiteralCommandText(LiteralCommand::mnunahtex, {}); }),
              fromSeed(RandomSentence));
    EXPECT_EQ(fromSeed([] { return LiteralCommandText(LiteralCommand::mnunahjmeno, {}); }),
              fromSeed(RandomName));
}
