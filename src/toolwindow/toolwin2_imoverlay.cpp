// The tool window inside the overlay. A Wayland client can neither keep a
// window above a full-screen one nor put it on another output, so while
// drawing mode lasts the window itself becomes a child of the overlay, at
// the place it had on the monitor; "Fertig" makes it a window again.

#include "toolwindow/toolwin2.h"

#include "controls/kvxspez.h"
#include "overlay/scrwin.h"
#include "platform/bildschirm.h"

#include <QEvent>
#include <QFrame>
#include <QShortcut>

namespace {

// The window frame around the controls inside the overlay: it follows the
// tool window's place, size and stacking, and goes when the window leaves.
class TOverlayRahmen : public QFrame {
public:
    explicit TOverlayRahmen(QWidget* Fenster) : QFrame(Fenster->parentWidget()), Fenster(Fenster) {
        setFrameStyle(QFrame::WinPanel | QFrame::Raised);
        setPalette(Fenster->palette());
        setAutoFillBackground(true);
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

private:
    void Folgen() {
        // The frame, too, lies wholly on the overlay: at an edge the window
        // moves in by the frame's width, and the frame follows that move.
        const int b = frameWidth();
        const QRect M = parentWidget()->rect().adjusted(b, b, -b, -b);
        const QPoint Ort(IMax(M.left(), IMin(Fenster->x(), M.right() + 1 - Fenster->width())),
                         IMax(M.top(), IMin(Fenster->y(), M.bottom() + 1 - Fenster->height())));
        if (Ort != Fenster->pos())
            Fenster->move(Ort);
        else
            setGeometry(Fenster->geometry().adjusted(-b, -b, b, b));
    }
    QWidget* Fenster;
};

} // namespace

void TToolForm::InsOverlay(const QRect& Platz, const QList<QRect>& Monitore) {
    PlatzVorStart = Platz;
    OrtVorStart = pos();
    // The place on its own monitor, as the program knows it: a Wayland
    // client is never told where the compositor put the window.
    const QPoint Ort = Platz.topLeft() - Monitore[MonitorDesFensters(Monitore, Platz)].topLeft();
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
    move(Ort);
    AufMonitorHalten();
    show();
    raise();
    new TOverlayRahmen(this);
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
