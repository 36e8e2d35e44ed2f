#pragma once

#include <QList>
#include <QMargins>
#include <QRect>
#include <functional>

class QWidget;

// Where the program's windows go on the screens. A window manager frames a window some
// time after it is shown, so a window's outer rectangle (its frame) is known only then;
// the window's own rectangle (inside the frame) is what the program sets and reads back
// exactly, whatever the window manager does.
namespace WindowPlacement {

// The available area of every screen (the screen less its panels), the primary
// screen's first.
QList<QRect> AvailableAreas();

// frame moved onto the area it overlaps most (the first area when it overlaps none),
// made no larger than that area, and moved no further than needed to lie wholly on it.
QRect OntoArea(const QRect& frame, const QList<QRect>& areas);

// The frame a window manager put around a shown window; none before it framed it.
QMargins FrameMargins(const QWidget* window);

// Calls framed with the window's frame margins once a window manager has framed the
// shown window; never when no frame comes (no window manager, or one that draws none).
void WhenFramed(QWidget* window, std::function<void(const QMargins&)> framed);

// From now on every dialog and secondary window of the program appears where it was
// when it is shown again, and lies wholly on a screen once it is framed. A window with
// the property "placesItself" set places itself.
void KeepWindowsInPlace();

} // namespace WindowPlacement
