#pragma once

#include "core/colour/colour_rule_set.h"

// Paints the main window's document with set: the whole text first takes the
// set's default text colour (through ApplyEditorFont, with the remembered
// weight, slant and font) and the editor its default background, then each
// rule colours its stretches, later rules over earlier ones.
// selectionOnly: start texts are searched only from the selection's start,
// and a stretch counts only when its end text begins inside the selection
// (an empty selection colours nothing, yet the reset still happens).
// ignoreCase: the text and the rules' texts are lower-cased before the search.
// The text, the selection and the document's modified state stay as they are;
// the busy display with the progress bar, one step per rule, runs meanwhile.
// The reset and the colouring are one formatting step, laid out once; it is
// no editing step: the undo history stays as it was, and undoing never takes
// the colours away.
void ApplyColorSet(const ColorRuleSet& set, bool selectionOnly, bool ignoreCase);
