#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The exact texts of the HTML menu's direct commands, which work on the
// selection or wrap it.

// An opening and a closing text written around the selection.
struct TagWrap {
    QString open;
    QString close;

    friend bool operator==(const TagWrap&, const TagWrap&) = default;
};

// Every first of four characters as <SUB>, every third as <SUP>, counting
// every character, line breaks included.
[[nodiscard]] QString HtmlWave(const QString& text);

// The text as a listing a page can show: tags escaped and bold, line ends
// as visible breaks, runs of blanks kept, all in <TT>. "&" is not escaped.
[[nodiscard]] QString PublishableListing(const QString& text);

// A PHP script that echoes the text line by line (lines split at CR LF).
[[nodiscard]] QString PhpEchoScript(const QString& text);

[[nodiscard]] TagWrap CommentWrap();
// A level-two heading between two short rules.
[[nodiscard]] TagWrap TwoRuleHeadingWrap();
// The selection centred in a table row between two rules.
[[nodiscard]] TagWrap TableHeadingWrap();

// A tag of the user's own: its name, its attribute names and their values by
// index, and whether it has an end tag.
struct CustomTag {
    QString name;
    QStringList attributes;
    QStringList values;
    bool paired = false;
};

// The attributes alone, each as a space and NAME="value", names and values
// copied as they stand; a name without a value gets an empty one.
[[nodiscard]] QString CustomAttributeText(const QStringList& attributes, const QStringList& values);
// The opening tag and, for a paired tag, the closing one (else ""). An empty
// name is written as it stands: "<" and ">" around the attributes.
[[nodiscard]] TagWrap CustomTagText(const CustomTag& tag);

// The length of a colour value: "#" and six hexadecimal digits.
inline constexpr int ColourValueLength = 7;

// Where a colour value stands in the text and how many of its characters
// there are (fewer than seven at the end of the text).
struct ColourValueSpan {
    int start = 0;
    int length = 0;
    friend bool operator==(const ColourValueSpan&, const ColourValueSpan&) = default;
};

// The colour value nearest before the caret: the "#" of the last quotation
// mark followed by "#" at or before the caret, with the characters after it
// up to a value's length, whatever they are. None when the text up to and
// including the character after the caret holds no quotation mark followed by
// "#".
[[nodiscard]] std::optional<ColourValueSpan> ColourValueAt(const QString& text, int caret);
