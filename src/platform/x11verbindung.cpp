#include "platform/x11verbindung.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>
#include <xcb/sync.h>

xcb_connection_t* X11Verbindung() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

void X11VorrangSetzen() {
    xcb_connection_t* c = X11Verbindung();
    if (!c) return;
    const xcb_query_extension_reply_t* Sync = xcb_get_extension_data(c, &xcb_sync_id);
    if (!Sync || !Sync->present) return;
    // One step above the default of every client.
    xcb_sync_set_priority(c, XCB_NONE, 1);
    xcb_flush(c);
}
