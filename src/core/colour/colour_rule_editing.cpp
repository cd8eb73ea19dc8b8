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
        if (c == u'\r' || c == u'\n' || c == ParagraphSeparator || c == LineSeparator)
            stored += QStringLiteral("\r\n");
        else
            stored += c;
    }
    return stored;
}
