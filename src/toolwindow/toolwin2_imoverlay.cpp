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

#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>

namespace {

// The frame's width and the grip's height above the controls.
constexpr int Rand = 2;
constexpr int Griff = 8;

// The window frame around the controls inside the overlay: it follows the
// tool window's place, size and stacking, and goes when the window leaves.
// Dragging its grip moves the window; the frame's corner is the window's
// place (Ort).
class TOverlayRahmen : public QFrame {
public:
    TOverlayRahmen(TToolForm* Fenster, QPoint& Ort)
        : QFrame(Fenster->parentWidget()), Fenster(Fenster), Ort(Ort) {
        setFrameStyle(QFrame::WinPanel | QFrame::Raised);
        setPalette(Fenster->palette());
        setAutoFillBackground(true);
        setCursor(Qt::SizeAllCursor);
        Fenster->installEventFilter(this);
        Folgen();
        stackUnder(Fenster);
        show();
    }

protected:
    bool eventFilter(QObject* Objekt, QEvent* Event) override {
        if (Event->type() == QEvent::Move || Event->type() == QEvent::Resize) Folgen();
        if (Event->type() == QEvent::ZOrderChange) stackUnder(Fenster);
        if (Event->type() == QEvent::ParentChange) {
            Fenster->removeEventFilter(this);
            hide();
            deleteLater();
        }
        return QFrame::eventFilter(Objekt, Event);
    }
    void paintEvent(QPaintEvent* Event) override {
        QFrame::paintEvent(Event);
        QPainter p(this);
        p.setPen(palette().color(QPalette::Dark));
        for (int x = Rand + 3; x < width() - Rand - 3; x += 3)
            p.drawPoint(x, Rand + Griff / 2);
    }
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) Anfasser = e->position().toPoint();
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        if (!(e->buttons() & Qt::LeftButton)) return;
        Fenster->move(mapToParent(e->position().toPoint()) - Anfasser + QPoint(Rand, Rand + Griff));
        Fenster->AufMonitorHalten();
    }

private:
    void Folgen() {
        // The frame, too, lies wholly on the overlay: at an edge the window
        // moves in by the frame's width, and the frame follows that move.
        const QRect M = parentWidget()->rect().marginsRemoved(TToolForm::OverlayRaender());
        const QPoint Innen(IMax(M.left(), IMin(Fenster->x(), M.right() + 1 - Fenster->width())),
                           IMax(M.top(), IMin(Fenster->y(), M.bottom() + 1 - Fenster->height())));
        if (Innen != Fenster->pos()) {
            Fenster->move(Innen);
            return;
        }
        setGeometry(Fenster->geometry().marginsAdded(TToolForm::OverlayRaender()));
        Ort = pos();
    }
    TToolForm* Fenster;
    QPoint& Ort;
    QPoint Anfasser;
};

// Only Qt's own Wayland platform cannot tell where a window is.
bool OrtUnbekannt() {
    return QGuiApplication::platformName() == QStringLiteral("wayland");
}

} // namespace

QMargins TToolForm::OverlayRaender() {
    return QMargins(Rand, Rand + Griff, Rand, Rand);
}

void TToolForm::InsOverlay(const QRect& Platz, const QList<QRect>& Monitore) {
    PlatzVorStart = Platz;
    // Under XWayland the place of the window's frame on its own monitor, as
    // the settings keep it; on Wayland itself the one the program gave it,
    // as the compositor never tells.
    if (!OrtUnbekannt())
        EigenerOrt = pos() - Monitore[MonitorDesFensters(Monitore, Platz)].topLeft();
    ImOverlay = true;
    FensterArt = windowFlags();
    setParent(ScreenForm, Qt::Widget);
    // As a child it would paint no background: the picture would show
    // between and behind the flat buttons. It looks as the window does,
    // with the window's background and a frame around it.
    setAutoFillBackground(true);
    // Inside the overlay Enter and Escape belong to the picture (text field,
    // zoom view) unless a control of this window has the focus.
    for (QShortcut* k : StartTasten)
        k->setContext(Qt::WidgetWithChildrenShortcut);
    move(EigenerOrt + QPoint(OverlayRaender().left(), OverlayRaender().top()));
    AufMonitorHalten();
    show();
    raise();
    new TOverlayRahmen(this, EigenerOrt);
}

void TToolForm::AusDemOverlay() {
    if (!ImOverlay) return;
    ImOverlay = false;
    setParent(nullptr, FensterArt);
    for (QShortcut* k : StartTasten)
        k->setContext(Qt::WindowShortcut);
    setGeometry(PlatzVorStart.x(), PlatzVorStart.y(), width(), height());
    show();
}

QPoint TToolForm::GespeicherterOrt() const {
    return ImOverlay || OrtUnbekannt() ? EigenerOrt : pos();
}
