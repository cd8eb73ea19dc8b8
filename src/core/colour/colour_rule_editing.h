#pragma once

#include "core/colour/colour_rule_set.h"

#include <QList>
#include <QString>

// How a rule set is matched when it is applied. Kept beside the set, not in
// it, because rule-set files do not store it.
struct ColorRuleOptions {
    // Upper and lower case must match exactly.
    bool DifferCase = false;
    // Only the editor's selection is coloured.
    bool SelectionOnly = false;

    friend bool operator==(const ColorRuleOptions&, const ColorRuleOptions&) = default;
};

inline constexpr int NoCurrentRule = -1;

// The rules in the editor and the one the commands act on: Current is a
// 0-based index, NoCurrentRule exactly when there are no rules.
struct RuleList {
    QList<ColorRule> Rules;
    int Current = NoCurrentRule;

    friend bool operator==(const RuleList&, const RuleList&) = default;
};

// A current index that exists: current itself when it is in the list,
// otherwise the nearest end; NoCurrentRule for an empty list.
[[nodiscard]] int ValidCurrentRule(int current, qsizetype count);

// The end text of a rule whose end entry was left empty: the start text
// without its first character, or the whole start text when it is one
// character long. Searched from the start text's own position, it makes the
// rule colour exactly each occurrence of the start text. A non-empty end
// text is kept as typed.
[[nodiscard]] QString FilledEndText(const QString& startText, const QString& endText);

// Inserts rule at the current position (first when the list is empty); the
// rules from there on move down one place and the new rule becomes current.
[[nodiscard]] RuleList AddRule(const RuleList& list, const ColorRule& rule);
// The current rule becomes rule. Without rules nothing changes.
[[nodiscard]] RuleList UpdateRule(const RuleList& list, const ColorRule& rule);
// Removes the current rule; the rule now at its place, or the new last one,
// becomes current. Without rules nothing changes.
[[nodiscard]] RuleList DeleteRule(const RuleList& list);

// The moves carry the current rule, which stays current; at the end it would
// leave the list is unchanged.
[[nodiscard]] RuleList MoveRuleUp(const RuleList& list);
[[nodiscard]] RuleList MoveRuleDown(const RuleList& list);
[[nodiscard]] RuleList MoveRuleToStart(const RuleList& list);
[[nodiscard]] RuleList MoveRuleToEnd(const RuleList& list);

// The rule as the list row gives it back when clicked: its colour is read
// from the #RRGGBB text, so only red, green and blue survive.
[[nodiscard]] ColorRule RuleAsShown(const ColorRule& rule);

// The text of a multi-line entry as the set stores it: every line break
// (CR LF, a lone CR or LF, a paragraph or line separator) becomes CR LF.
[[nodiscard]] QString WithCrLfBreaks(const QString& entryText);

// A stored text as a multi-line entry holds it: each CR LF, lone CR or lone
// LF is one paragraph separator.
[[nodiscard]] QString AsEntryText(const QString& stored);

// What an edit of a multi-line entry stores, and what of it the entry must
// refuse. Positions count characters of the entry's text.
struct EntryEdit {
    QString Stored;
    qsizetype CutFrom = 0;
    qsizetype CutTo = 0;

    friend bool operator==(const EntryEdit&, const EntryEdit&) = default;
};

// The stored text after the user edited an entry that showed storedBefore
// and now holds entryText; the edit began at changedFrom or later. Only the
// stretch the edit changed is stored anew, its breaks as CR LF: every other
// break keeps its kind, so a loaded lone LF or CR stays one character and
// the text does not grow by editing elsewhere. When the stored text would be
// longer than maxLength, the end of the added stretch [CutFrom, CutTo) is
// refused and Stored is the text without it.
[[nodiscard]] EntryEdit EditEntryText(const QString& storedBefore, const QString& entryText,
                                      qsizetype maxLength, qsizetype changedFrom);
