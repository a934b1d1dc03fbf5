#include "platform/bildschirm.h"

#include "platform/shmaufnahme.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <limits>

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
    QImage Aufnahme(int Index) override {
        const QList<QScreen*> s = QGuiApplication::screens();
        if (Index < 0 || Index >= s.size()) return QImage();
        QImage Bild = ShmAufnahme(s[Index]->geometry());
        if (!Bild.isNull()) return Bild;
        // Without MIT-SHM: Qt 6 takes x and y relative to the screen itself;
        // without a size the whole screen comes back at device resolution.
        Bild = s[Index]->grabWindow(0).toImage();
        if (Bild.format() != QImage::Format_RGB32)
            Bild = Bild.convertToFormat(QImage::Format_RGB32);
        return Bild;
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
