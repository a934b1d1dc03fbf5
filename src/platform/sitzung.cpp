#include "platform/sitzung.h"

#include <QtGlobal>

bool IstWaylandSitzung(const QByteArray& WaylandDisplay, const QByteArray& SessionType) {
    return !WaylandDisplay.isEmpty() || SessionType == "wayland";
}

bool WaylandSitzung() {
    return IstWaylandSitzung(qgetenv("WAYLAND_DISPLAY"), qgetenv("XDG_SESSION_TYPE"));
}

void PlattformWaehlen() {
    if (WaylandSitzung() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("wayland;xcb"));
}
