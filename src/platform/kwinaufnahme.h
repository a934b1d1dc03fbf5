#pragma once
// An output's picture straight from KWin (org.kde.KWin.ScreenShot2), the
// compositor of KDE Plasma. Unlike the screenshot portal there, it leaves
// the mouse pointer out and gives the output's own pixels. KWin answers only
// programs whose desktop file names the interface in
// X-KDE-DBUS-Restricted-Interfaces.

#include <QImage>
#include <QString>

// Whether KWin runs on the session bus. Its screenshots are never asked
// about: the portal's question does not come on KDE Plasma.
bool KWinDa();

// Output Name at native resolution without the pointer, Format_RGB32; null
// when KWin is not there, refuses or fails (nothing is shown to the user:
// the portal is asked then).
QImage KWinAufnahme(const QString& Name, int FristMs = 5000);
