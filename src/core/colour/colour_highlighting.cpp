#include "core/colour/colour_highlighting.h"

#include <algorithm>

namespace {

// Position of needle in text at or after from; an empty needle is found at
// from itself while from lies within the text or at its end.
qsizetype findFrom(const QString& text, const QString& needle, qsizetype from) {
    if (needle.isEmpty())
        return from <= text.size() ? from : -1;
    return text.indexOf(needle, from);
}

ColorRule lowerCased(const ColorRule& rule) {
    return {rule.Color, LowerCasedForMatching(rule.StartText), LowerCasedForMatching(rule.EndText)};
}

// Appends run to runs, joining it to the last run when they touch and share
// their colour.
void appendJoined(std::vector<ColorRun>& runs, const ColorRun& run) {
    if (!runs.empty() && runs.back().color == run.color &&
        runs.back().start + runs.back().length == run.start)
        runs.back().length += run.length;
    else
        runs.push_back(run);
}

// Flattens the stretches of every rule, painted in rule order, into disjoint
// runs: each character remembers the last rule that painted it.
std::vector<ColorRun> painted(qsizetype textLength,
                              const std::vector<std::vector<ColorRun>>& perRule) {
    constexpr int Unpainted = -1;
    std::vector<int> ruleAt(static_cast<std::size_t>(textLength), Unpainted);
    std::vector<ColorValue> colourOf(perRule.size());
    for (std::size_t rule = 0; rule < perRule.size(); ++rule) {
        for (const ColorRun& run : perRule[rule]) {
            colourOf[rule] = run.color;
            std::fill_n(ruleAt.begin() + run.start, run.length, static_cast<int>(rule));
        }
    }
    std::vector<ColorRun> runs;
    for (qsizetype i = 0; i < textLength; ++i) {
        const int rule = ruleAt[static_cast<std::size_t>(i)];
        if (rule != Unpainted)
            appendJoined(runs, {static_cast<int>(i), 1, colourOf[static_cast<std::size_t>(rule)]});
    }
    return runs;
}

} // namespace

QString LowerCasedForMatching(const QString& text) {
    QString lower = text;
    QChar* out = lower.data();
    const qsizetype n = lower.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = out[i];
        if (c.unicode() < 0x80) { // most of a page: skip the Unicode tables
            if (c >= u'A' && c <= u'Z')
                out[i] = QChar(c.unicode() + (u'a' - u'A'));
        } else if (c.isHighSurrogate() && i + 1 < n && out[i + 1].isLowSurrogate()) {
            const char32_t folded = QChar::toLower(QChar::surrogateToUcs4(c, out[i + 1]));
            if (QChar::requiresSurrogates(folded)) {
                out[i] = QChar(QChar::highSurrogate(folded));
                out[i + 1] = QChar(QChar::lowSurrogate(folded));
            }
            ++i;
        } else if (!c.isSurrogate()) {
            out[i] = c.toLower();
        }
    }
    return lower;
}

std::vector<ColorRun> RuleRuns(const QString& text, const ColorRule& rule, int rangeStart,
                               int rangeEnd) {
    std::vector<ColorRun> runs;
    if (rule.StartText.isEmpty() && rule.EndText.isEmpty())
        return runs;
    // An empty end text is found where the start text begins, and the search
    // would never move on: such a rule ends each stretch with its start text.
    const QString& endText = rule.EndText.isEmpty() ? rule.StartText : rule.EndText;
    const qsizetype end = std::min<qsizetype>(rangeEnd, text.size());
    qsizetype position = std::clamp<qsizetype>(rangeStart, 0, text.size());
    for (;;) {
        const qsizetype s = findFrom(text, rule.StartText, position);
        if (s < 0)
            break;
        const qsizetype e = findFrom(text, endText, s);
        if (e < 0 || e >= end)
            break;
        position = e + endText.size();
        runs.push_back({static_cast<int>(s), static_cast<int>(position - s), rule.Color});
    }
    return runs;
}

std::vector<ColorRun> HighlightRuns(const QString& text, const QList<ColorRule>& rules,
                                    const HighlightOptions& options,
                                    const std::function<void(int)>& onRule) {
    const QString searched = options.matchCase ? text : LowerCasedForMatching(text);
    std::vector<std::vector<ColorRun>> perRule;
    perRule.reserve(static_cast<std::size_t>(rules.size()));
    for (qsizetype i = 0; i < rules.size(); ++i) {
        if (onRule)
            onRule(static_cast<int>(i + 1));
        const ColorRule rule = options.matchCase ? rules[i] : lowerCased(rules[i]);
        perRule.push_back(RuleRuns(searched, rule, options.rangeStart, options.rangeEnd));
    }
    const auto colouring = [](const std::vector<ColorRun>& runs) { return !runs.empty(); };
    if (std::count_if(perRule.begin(), perRule.end(), colouring) > 1)
        return painted(text.size(), perRule);
    // One rule's stretches are already disjoint and in order.
    std::vector<ColorRun> runs;
    for (const std::vector<ColorRun>& ruleRuns : perRule)
        for (const ColorRun& run : ruleRuns)
            appendJoined(runs, run);
    return runs;
}
