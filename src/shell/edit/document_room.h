#pragma once

#include <QString>

class EditorSurface;

// A document longer than the largest one the program opens could be saved,
// also by the exit autosave, but never opened again. Every way of adding text
// from outside (the clipboard, a file, a drop, a sample) asks here first.

// Whether a text of length characters makes a document by itself.
[[nodiscard]] bool FitsInADocument(qint64 length);

// Whether a document that keeps keptLength of its characters and takes
// addedLength more stays within the largest document. When not, the user is
// told, under title, that what (such as "Text ze schránky (3000025 znaků)")
// cannot be inserted, with the length the document would have and the
// largest; the caller then leaves the document as it is.
[[nodiscard]] bool InsertionFits(const QString& title, const QString& what, qint64 keptLength,
                                 qint64 addedLength);

// InsertionFits for the clipboard's text, named "Text ze schránky" with its
// length, under the title "Vložení".
[[nodiscard]] bool ClipboardTextFits(qint64 keptLength, qint64 clipboardLength);

// InsertionFits for a text dropped on the surface or pasted by the widget's
// own key, which takes the selection's place.
[[nodiscard]] bool InsertedTextFits(const EditorSurface& surface, qint64 insertedLength);
