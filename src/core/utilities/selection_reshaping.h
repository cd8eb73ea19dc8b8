#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>

// The reshapings of the selected text: rotation, repetition and case masks.

// The text rotated left by count: its first count characters moved to the
// end ("klmnop" by 2 gives "mnopkl"). A count outside 0 to the length is
// brought into it, so the whole length gives the text unchanged.
[[nodiscard]] QString RotateLeft(const QString& text, int count);

// The text written times times in a row; nothing for times below 1.
[[nodiscard]] QString RepeatText(const QString& text, int times);
// True when the document, its selection repeated times times, stays within
// limit characters; a count of 1 or less never lengthens it, so it fits.
[[nodiscard]] bool RepetitionFits(qint64 documentLength, qint64 selectionLength, int times,
                                  qint64 limit);

// The mask letters: U upper case, L lower case, I inverted case, R random
// case, P the character as it is.
// What the user typed as a mask: upper-cased, every other character dropped.
[[nodiscard]] QString CleanCaseMask(const QString& typed);
// Each character of the text cased by the mask letter of its place, the
// mask starting again after its last letter and counting every character,
// blanks and line breaks included. A character whose letter is none of the
// five (compared case-sensitively) is dropped, so an empty mask drops all.
// R draws draw(1, 2): 1 lowers, 2 raises.
[[nodiscard]] QString MaskCase(const QString& text, const QString& mask,
                               const std::function<int(int, int)>& draw);
// The same with the program's random generator.
[[nodiscard]] QString MaskCase(const QString& text, const QString& mask);
