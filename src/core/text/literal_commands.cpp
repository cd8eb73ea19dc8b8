#include "core/text/literal_commands.h"

#include "core/text/random_text.h"

#include <QLocale>
#include <algorithm>
#include <array>

namespace {

using enum LiteralCommand;

[[nodiscard]] constexpr LiteralCommandEntry tagPair(LiteralCommand command, QStringView entry,
                                                    QStringView element) {
    return {command, entry, LiteralKind::TagPair, LiteralMode::WrapSelectionInTag, element};
}

[[nodiscard]] constexpr LiteralCommandEntry fixedText(LiteralCommand command, QStringView entry,
                                                      QStringView text) {
    return {command, entry, LiteralKind::FixedText, LiteralMode::InsertAtCaret, text};
}

[[nodiscard]] constexpr LiteralCommandEntry builtText(LiteralCommand command, QStringView entry,
                                                      LiteralMode mode) {
    return {command, entry, LiteralKind::BuiltText, mode, {}};
}

constexpr std::array<LiteralCommandEntry, LiteralCommandCount> Table{
    tagPair(MnuBold, u"MnuBold", u"B"),
    tagPair(MnuHtmlI, u"MnuHtmlI", u"I"),
    tagPair(mnuHTMLU, u"mnuHTMLU", u"U"),
    tagPair(mnustrike, u"mnustrike", u"STRIKE"),
    tagPair(mnuhttpbig, u"mnuhttpbig", u"BIG"),
    tagPair(mnusmaal, u"mnusmaal", u"SMALL"),
    tagPair(mnu_strong, u"mnu_strong", u"STRONG"),
    tagPair(mnusup, u"mnusup", u"SUP"),
    tagPair(mnusub, u"mnusub", u"SUB"),
    tagPair(MnuCenter, u"MnuCenter", u"CENTER"),
    tagPair(mnupre, u"mnupre", u"PRE"),
    tagPair(mnucitetext, u"mnucitetext", u"BLOCKQUOTE"),
    tagPair(MnuHTML_Nobr, u"MnuHTML_Nobr", u"NOBR"),
    tagPair(MnuHTML_Marquee, u"MnuHTML_Marquee", u"MARQUEE"),
    tagPair(mnucite, u"mnucite", u"CITE"),
    tagPair(mnuadress, u"mnuadress", u"ADDRESS"),
    tagPair(mnutt, u"mnutt", u"TT"),
    tagPair(MnuHTML_code, u"MnuHTML_code", u"CODE"),
    tagPair(MnuHTML_samp, u"MnuHTML_samp", u"SAMP"),
    tagPair(MnuHTML_em, u"MnuHTML_em", u"EM"),
    tagPair(mnuhtml_fno, u"mnuhtml_fno", u"NOFRAMES"),

    fixedText(MnuHTMLeft, u"MnuHTMLeft", u"&lt;"),
    fixedText(MnuHTMLright, u"MnuHTMLright", u"&gt;"),
    fixedText(mnuHTMLAnd, u"mnuHTMLAnd", u"&amp;"),
    fixedText(Mnu_HTML_CharCopyright, u"Mnu_HTML_CharCopyright", u"&copy;"),
    fixedText(MNU_HTML_Quot, u"MNU_HTML_Quot", u"&quot;"),
    fixedText(MnuHTMLnobr, u"MnuHTMLnobr", u"&nbsp;"),
    fixedText(mnubr, u"mnubr", u"<BR>"),
    fixedText(mnuand, u"mnuand", u"&"),
    fixedText(mnudolar, u"mnudolar", u"$"),
    fixedText(mnucross, u"mnucross", u"#"),
    fixedText(mnuSS, u"mnuSS", u"ß"),
    fixedText(mnuZav, u"mnuZav", u"@"),
    fixedText(mnubackslash, u"mnubackslash", u"\\"),
    fixedText(mnucop, u"mnucop", u"©"),
    fixedText(mnureg, u"mnureg", u"®"),
    fixedText(mnutm, u"mnutm", u"™"),

    builtText(mnudate, u"mnudate", LiteralMode::InsertAtCaret),
    builtText(mnutime, u"mnutime", LiteralMode::InsertAtCaret),
    builtText(mnuemail, u"mnuemail", LiteralMode::InsertAtCaret),
    builtText(mnunahtex, u"mnunahtex", LiteralMode::ReplaceSelection),
    builtText(mnunahslovo, u"mnunahslovo", LiteralMode::ReplaceSelection),
    builtText(mnunahjmeno, u"mnunahjmeno", LiteralMode::ReplaceSelection),
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

std::optional<LiteralCommand> LiteralCommandFromEntry(QStringView entryName) {
    const auto* found = std::find_if(Table.begin(), Table.end(), [entryName](const auto& entry) {
        return entry.entryName == entryName;
    });
    if (found == Table.end())
        return std::nullopt;
    return found->command;
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
