#include "overlay/mausflaeche.h"

#include <QMouseEvent>

namespace {

bool ButtonOf(Qt::MouseButton b, TMouseButton& Out) {
    switch (b) {
    case Qt::LeftButton:
        Out = mbLeft;
        return true;
    case Qt::RightButton:
        Out = mbRight;
        return true;
    case Qt::MiddleButton:
        Out = mbMiddle;
        return true;
    default:
        return false;
    }
}

} // namespace

TMausFlaeche::TMausFlaeche(QWidget* Parent) : QWidget(Parent) {
    setMouseTracking(true);
}

void TMausFlaeche::mousePressEvent(QMouseEvent* Event) {
    TMouseButton b;
    const QPoint P = Event->position().toPoint();
    if (ButtonOf(Event->button(), b) && OnMouseDown)
        OnMouseDown(b, ShiftStateFrom(Event->modifiers(), Event->buttons()), P.x(), P.y());
}

void TMausFlaeche::mouseMoveEvent(QMouseEvent* Event) {
    const QPoint P = Event->position().toPoint();
    if (OnMouseMove)
        OnMouseMove(ShiftStateFrom(Event->modifiers(), Event->buttons()), P.x(), P.y());
}

void TMausFlaeche::mouseReleaseEvent(QMouseEvent* Event) {
    TMouseButton b;
    const QPoint P = Event->position().toPoint();
    if (ButtonOf(Event->button(), b) && OnMouseUp)
        OnMouseUp(b, ShiftStateFrom(Event->modifiers(), Event->buttons()), P.x(), P.y());
}
