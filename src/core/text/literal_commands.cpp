#include "core/text/literal_commands.h"

#include "core/text/random_text.h"

#include <QLocale>
#include <array>

namespace {

using enum LiteralCommand;

[[nodiscard]] constexpr LiteralCommandEntry tagPair(LiteralCommand command, QStringView element) {
    return {command, LiteralKind::TagPair, LiteralMode::WrapSelectionInTag, element};
}

[[nodiscard]] constexpr LiteralCommandEntry fixedText(LiteralCommand command, QStringView text) {
    return {command, LiteralKind::FixedText, LiteralMode::InsertAtCaret, text};
}

[[nodiscard]] constexpr LiteralCommandEntry builtText(LiteralCommand command, LiteralMode mode) {
    return {command, LiteralKind::BuiltText, mode, {}};
}

constexpr std::array<LiteralCommandEntry, LiteralCommandCount> Table{
    tagPair(MnuBold, u"B"),
    tagPair(MnuHtmlI, u"I"),
    tagPair(mnuHTMLU, u"U"),
    tagPair(mnustrike, u"STRIKE"),
    tagPair(mnuhttpbig, u"BIG"),
    tagPair(mnusmaal, u"SMALL"),
    tagPair(mnu_strong, u"STRONG"),
    tagPair(mnusup, u"SUP"),
    tagPair(mnusub, u"SUB"),
    tagPair(MnuCenter, u"CENTER"),
    tagPair(mnupre, u"PRE"),
    tagPair(mnucitetext, u"BLOCKQUOTE"),
    tagPair(MnuHTML_Nobr, u"NOBR"),
    tagPair(MnuHTML_Marquee, u"MARQUEE"),
    tagPair(mnucite, u"CITE"),
    tagPair(mnuadress, u"ADDRESS"),
    tagPair(mnutt, u"TT"),
    tagPair(MnuHTML_code, u"CODE"),
    tagPair(MnuHTML_samp, u"SAMP"),
    tagPair(MnuHTML_em, u"EM"),
    tagPair(mnuhtml_fno, u"NOFRAMES"),

    fixedText(MnuHTMLeft, u"&lt;"),
    fixedText(MnuHTMLright, u"&gt;"),
    fixedText(mnuHTMLAnd, u"&amp;"),
    fixedText(Mnu_HTML_CharCopyright, u"&copy;"),
    fixedText(MNU_HTML_Quot, u"&quot;"),
    fixedText(MnuHTMLnobr, u"&nbsp;"),
    fixedText(mnubr, u"<BR>"),
    fixedText(mnuand, u"&"),
    fixedText(mnudolar, u"$"),
    fixedText(mnucross, u"#"),
    fixedText(mnuSS, u"ß"),
    fixedText(mnuZav, u"@"),
    fixedText(mnubackslash, u"\\"),
    fixedText(mnucop, u"©"),
    fixedText(mnureg, u"®"),
    fixedText(mnutm, u"™"),

    builtText(mnudate, LiteralMode::InsertAtCaret),
    builtText(mnutime, LiteralMode::InsertAtCaret),
    builtText(mnuemail, LiteralMode::InsertAtCaret),
    builtText(mnunahtex, LiteralMode::ReplaceSelection),
    builtText(mnunahslovo, LiteralMode::ReplaceSelection),
    builtText(mnunahjmeno, LiteralMode::ReplaceSelection),
};

[[nodiscard]] constexpr bool tableFollowsTheEnumeration() {
    for (std::size_t i = 0; i < Table.size(); ++i) {
        if (static_cast<std::size_t>(Table[i].command) != i)
            return false;
    }
    return true;
}
static_assert(tableFollowsTheEnumeration(), "LiteralCommandInfo indexes the table by command");

[[nodiscard]] QString makeBuiltText(LiteralCommand command, const LiteralInputs& inputs) {
    switch (command) {
    case mnudate:
        return DateText(inputs.now);
    case mnutime:
        return TimeText(inputs.now);
    case mnuemail:
        return EmailLine(inputs.userName, inputs.userEmail);
    case mnunahtex:
        return RandomSentence();
    case mnunahslovo:
        return RandomWord().toLower();
    case mnunahjmeno:
        return RandomName();
    default:
        return {};
    }
}

} // namespace

std::span<const LiteralCommandEntry> LiteralCommandTable() {
    return Table;
}

const LiteralCommandEntry& LiteralCommandInfo(LiteralCommand command) {
    return Table[static_cast<std::size_t>(command)];
}

QString LiteralCommandText(LiteralCommand command, const LiteralInputs& inputs) {
    const LiteralCommandEntry& entry = LiteralCommandInfo(command);
    if (entry.kind == LiteralKind::BuiltText)
        return makeBuiltText(command, inputs);
    return entry.text.toString();
}

QString DateText(const QDateTime& now) {
    return QLocale::c().toString(now, QStringLiteral("MM-dd-yyyy"));
}

QString TimeText(const QDateTime& now) {
    return QLocale::c().toString(now, QStringLiteral("HH:mm:ss"));
}

QString EmailLine(const QString& userName, const QString& userEmail) {
    return u'"' + userName + QStringLiteral("\" <") + userEmail + u'>';
}
