#pragma once
// On X11, the server serves the toolkit's connection ahead of other
// clients. The server otherwise ranks clients by how much of its time they
// took lately: after a Start's captures and full-screen paints the program
// ranks low, and while another client keeps the server busy, a pen
// stroke's paints wait for that client's turns. Does nothing on Wayland or
// without the server's SYNC extension.
void X11VorrangSetzen();
