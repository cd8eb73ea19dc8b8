#pragma once

#include "core/colour/colour_rule_set.h"
#include "core/colour/colour_run.h"

#include <QString>
#include <functional>
#include <limits>
#include <vector>

// How a rule set is matched against a text.
struct HighlightOptions {
    // Compare upper and lower case exactly; otherwise the text and the rules'
    // texts are lower-cased before the search.
    bool matchCase = false;
    // Start texts are searched from rangeStart on, and an end text counts only
    // when it begins before rangeEnd; its stretch may run past rangeEnd.
    int rangeStart = 0;
    int rangeEnd = std::numeric_limits<int>::max();
};

// text lower-cased one character at a time, so every position keeps its
// character (a character whose lower case would change the length stays).
[[nodiscard]] QString LowerCasedForMatching(const QString& text);

// The stretches one rule colours in one forward pass: from an occurrence of
// its start text through the first occurrence of its end text at or after it
// (the end text may overlap the start text), then on from just behind that.
// A rule without an end text colours each occurrence of its start text; a
// rule without either text colours nothing. Texts are compared exactly.
[[nodiscard]] std::vector<ColorRun> RuleRuns(const QString& text, const ColorRule& rule,
                                             int rangeStart, int rangeEnd);

// The colouring of text by rules: each rule paints its stretches in turn, so
// where stretches overlap the later rule wins. The result is disjoint runs in
// increasing order, neighbours of one colour joined; characters no rule
// reaches are in no run. onRule(n) is called before rule n (counted from 1)
// is searched.
[[nodiscard]] std::vector<ColorRun> HighlightRuns(const QString& text,
                                                  const QList<ColorRule>& rules,
                                                  const HighlightOptions& options,
                                                  const std::function<void(int)>& onRule = {});
