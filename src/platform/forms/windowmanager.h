#pragma once
// What the window system does with a window the program maximises.
//
// With a window manager, maximising is a request: the manager answers later, gives the window
// the available screen area as its outer frame, and keeps the title bar and borders out of the
// inner area. Without one (a bare X server) nobody answers, and the window simply takes the
// size it sets itself.
#include <QMargins>
#include <QSize>

class QWindow;

namespace kwil {

// True when a window manager runs on the display (on X11: the manager's supporting-window
// check answers). Window systems other than X11 always manage their windows.
bool windowManagerRunning();

// Asks the window manager (again) to maximise a window that is on the screen. Asking for what
// a window already has changes nothing, so the request may be repeated safely.
void askToMaximise(const QWindow* window);

// Whether the window manager says it has maximised the window (its state on the window).
bool maximisedByWindowManager(const QWindow* window);

// Whether the window manager has really maximised a window: its outer frame fills the
// available screen area (a pixel or two of a border may stay outside it).
bool frameFillsArea(const QSize& frame, const QSize& available);
// The same told from the inner area, for a frame whose extents are not known yet: as wide as
// the area (a border of a pixel or two aside), and no higher.
bool innerFitsArea(const QSize& inner, const QSize& available);

// The inner size a maximised window gets when the manager never answers: the available area
// less the window's frame.
QSize innerSizeOf(const QSize& available, const QMargins& frame);

}  // namespace kwil
