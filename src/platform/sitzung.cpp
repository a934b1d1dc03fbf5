#include "platform/sitzung.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QtGlobal>
#include <private/qhighdpiscaling_p.h>
#include <qpa/qplatformscreen.h>

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

namespace {

void Geraetepixel(QScreen* s) {
    const qreal Skala = s->handle() ? s->handle()->devicePixelRatio() : 1.0;
    if (Skala > 0 && Skala != 1.0) QHighDpiScaling::setScreenFactor(s, 1.0 / Skala);
}

// The compositor shows a new window on an output of its choice; Qt learns
// which only afterwards and then keeps the window's size in the compositor's
// units, which at another factor is another size in pixels. Each window
// gets back the size in pixels it had.
class TGroesseHalten : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* Objekt, QEvent* Event) override {
        // Every event of the program passes here: the type is asked first.
        if (Event->type() != QEvent::ScreenChangeInternal) return false;
        auto* w = qobject_cast<QWidget*>(Objekt);
        if (w && w->isWindow()) {
            const QSize Vorher = w->size();
            QTimer::singleShot(0, w, [w, Vorher] {
                if (w->size() != Vorher) w->resize(Vorher);
            });
        }
        return false;
    }
};

} // namespace

void WaylandGeraetepixel() {
    if (QGuiApplication::platformName() != QStringLiteral("wayland")) return;
    for (QScreen* s : QGuiApplication::screens())
        Geraetepixel(s);
    QObject::connect(qApp, &QGuiApplication::screenAdded, qApp, &Geraetepixel);
    qApp->installEventFilter(new TGroesseHalten(qApp));
}
