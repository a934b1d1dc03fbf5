#include "platform/bildschirm.h"

#include "platform/kwinaufnahme.h"
#include "platform/portalaufnahme.h"
#include "platform/shmaufnahme.h"
#include "platform/sitzung.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QWindow>
#include <limits>
#include <qpa/qplatformscreen.h>

namespace {

// Device pixels throughout: the program runs without Qt's scaling, so a
// screen's geometry is its pixel rectangle.
class TEchterBildschirm : public TBildschirmQuelle {
public:
    QList<QRect> Monitore() const override {
        QList<QRect> m;
        for (QScreen* s : QGuiApplication::screens())
            m.append(s->geometry());
        return m;
    }
    QImage Aufnahme(int Index, WId Fenster) override {
        const QList<QScreen*> s = QGuiApplication::screens();
        if (Index < 0 || Index >= s.size()) return QImage();
        if (WaylandSitzung()) return WaylandAufnahme(s, Index, Fenster);
        QImage Bild = ShmAufnahme(s[Index]->geometry());
        if (!Bild.isNull()) return Bild;
        // Without MIT-SHM: Qt 6 takes x and y relative to the screen itself;
        // without a size the whole screen comes back at device resolution.
        Bild = s[Index]->grabWindow(0).toImage();
        if (Bild.isNull()) return Schwarz(s[Index]->geometry());
        if (Bild.format() != QImage::Format_RGB32)
            Bild = Bild.convertToFormat(QImage::Format_RGB32);
        return Bild;
    }
    void AufnahmeVorbereiten(int Index) override {
        const QList<QScreen*> s = QGuiApplication::screens();
        if (Index >= 0 && Index < s.size() && !WaylandSitzung())
            ShmAufnahmeVorbereiten(s[Index]->geometry());
    }
    void VorbereitungFreigeben() override { VorbereiteteShmFreigeben(); }
    int FensterMonitor(const QWidget& Fenster) const override {
        // A Wayland client does not know where its windows are, only the
        // output the compositor shows them on.
        const QWindow* w = Fenster.windowHandle();
        const int Nr = w ? int(QGuiApplication::screens().indexOf(w->screen())) : -1;
        if (WaylandSitzung() && Nr >= 0) return Nr;
        return TBildschirmQuelle::FensterMonitor(Fenster);
    }
    bool AufnahmeErlaubt(WId Fenster) override {
        return !WaylandSitzung() || KWinDa() || PortalErlaubnisEinholen(Elternfenster(Fenster));
    }

private:
    // What the X server could not give: the monitor in black.
    static QImage Schwarz(const QRect& Monitor) {
        QImage Bild(Monitor.size(), QImage::Format_RGB32);
        Bild.fill(Qt::black);
        return Bild;
    }
    static QString Elternfenster(WId Fenster) {
        return QGuiApplication::platformName() == QStringLiteral("xcb")
                   ? QStringLiteral("x11:%1").arg(Fenster, 0, 16)
                   : QStringLiteral("wayland:");
    }
    QImage WaylandAufnahme(const QList<QScreen*>& s, int Index, WId Fenster) {
        const QSize Groesse = s[Index]->geometry().size() * s[Index]->devicePixelRatio();
        // On KDE Plasma the compositor's own picture, which the portal's
        // there is not: without the pointer and in the output's pixels.
        const QImage Direkt = KWinAufnahme(s[Index]->name());
        if (Direkt.size() == Groesse) return Direkt;
        const QImage Gesamt = PortalAufnahme(Elternfenster(Fenster));
        if (Gesamt.isNull()) return QImage();
        // The portal lays the outputs out in the compositor's coordinates,
        // which are the screens' own ones before the program's factors.
        QList<QRect> Logisch;
        for (QScreen* m : s)
            Logisch.append(m->handle()->geometry());
        return MonitorAusschnitt(Gesamt, Logisch, Index, Groesse);
    }
};

TBildschirmQuelle* Gesetzt = nullptr;

int64_t Abstand2(const QRect& r, const QPoint& p) {
    const int64_t dx =
        p.x() < r.left() ? r.left() - p.x() : (p.x() > r.right() ? p.x() - r.right() : 0);
    const int64_t dy =
        p.y() < r.top() ? r.top() - p.y() : (p.y() > r.bottom() ? p.y() - r.bottom() : 0);
    return dx * dx + dy * dy;
}

} // namespace

TBildschirmQuelle& Bildschirm() {
    static TEchterBildschirm Echt;
    return Gesetzt ? *Gesetzt : Echt;
}

bool TBildschirmQuelle::AufnahmeErlaubt(WId) {
    return true;
}

int TBildschirmQuelle::FensterMonitor(const QWidget& Fenster) const {
    return MonitorDesFensters(Monitore(), Fenster.frameGeometry());
}

void SetBildschirmQuelle(TBildschirmQuelle* Quelle) {
    Gesetzt = Quelle;
}

int MonitorDesFensters(const QList<QRect>& Monitore, const QRect& Fenster) {
    int Beste = -1;
    int64_t BesteFlaeche = 0;
    for (int i = 0; i < Monitore.size(); ++i) {
        const QRect s = Monitore[i].intersected(Fenster);
        const int64_t f = s.isEmpty() ? 0 : int64_t(s.width()) * s.height();
        if (f > BesteFlaeche) {
            BesteFlaeche = f;
            Beste = i;
        }
    }
    if (Beste >= 0) return Beste;
    Beste = 0;
    int64_t BesterAbstand = std::numeric_limits<int64_t>::max();
    for (int i = 0; i < Monitore.size(); ++i) {
        const int64_t a = Abstand2(Monitore[i], Fenster.center());
        if (a < BesterAbstand) {
            BesterAbstand = a;
            Beste = i;
        }
    }
    return Beste;
}

int MonitorWahl(int MonitorMode, int Anzahl, int ToolMonitor) {
    if (MonitorMode == 2 && Anzahl > 1) return 1;
    if (MonitorMode == 1) return 0;
    return ToolMonitor;
}
