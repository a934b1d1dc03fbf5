#pragma once
// The screen of a Wayland desktop, read through the desktop's screenshot
// portal (org.freedesktop.portal.Screenshot over the session bus): the only
// way a Wayland client may read the screen, and under XWayland the only way
// to see more than XWayland's own windows.

#include <QImage>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

// The portal's picture of the whole desktop, Format_RGB32, taken without
// asking (interactive false). Elternfenster names the asking window to the
// desktop: "x11:<window id in hex>" under XWayland, "wayland:" otherwise.
// The portal's file is deleted. A refused, failed or late capture (FristMs)
// is reported in an error box and gives a null picture; a picture that comes
// after the program gave up is deleted when it comes.
QImage PortalAufnahme(const QString& Elternfenster, int FristMs = 15000);

// Where the desktop has not yet been told whether this program may take
// screenshots, the portal asks the user. Its question belongs to the focused
// application, so it is asked here, while the asking window is still shown,
// and the user is given FristMs to answer; the picture taken after a yes is
// deleted. False when the answer is no or none came (the user has been told).
bool PortalErlaubnisEinholen(const QString& Elternfenster, int FristMs = 600000);

// The part of Gesamt, the portal's picture of all monitors, that shows
// monitor Nr of Monitore (logical geometries, as Qt reports them), at
// Groesse device pixels. The portal draws every monitor at the highest scale
// in use, so the factor is Gesamt's width over the width of the monitors'
// union; a monitor of a lower scale is brought back to its own pixels.
QImage MonitorAusschnitt(const QImage& Gesamt, const QList<QRect>& Monitore, int Nr, QSize Groesse);

// The text of the error box for a portal answer other than 0: refused when
// the permission store holds a no (Abgelehnt); else 1, given without
// interaction, means the service gave up, and anything else failed.
QString PortalFehlertext(uint Antwort, bool Abgelehnt = false);
