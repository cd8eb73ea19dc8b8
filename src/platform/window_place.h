#pragma once

#include <QMargins>
#include <QPoint>

class QWidget;

// Once the window manager has framed the shown window (within a few seconds
// of its next showing), puts the frame's corner there if it stands
// elsewhere. A move the program makes before that wins.
void PutFrameCornerWhenFramed(QWidget& window, QPoint corner);

// The frame around the window as the window manager reports it now.
[[nodiscard]] QMargins FrameMarginsAround(const QWidget& window);

// The frame around the window as last seen in its normal state, once a
// window given a frame corner above has been framed there; null before.
// A maximised window's frame may lack the borders it comes back with.
[[nodiscard]] QMargins NormalFrameMargins(const QWidget& window);

// A window the program hides and shows again comes back where it was, with
// its title bar brought onto the monitor it shows on where it was left
// above the screen or off its side. Its
// place is kept as the client area's corner both ways, read as it is hidden
// and given back as it is shown: the frame around it belongs to the window
// manager, which may take it away or report the corner elsewhere while the
// window is hidden, so a frame corner read one way and set the other would
// move the window by the frame's width on every showing. A place the program
// gives the window while it is hidden wins; a maximised or minimised window
// keeps to the window manager. A window manager that frames the window again
// elsewhere is overruled once the frame is known. Installing it twice
// changes nothing.
void KeepPlaceWhileHidden(QWidget& window);
