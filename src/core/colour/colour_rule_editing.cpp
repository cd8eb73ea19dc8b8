#include "core/colour/colour_rule_editing.h"

#include "core/colour/colour_text.h"

#include <algorithm>

namespace {

constexpr QChar ParagraphSeparator(0x2029);
constexpr QChar LineSeparator(0x2028);

// The list with its current index made valid, so every command can trust it.
[[nodiscard]] RuleList Normalised(const RuleList& list) {
    return {list.Rules, ValidCurrentRule(list.Current, list.Rules.size())};
}

// Takes the current rule out and puts it back at target, where it stays current.
[[nodiscard]] RuleList MovedTo(const RuleList& list, int target) {
    RuleList moved = Normalised(list);
    if (moved.Current == NoCurrentRule || moved.Current == target)
        return moved;
    moved.Rules.move(moved.Current, target);
    moved.Current = target;
    return moved;
}

[[nodiscard]] bool IsEntryBreak(QChar c) {
    return c == u'\r' || c == u'\n' || c == ParagraphSeparator || c == LineSeparator;
}

// Where the character at entryPosition starts in the stored text.
[[nodiscard]] qsizetype StoredPosition(const QString& stored, qsizetype entryPosition) {
    qsizetype at = 0;
    for (qsizetype i = 0; i < entryPosition && at < stored.size(); ++i) {
        const bool crLf =
            stored.at(at) == u'\r' && at + 1 < stored.size() && stored.at(at + 1) == u'\n';
        at += crLf ? 2 : 1;
    }
    return at;
}

// Both kinds of separator the entry may hold count as one break.
[[nodiscard]] QChar EntryChar(const QString& text, qsizetype i) {
    const QChar c = text.at(i);
    return c == LineSeparator ? ParagraphSeparator : c;
}

} // namespace

int ValidCurrentRule(int current, qsizetype count) {
    if (count <= 0)
        return NoCurrentRule;
    return std::clamp(current, 0, static_cast<int>(count - 1));
}

QString FilledEndText(const QString& startText, const QString& endText) {
    if (!endText.isEmpty())
        return endText;
    return startText.size() == 1 ? startText : startText.mid(1);
}

RuleList AddRule(const RuleList& list, const ColorRule& rule) {
    RuleList added = Normalised(list);
    const int at = std::max(added.Current, 0);
    added.Rules.insert(at, rule);
    added.Current = at;
    return added;
}

RuleList UpdateRule(const RuleList& list, const ColorRule& rule) {
    RuleList updated = Normalised(list);
    if (updated.Current != NoCurrentRule)
        updated.Rules[updated.Current] = rule;
    return updated;
}

RuleList DeleteRule(const RuleList& list) {
    RuleList left = Normalised(list);
    if (left.Current == NoCurrentRule)
        return left;
    left.Rules.removeAt(left.Current);
    left.Current = ValidCurrentRule(left.Current, left.Rules.size());
    return left;
}

RuleList MoveRuleUp(const RuleList& list) {
    const RuleList valid = Normalised(list);
    return MovedTo(valid, std::max(valid.Current - 1, 0));
}

RuleList MoveRuleDown(const RuleList& list) {
    const RuleList valid = Normalised(list);
    return MovedTo(valid, ValidCurrentRule(valid.Current + 1, valid.Rules.size()));
}

RuleList MoveRuleToStart(const RuleList& list) {
    return MovedTo(list, 0);
}

RuleList MoveRuleToEnd(const RuleList& list) {
    return MovedTo(list, static_cast<int>(list.Rules.size()) - 1);
}

ColorRule RuleAsShown(const ColorRule& rule) {
    return {HexToColor(ColorToHex(rule.Color)), rule.StartText, rule.EndText};
}

QString WithCrLfBreaks(const QString& entryText) {
    QString stored;
    stored.reserve(entryText.size() + entryText.size() / 8);
    for (qsizetype i = 0; i < entryText.size(); ++i) {
        const QChar c = entryText.at(i);
        if (c == u'\r' && i + 1 < entryText.size() && entryText.at(i + 1) == u'\n')
            continue; // the LF that follows writes the pair
        if (IsEntryBreak(c))
            stored += QStringLiteral("\r\n");
        else
            stored += c;
    }
    return stored;
}

QString AsEntryText(const QString& stored) {
    QString entry;
    entry.reserve(stored.size());
    for (qsizetype i = 0; i < stored.size(); ++i) {
        const QChar c = stored.at(i);
        if (c == u'\r' && i + 1 < stored.size() && stored.at(i + 1) == u'\n')
            continue; // the LF that follows stands for the pair
        entry += c == u'\r' || c == u'\n' ? ParagraphSeparator : c;
    }
    return entry;
}

EntryEdit EditEntryText(const QString& storedBefore, const QString& entryText, qsizetype maxLength,
                        qsizetype changedFrom) {
    const QString before = AsEntryText(storedBefore);
    const qsizetype shorter = std::min(before.size(), entryText.size());
    qsizetype start = 0;
    const qsizetype startLimit = std::clamp<qsizetype>(changedFrom, 0, shorter);
    while (start < startLimit && before.at(start) == EntryChar(entryText, start))
        ++start;
    qsizetype kept = 0; // characters kept at the end
    while (kept < shorter - start &&
           before.at(before.size() - 1 - kept) == EntryChar(entryText, entryText.size() - 1 - kept))
        ++kept;

    const QString head = storedBefore.left(StoredPosition(storedBefore, start));
    const QString tail = storedBefore.mid(StoredPosition(storedBefore, before.size() - kept));
    const qsizetype addedEnd = entryText.size() - kept;
    qsizetype fits = addedEnd;
    qsizetype length =
        head.size() + WithCrLfBreaks(entryText.mid(start, addedEnd - start)).size() + tail.size();
    while (fits > start && length > maxLength) {
        --fits;
        length -= IsEntryBreak(entryText.at(fits)) ? 2 : 1;
    }
    return {head + WithCrLfBreaks(entryText.mid(start, fits - start)) + tail, fits, addedEnd};
}
