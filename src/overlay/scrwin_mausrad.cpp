// The mouse wheel zooms, when the settings allow it: in the zoom view about
// the pointer, elsewhere a turn away from the user opens the zoom view.

#include "app/codes.h"
#include "app/data.h"
#include "controls/kvxspez.h"
#include "overlay/groessen.h"
#include "overlay/scrwin.h"
#include "toolwindow/toolwin2.h"

#include <QApplication>
#include <QWheelEvent>

namespace {

// Sees every wheel event of the application before its widgets do and
// lets it go on unchanged.
class TMausradHaken : public QObject {
public:
    explicit TMausradHaken(TScreenForm* s) : QObject(s), FScreen(s) {}

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override {
        // A wheel event passes the filter once for the window and once for
        // each widget it propagates to; only the first widget's copy is
        // spontaneous.
        if (Event->type() == QEvent::Wheel && Event->spontaneous() && Watched->isWidgetType())
            FScreen->MausradNachricht(static_cast<QWheelEvent*>(Event)->angleDelta().y());
        return false;
    }

private:
    TScreenForm* FScreen;
};

} // namespace

void TScreenForm::MausradHakenSetzen() {
    FMausradHaken = new TMausradHaken(this);
    qApp->installEventFilter(FMausradHaken);
}

void TScreenForm::MausradNachricht(int32_t Delta) {
    TToolForm* t = ToolForm;
    if (!t || t->WinZustand != 1 || !MausradZoom || Delta == 0) return;
    const QWidget* Aktiv = QApplication::activeWindow();
    if (Aktiv != this && Aktiv != t) return;
    const float x = static_cast<float>(Sx), y = static_cast<float>(Sy);
    if (t->Modus == mZoom) {
        t->ZoomfakNr = Delta > 0 ? IMin(t->ZoomfakNr + 1, 8) : IMax(t->ZoomfakNr - 1, 1);
        t->ZoomFak = ZoomTab[static_cast<size_t>(t->ZoomfakNr)];
        t->UpdateZoom(x, y, t->ZoomFak);
    } else if (Delta > 0) {
        t->ZoomInit(x, y);
    }
}
