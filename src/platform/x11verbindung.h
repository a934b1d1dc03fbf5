#pragma once
// The toolkit's connection to the X server, and what the program asks of
// the server for it.

#include <xcb/xcb.h>

// The toolkit's X connection; null on Wayland or before the application
// object exists.
xcb_connection_t* X11Verbindung();

// On X11, the server serves the toolkit's connection ahead of other
// clients. The server otherwise ranks clients by how much of its time they
// took lately: after a Start's captures and full-screen paints the program
// ranks low, and while another client keeps the server busy, a pen
// stroke's paints wait for that client's turns. Does nothing on Wayland or
// without the server's SYNC extension.
void X11VorrangSetzen();
