#include "platform/x11vorrang.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>
#include <xcb/sync.h>
#include <xcb/xcb.h>

void X11VorrangSetzen() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c) return;
    const xcb_query_extension_reply_t* Sync = xcb_get_extension_data(c, &xcb_sync_id);
    if (!Sync || !Sync->present) return;
    // One step above the default of every client.
    xcb_sync_set_priority(c, XCB_NONE, 1);
    xcb_flush(c);
}
