#pragma once

#include <QString>

// Transforms the selection commands apply besides the string functions.

// The first letter of every word upper case, the others lower case. A word
// begins at the start and after a NUL, tab, LF, VT, FF, CR or blank.
[[nodiscard]] QString ProperCase(const QString& text);

// The characters in reverse order; a CR LF pair becomes LF CR.
[[nodiscard]] QString ReverseChars(const QString& text);

// The words between blanks shuffled (line breaks stay inside their words),
// joined by single blanks; one RandomInt draw per word.
[[nodiscard]] QString ShuffleWords(const QString& text);

// Every blank becomes CR LF, so a run of blanks gives empty lines.
[[nodiscard]] QString BlanksToLineBreaks(const QString& text);

// Each CR LF line gets its 0-based number, zero-padded to the width of the
// highest number, and a blank in front. An empty text stays empty.
[[nodiscard]] QString NumberLines(const QString& text);

// Every code c becomes 256 - c, and 0 stays 0, so the transform is its own
// inverse on every character of the code page.
[[nodiscard]] QString ComplementCodes(const QString& text);
