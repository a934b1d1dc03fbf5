// The tool window inside the overlay. A Wayland client can neither keep a
// window above a full-screen one nor put it on another output, so while
// drawing mode lasts the window itself becomes a child of the overlay, in a
// frame with a grip on top that stands for its title bar: at the place the
// window keeps (stored in the settings), and the user moves it there by the
// grip. "Fertig" makes it a window again.

#include "toolwindow/toolwin2.h"

#include "controls/kvxspez.h"
#include "overlay/scrwin.h"
#include "platform/bildschirm.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>

namespace {

// Height of the grip above the tool window's controls.
constexpr int Griff = 8;

// The window's frame inside the overlay: its background, a border and the
// grip by which it is dragged; where it comes to rest is the window's place.
class TOverlayRahmen : public QWidget {
public:
    TOverlayRahmen(QWidget* Overlay, QPoint& Ort) : QWidget(Overlay), Ort(Ort) {
        setAutoFillBackground(true);
        setCursor(Qt::SizeAllCursor);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(palette().color(QPalette::Dark));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        for (int x = 4; x < width() - 4; x += 3)
            p.drawPoint(x, Griff / 2);
    }
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) Anfasser = e->position().toPoint();
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        if (!(e->buttons() & Qt::LeftButton)) return;
        const QRect M = parentWidget()->rect();
        const QPoint Ziel = mapToParent(e->position().toPoint()) - Anfasser;
        move(IMax(0, IMin(Ziel.x(), M.width() - width())),
             IMax(0, IMin(Ziel.y(), M.height() - height())));
        Ort = pos();
    }

private:
    QPoint& Ort;
    QPoint Anfasser;
};

// Only Qt's own Wayland platform cannot tell where a window is.
bool OrtUnbekannt() {
    return QGuiApplication::platformName() == QStringLiteral("wayland");
}

} // namespace

void TToolForm::InsOverlay(const QRect& Platz, const QList<QRect>& Monitore) {
    PlatzVorStart = Platz;
    // Under XWayland the window's place on its own monitor; on Wayland
    // itself the one the program gave it, as the compositor never tells.
    if (!OrtUnbekannt())
        EigenerOrt = Platz.topLeft() - Monitore[MonitorDesFensters(Monitore, Platz)].topLeft();
    ImOverlay = true;
    FensterArt = windowFlags();
    if (!OverlayRahmen) OverlayRahmen = new TOverlayRahmen(ScreenForm, EigenerOrt);
    setParent(OverlayRahmen, Qt::Widget);
    // Inside the overlay Enter and Escape belong to the picture (text field,
    // zoom view) unless a control of this window has the focus.
    for (QShortcut* k : StartTasten)
        k->setContext(Qt::WidgetWithChildrenShortcut);
    move(0, Griff);
    OverlayRahmen->move(EigenerOrt);
    AufMonitorHalten();
    show();
    OverlayRahmen->show();
    OverlayRahmen->raise();
}

void TToolForm::AusDemOverlay() {
    if (!ImOverlay) return;
    ImOverlay = false;
    OverlayRahmen->hide();
    setParent(nullptr, FensterArt);
    for (QShortcut* k : StartTasten)
        k->setContext(Qt::WindowShortcut);
    setGeometry(PlatzVorStart.x(), PlatzVorStart.y(), width(), height());
    show();
}

void TToolForm::ImOverlayHalten() {
    // The frame takes the window's size and stays wholly on the overlay.
    OverlayRahmen->resize(width(), height() + Griff);
    const QRect M = OverlayRahmen->parentWidget()->rect();
    const QPoint O = OverlayRahmen->pos();
    OverlayRahmen->move(IMax(0, IMin(O.x(), M.width() - OverlayRahmen->width())),
                        IMax(0, IMin(O.y(), M.height() - OverlayRahmen->height())));
    EigenerOrt = OverlayRahmen->pos();
}

QPoint TToolForm::GespeicherterOrt() const {
    return ImOverlay || OrtUnbekannt() ? EigenerOrt : pos();
}
