#pragma once

#include <QDateTime>
#include <QString>
#include <QStringView>
#include <span>

// The menu commands that write a fixed or generated text at the selection
// without opening a window, each named like its menu entry. The enumeration
// below and the shell's list of their menu entries are both made from this one
// list, so each name must be that of an entry of the menu.
#define LITERAL_COMMAND_NAMES(X)                                                                   \
    /* Tag pairs around the selection. */                                                          \
    X(MnuBold)                                                                                     \
    X(MnuHtmlI)                                                                                    \
    X(mnuHTMLU)                                                                                    \
    X(mnustrike)                                                                                   \
    X(mnuhttpbig)                                                                                  \
    X(mnusmaal)                                                                                    \
    X(mnu_strong)                                                                                  \
    X(mnusup)                                                                                      \
    X(mnusub)                                                                                      \
    X(MnuCenter)                                                                                   \
    X(mnupre)                                                                                      \
    X(mnucitetext)                                                                                 \
    X(MnuHTML_Nobr)                                                                                \
    X(MnuHTML_Marquee)                                                                             \
    X(mnucite)                                                                                     \
    X(mnuadress)                                                                                   \
    X(mnutt)                                                                                       \
    X(MnuHTML_code)                                                                                \
    X(MnuHTML_samp)                                                                                \
    X(MnuHTML_em)                                                                                  \
    X(mnuhtml_fno)                                                                                 \
    /* Fixed texts before the selection. */                                                        \
    X(MnuHTMLeft)                                                                                  \
    X(MnuHTMLright)                                                                                \
    X(mnuHTMLAnd)                                                                                  \
    X(Mnu_HTML_CharCopyright)                                                                      \
    X(MNU_HTML_Quot)                                                                               \
    X(MnuHTMLnobr)                                                                                 \
    X(mnubr)                                                                                       \
    X(mnuand)                                                                                      \
    X(mnudolar)                                                                                    \
    X(mnucross)                                                                                    \
    X(mnuSS)                                                                                       \
    X(mnuZav)                                                                                      \
    X(mnubackslash)                                                                                \
    X(mnucop)                                                                                      \
    X(mnureg)                                                                                      \
    X(mnutm)                                                                                       \
    /* Generated texts. */                                                                         \
    X(mnudate)                                                                                     \
    X(mnutime)                                                                                     \
    X(mnuemail)                                                                                    \
    X(mnunahtex)                                                                                   \
    X(mnunahslovo)                                                                                 \
    X(mnunahjmeno)

#define LITERAL_COMMAND_ENUMERATOR(name) name,
enum class LiteralCommand { LITERAL_COMMAND_NAMES(LITERAL_COMMAND_ENUMERATOR) };
#undef LITERAL_COMMAND_ENUMERATOR

#define LITERAL_COMMAND_ONE(name) +1
inline constexpr int LiteralCommandCount = 0 LITERAL_COMMAND_NAMES(LITERAL_COMMAND_ONE);
#undef LITERAL_COMMAND_ONE

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
    LiteralKind kind;
    LiteralMode mode;
    QStringView text; // element name or fixed text; empty for built texts
};

// Every command once, in the order of the enumeration.
[[nodiscard]] std::span<const LiteralCommandEntry> LiteralCommandTable();
[[nodiscard]] const LiteralCommandEntry& LiteralCommandInfo(LiteralCommand command);

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
