#pragma once

#include <QDateTime>
#include <QString>
#include <QStringView>
#include <optional>
#include <span>

// The menu commands that write a fixed or generated text at the selection
// without opening a window. Each enumerator is named like its menu entry.
enum class LiteralCommand {
    // Tag pairs around the selection.
    MnuBold,
    MnuHtmlI,
    mnuHTMLU,
    mnustrike,
    mnuhttpbig,
    mnusmaal,
    mnu_strong,
    mnusup,
    mnusub,
    MnuCenter,
    mnupre,
    mnucitetext,
    MnuHTML_Nobr,
    MnuHTML_Marquee,
    mnucite,
    mnuadress,
    mnutt,
    MnuHTML_code,
    MnuHTML_samp,
    MnuHTML_em,
    mnuhtml_fno,
    // Fixed texts before the selection.
    MnuHTMLeft,
    MnuHTMLright,
    mnuHTMLAnd,
    Mnu_HTML_CharCopyright,
    MNU_HTML_Quot,
    MnuHTMLnobr,
    mnubr,
    mnuand,
    mnudolar,
    mnucross,
    mnuSS,
    mnuZav,
    mnubackslash,
    mnucop,
    mnureg,
    mnutm,
    // Generated texts.
    mnudate,
    mnutime,
    mnuemail,
    mnunahtex,
    mnunahslovo,
    mnunahjmeno,
};

inline constexpr int LiteralCommandCount = 43;

enum class LiteralKind {
    TagPair,   // the text is an element name
    FixedText, // the text is inserted as it stands
    BuiltText, // the text is made when the command runs
};

// How the text reaches the document.
enum class LiteralMode {
    WrapSelectionInTag, // <X>selection</X>; empty pair with the caret inside
    InsertAtCaret,      // before the selection, which stays unselected
    ReplaceSelection,   // over the selection; at the caret when none
};

struct LiteralCommandEntry {
    LiteralCommand command;
    QStringView entryName; // the menu entry's object name
    LiteralKind kind;
    LiteralMode mode;
    QStringView text; // element name or fixed text; empty for built texts
};

// Every command once, in the order of the enumeration.
[[nodiscard]] std::span<const LiteralCommandEntry> LiteralCommandTable();
[[nodiscard]] const LiteralCommandEntry& LiteralCommandInfo(LiteralCommand command);
// The command of a menu entry's object name (exact case), if it is one.
[[nodiscard]] std::optional<LiteralCommand> LiteralCommandFromEntry(QStringView entryName);

// What the built texts are made from.
struct LiteralInputs {
    QDateTime now;
    QString userName;
    QString userEmail;
};

// The text a command passes to its mode: the element name, the fixed text, or
// the built text. The random texts draw from the program-wide generator.
[[nodiscard]] QString LiteralCommandText(LiteralCommand command, const LiteralInputs& inputs);

// "mm-dd-yyyy", whatever the locale.
[[nodiscard]] QString DateText(const QDateTime& now);
// "hh:mm:ss" on the 24-hour clock, whatever the locale.
[[nodiscard]] QString TimeText(const QDateTime& now);
// "name" <email>; empty fields leave their places empty.
[[nodiscard]] QString EmailLine(const QString& userName, const QString& userEmail);
