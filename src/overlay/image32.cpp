#include "overlay/image32.h"

#include "overlay/spaltenabbildung.h"

#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <climits>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

constexpr QRgb Schwarz = 0xFF000000u;

QRgb* Zeile(uchar* Bits, qsizetype Bpl, int y, int x) {
    return reinterpret_cast<QRgb*>(Bits + y * Bpl) + x;
}

// Inverts the pixels of the view rectangle R (already inside the target).
void Invertieren(uchar* Bits, qsizetype Bpl, QPoint Ursprung, const QRect& R) {
    for (int y = R.top(); y <= R.bottom(); ++y) {
        QRgb* d = Zeile(Bits, Bpl, y - Ursprung.y(), R.left() - Ursprung.x());
        for (int i = 0; i < R.width(); ++i)
            d[i] ^= 0x00FFFFFFu;
    }
}

// The pixels a figure inverts, as rectangles that do not overlap.
std::vector<QRect> FigurTeile(const TInvertFigur& F) {
    const QRect& r = F.Rect;
    if (!F.Umriss || r.width() <= 2 || r.height() <= 2) return {r};
    return {QRect(r.left(), r.top(), r.width(), 1), QRect(r.left(), r.bottom(), r.width(), 1),
            QRect(r.left(), r.top() + 1, 1, r.height() - 2),
            QRect(r.right(), r.top() + 1, 1, r.height() - 2)};
}

// The painter's device when it is an image this code can write to directly
// (the window's backing store), with the device position of widget (0, 0).
QImage* DirektesZiel(QPainter& p, QPoint& Versatz) {
    QPaintEngine* e = p.paintEngine();
    QPaintDevice* d = e ? e->paintDevice() : nullptr;
    if (!d || d->devType() != QInternal::Image) return nullptr;
    auto* Bild = static_cast<QImage*>(d);
    const QTransform t = p.deviceTransform();
    const bool Verschiebung = t.type() <= QTransform::TxTranslate && t.dx() == std::floor(t.dx()) &&
                              t.dy() == std::floor(t.dy());
    const QImage::Format f = Bild->format();
    const bool Format = f == QImage::Format_RGB32 || f == QImage::Format_ARGB32_Premultiplied;
    if (!Verschiebung || !Format || Bild->devicePixelRatio() != 1.0) return nullptr;
    Versatz = QPoint(static_cast<int>(t.dx()), static_cast<int>(t.dy()));
    return Bild;
}

} // namespace

