#pragma once
// Where a window opens: wholly inside the screen's available area (the
// desktop less its panels), title bar and frame included, centred there. A
// window larger than that area keeps its client area at its own size and
// shows it in a scroll area, the window cut down to the room there is, so
// that nothing of it lies out of reach on an 800 x 600 screen.
//
// The frame that the window system draws is known only once a window has
// been shown with one: until then an estimate stands for it, and the first
// window shown with a real frame teaches it. A window that the estimate put
// partly outside the area is moved back inside as soon as its frame is known.

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace zeliro {

// The top left of a window of `outer` size (frame included) centred in
// `available`; a window wider or taller than the area starts at its left or
// top edge.
QPoint centredWithin(QSize outer, const QRect& available);

// The top left that brings a window's frame (`outer`) inside `available`,
// moving it as little as it must.
QPoint keptWithin(const QRect& outer, const QRect& available);

// Fits the window into `available` given the window system's `frame` (a
// scroll area around its client area where it must), and centres it there.
// Calling it again on a window that fits changes nothing but its place.
void placeWithin(QWidget& window, const QRect& available, const QMargins& frame);

// placeWithin on the screen the window opens on (that of the active window,
// else the window's own), with the window system's frame; a window shown
// afterwards with a frame that puts it partly outside is moved back inside.
void placeOnScreen(QWidget& window);

// Whether the window shows its client area in a scroll area.
bool scrollsClientArea(const QWidget& window);

}  // namespace zeliro
