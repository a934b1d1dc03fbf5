#pragma once
// Whether the program runs in a Wayland session. There a client can neither
// read the screen nor place or stack its windows: the capture goes through
// the desktop's screenshot portal, the overlay is put on a monitor by the
// compositor, and the tool window's controls move into the overlay while
// drawing mode lasts. Every part that acts differently asks here.

#include <QByteArray>

// A Wayland session: WAYLAND_DISPLAY is set or XDG_SESSION_TYPE is "wayland".
bool IstWaylandSitzung(const QByteArray& WaylandDisplay, const QByteArray& SessionType);
// The same for this process's environment.
bool WaylandSitzung();

// Before the application object exists: in a Wayland session Qt's native
// Wayland platform, unless the user chose a platform; only there can the
// overlay be put on a chosen monitor. Without the Wayland plugin Qt falls
// back to XWayland.
void PlattformWaehlen();

// After the application object exists: on Wayland Qt scales every window
// by its output's scale, while the program counts in device pixels as it
// does on X11 (one picture pixel per screen pixel). Each screen, also one
// added later, gets the factor that undoes the output's scale.
void WaylandGeraetepixel();
