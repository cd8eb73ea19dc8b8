#pragma once

class QWidget;

// A window the program hides and shows again comes back where it was. Its
// place is kept as the client area's corner both ways, read as it is hidden
// and given back as it is shown: the frame around it belongs to the window
// manager, which may take it away or report the corner elsewhere while the
// window is hidden, so a frame corner read one way and set the other would
// move the window by the frame's width on every showing. A place the program
// gives the window while it is hidden wins; a maximised or minimised window
// keeps to the window manager. Installing it twice changes nothing.
void KeepPlaceWhileHidden(QWidget& window);
