#pragma once

#include <QList>
#include <QString>
#include <optional>

// What the tag editor reads from a tag in the document and writes back.

// One attribute as the pair lists hold it.
struct AttributePair {
    QString name;
    QString value;

    friend bool operator==(const AttributePair&, const AttributePair&) = default;
};

// Where a tag stands in a text: its "<" and its length up to its ">".
struct TagSpan {
    int start = 0;
    int length = 0;

    friend bool operator==(const TagSpan&, const TagSpan&) = default;
};

// The tag the caret stands in or nearest before it: the last "<" at or
// before the caret (the character just after the caret counts) up to the
// first ">" after it. None when no "<" stands there or no ">" follows it.
[[nodiscard]] std::optional<TagSpan> FindTagAt(const QString& text, int caret);

// A tag split for editing.
struct TagParts {
    QString name;
    QList<AttributePair> pairs;
    // A closing "/" of an empty element, with the blank before it when it
    // had one: "", "/" or " /".
    QString ending;

    friend bool operator==(const TagParts&, const TagParts&) = default;
};

// Splits a tag ("<" to ">") the way a browser reads its attributes: any
// blank (space, tab, line break) separates them, blanks may stand around
// "=", a value in double or single quotes is taken whole. A bare word
// first in the tag gets the value "True"; a bare word after an unquoted
// value belongs to that value, and bare words at the start form one name.
// A comment, declaration or processing instruction ("<!", "<?") has no
// attributes: all of it is the name.
[[nodiscard]] TagParts SplitTag(const QString& tag);

// "<", the name, each pair as NAME="value", the ending and ">". A value
// holding a double quote but no single one is written in single quotes, so
// it reads back whole; other values are copied as they stand.
[[nodiscard]] QString BuildTag(const TagParts& parts);
