#include "platform/beschaeftigt.h"

#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <vector>

namespace {

int Tiefe = 0;

std::vector<std::function<void()>>& Aufgeschoben() {
    static std::vector<std::function<void()>> Liste;
    return Liste;
}

// Enter, leave and hover events pass: they only change what is drawn under
// the pointer.
bool IstEingabe(QEvent::Type t) {
    switch (t) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
        return true;
    default:
        return false;
    }
}

} // namespace

TBeschaeftigt::TBeschaeftigt() {
    ++Tiefe;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QCoreApplication::instance()->installEventFilter(this);
}

TBeschaeftigt::~TBeschaeftigt() {
    QCoreApplication::instance()->removeEventFilter(this);
    QGuiApplication::restoreOverrideCursor();
    if (--Tiefe > 0) return;
    for (auto& Aufgabe : Aufgeschoben())
        QTimer::singleShot(0, QCoreApplication::instance(), std::move(Aufgabe));
    Aufgeschoben().clear();
}

bool TBeschaeftigt::Aktiv() {
    return Tiefe > 0;
}

void TBeschaeftigt::Danach(std::function<void()> Aufgabe) {
    if (Aktiv())
        Aufgeschoben().push_back(std::move(Aufgabe));
    else
        Aufgabe();
}

bool TBeschaeftigt::eventFilter(QObject* Objekt, QEvent* Event) {
    if (Event->type() == QEvent::Close && Event->spontaneous()) {
        Event->ignore();
        return true;
    }
    return IstEingabe(Event->type()) || QObject::eventFilter(Objekt, Event);
}
