#include "core/text/text_look.h"

#include "core/text/editor_surface.h"

TextLook LookAtCaret(const EditorSurface& surface) {
    return {surface.selColor(), surface.selBold(), surface.selItalic(), surface.selFontName()};
}
