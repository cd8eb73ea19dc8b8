#pragma once

#include <QString>

// Searching and replacing in a text. Positions here are 1-based, as the find
// windows count them; 0 means "none".

// The 1-based position of the first occurrence of what in text that starts at
// or after from (1-based; anything below 1 counts as 1). Without matchCase
// upper and lower case letters are equal. An empty what is found at from
// itself while from is a character of the text, so a search for nothing
// steps through the text one character at a time and ends past its end.
[[nodiscard]] int FindFrom(const QString& text, const QString& what, int from, bool matchCase);

struct Replaced {
    QString text;
    int count = 0;
};

// text with every occurrence of what replaced by with, scanning left to right
// so that occurrences do not overlap, in one pass. The comparison is always
// exact: upper and lower case are distinct. An empty what replaces nothing.
[[nodiscard]] Replaced ReplaceEvery(const QString& text, const QString& what, const QString& with);
