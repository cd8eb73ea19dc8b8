#pragma once

#include <QString>
#include <functional>
#include <optional>

// The string functions behind the selection commands and several tool
// windows. Each takes a text and gives a text; "code" means a character's
// byte in the program's code page (Asc), and positions count from 1.

// A lower-case letter becomes upper case, every other character lower case.
[[nodiscard]] QString InvertCase(const QString& text);
// Characters at odd positions upper case, at even positions lower case;
// every character counts, blanks and line breaks included.
[[nodiscard]] QString AlternateCase(const QString& text);
// Each character upper or lower case at random, one draw of RandomInt each.
[[nodiscard]] QString RandomCase(const QString& text);
// The same with the draws of draw(1, 2), one per character: 1 lowers, 2 raises.
[[nodiscard]] QString RandomCase(const QString& text, const std::function<int(int, int)>& draw);
// A letter at an even position becomes "*". A letter is a character whose
// upper case without diacritics is one of A to Z.
[[nodiscard]] QString CensorText(const QString& text);

// Each code as two upper-case hexadecimal digits, groups joined by blanks:
// "abc" gives "61 62 63".
[[nodiscard]] QString TextToHexCodes(const QString& text);
// Each code as three decimal digits, groups joined by blanks: "abc" gives
// "097 098 099".
[[nodiscard]] QString TextToAsciiCodes(const QString& text);

// Blanks removed, the rest read two characters at a time (a last single
// character is a group of its own), each group by the hexadecimal digits it
// opens with (none reads 0) as the code of a character; leading blanks of the
// result trimmed. Any text decodes: "4G" reads 4.
[[nodiscard]] QString HexCodesToText(const QString& codes);
// The same with groups of three characters, each read by the decimal number
// it opens with (sign and fraction included, rounded; none reads 0). A value
// outside 0 to 255 has no character in the code page and gives "?".
[[nodiscard]] QString AsciiCodesToText(const QString& codes);

// Replaces, for each place i of from in turn, every from[i] in the text as
// changed so far by to[i], so replacements chain (with from "ab" and to
// "bc" an "a" ends as "c"). Sets of different lengths give nothing: the
// caller tells the user and keeps its text.
[[nodiscard]] std::optional<QString> TranslateChars(const QString& text, const QString& from,
                                                    const QString& to);
// Czech and German accented letters to their plain letters.
[[nodiscard]] QString StripDiacritics(const QString& text);

// Morse code of the upper-cased text without diacritics. Every letter's code
// ends with "/", a blank adds "/", CH is one letter, and a character without
// a code stays as it is.
[[nodiscard]] QString TextToMorse(const QString& text);

// The characters outside tags: "<" to the next ">" is dropped, an unclosed
// "<" drops the rest, a lone ">" stays.
[[nodiscard]] QString StripHtmlTags(const QString& text);

// Upper case, no diacritics, only A to Z, blank, CR and LF.
[[nodiscard]] QString PrepareCipherText(const QString& text);

// The CR LF lines sorted case-insensitively in Czech order; lines that compare
// equal keep their order. A text ending with CR LF has an empty last line.
[[nodiscard]] QString SortLines(const QString& text);