TImage32::TImage32(QWidget* Parent) : TMausFlaeche(Parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int32_t TImage32::BildKoordinate(int32_t v, float Offset, float Scale) {
    return static_cast<int32_t>(
        std::floor((static_cast<double>(v) - static_cast<double>(Offset)) / Scale));
}

void TImage32::SetAnsicht(float NeuScale, float NeuOffsetHorz, float NeuOffsetVert) {
    if (NeuScale == Scale && NeuOffsetHorz == OffsetHorz && NeuOffsetVert == OffsetVert) return;
    Scale = NeuScale;
    OffsetHorz = NeuOffsetHorz;
    OffsetVert = NeuOffsetVert;
    update();
}

void TImage32::LayerZeigen(const QRectF& Location) {
    if (Layer.Visible) update(Layer.Location.toAlignedRect());
    Layer.Location = Location;
    Layer.Visible = true;
    update(Location.toAlignedRect());
}

void TImage32::LayerVerstecken() {
    if (Layer.Visible) update(Layer.Location.toAlignedRect());
    Layer.Visible = false;
}

void TImage32::FigurUpdate(const TInvertFigur& F) {
    if (F.Visible) update(F.Rect);
}

void TImage32::SetFaeden(const TInvertFigur& X, const TInvertFigur& Y) {
    if (X == ZFadenX && Y == ZFadenY) return;
    FigurUpdate(ZFadenX);
    FigurUpdate(ZFadenY);
    ZFadenX = X;
    ZFadenY = Y;
    FigurUpdate(ZFadenX);
    FigurUpdate(ZFadenY);
}

void TImage32::Malen(QImage& Ziel, QPoint Ursprung, const QRect& R) const {
    const QRect r = R & QRect(Ursprung, Ziel.size());
    if (r.isEmpty()) return;
    BildMalen(Ziel, Ursprung, r);
    LayerMalen(Ziel, Ursprung, r);
    // The hairlines invert each other too where they cross.
    for (const TInvertFigur* F : {&ZFadenX, &ZFadenY}) {
        if (!F->Visible) continue;
        for (const QRect& Teil : FigurTeile(*F))
            if (const QRect t = Teil & r; !t.isEmpty())
                Invertieren(Ziel.bits(), Ziel.bytesPerLine(), Ursprung, t);
    }
}

void TImage32::BildMalen(QImage& Ziel, QPoint Ursprung, const QRect& R) const {
    const int w = R.width();
    const bool Leer = Bitmap.isNull() || Bitmap.depth() != 32;
    // The picture column of every view column, -1 outside the picture.
    const TSpaltenAbbildung Spalten = SpaltenAbbilden(
        w, Bitmap.width(), [&](int i) { return BildKoordinate(R.left() + i, OffsetHorz, Scale); });
    uchar* Bits = Ziel.bits();
    const qsizetype Bpl = Ziel.bytesPerLine();
    int32_t VorigeQuelle = INT_MIN;
    const QRgb* VorigeZeile = nullptr;
    for (int y = R.top(); y <= R.bottom(); ++y) {
        QRgb* d = Zeile(Bits, Bpl, y - Ursprung.y(), R.left() - Ursprung.x());
        const int32_t sy = BildKoordinate(y, OffsetVert, Scale);
        // An enlarged picture row covers several view rows: copy the first.
        if (VorigeZeile && sy == VorigeQuelle) {
            std::memcpy(d, VorigeZeile, static_cast<size_t>(w) * sizeof(QRgb));
            continue;
        }
        if (Leer || sy < 0 || sy >= Bitmap.height())
            std::fill(d, d + w, Schwarz);
        else
            ZeileAbbilden(d, reinterpret_cast<const QRgb*>(Bitmap.constScanLine(sy)), Spalten,
                          Schwarz);
        VorigeQuelle = sy;
        VorigeZeile = d;
    }
}

void TImage32::LayerMalen(QImage& Ziel, QPoint Ursprung, const QRect& R) const {
    if (!Layer.Visible || Layer.Bitmap.isNull()) return;
    const QPoint Ecke(qRound(Layer.Location.left()), qRound(Layer.Location.top()));
    const QRect t = QRect(Ecke, Layer.Bitmap.size()) & R;
    if (t.isEmpty()) return;
    uchar* Bits = Ziel.bits();
    const qsizetype Bpl = Ziel.bytesPerLine();
    for (int y = t.top(); y <= t.bottom(); ++y) {
        const auto* s = reinterpret_cast<const QRgb*>(Layer.Bitmap.constScanLine(y - Ecke.y())) +
                        (t.left() - Ecke.x());
        std::memcpy(Zeile(Bits, Bpl, y - Ursprung.y(), t.left() - Ursprung.x()), s,
                    static_cast<size_t>(t.width()) * sizeof(QRgb));
    }
}

void TImage32::paintEvent(QPaintEvent* Event) {
    QPainter p(this);
    QPoint Versatz;
    // Straight into the window's backing store: at 1000 % of a large screen
    // a second full-size copy would cost as much as the painting itself.
    if (QImage* Ziel = DirektesZiel(p, Versatz)) {
        for (const QRect& R : Event->region())
            Malen(*Ziel, -Versatz, R);
        return;
    }
    for (const QRect& R : Event->region()) {
        QImage Teil(R.size(), QImage::Format_RGB32);
        Malen(Teil, R.topLeft(), R);
        p.drawImage(R.topLeft(), Teil);
    }
}
