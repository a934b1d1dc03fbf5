// The lens (Modus 14): a framed window that follows the pointer and shows the
// picture around it enlarged 2 or 4 times. It is the layer of Img2; the
// picture itself is never drawn on.

#include "controls/kvxspez.h"
#include "overlay/einpassen.h"
#include "overlay/groessen.h"
#include "overlay/scrwin.h"
#include "overlay/spaltenabbildung.h"
#include "platform/canvas.h"
#include "toolwindow/toolwin2.h"

#include <QFontMetrics>
#include <QPainter>
#include <array>
#include <climits>
#include <cstring>
#include <vector>

namespace {

constexpr QRgb Weiss = 0xFFFFFFFFu;
constexpr QRgb Schwarz = 0xFF000000u;

// Nearest neighbour: lens pixel i of n shows source pixel Quelle + the one
// whose span holds the lens pixel's centre.
int32_t Abgebildet(int32_t i, int32_t n, int32_t Quelle, int32_t Spanne) {
    return Quelle + static_cast<int32_t>((2 * static_cast<int64_t>(i) + 1) * Spanne / (2 * n));
}

// Stretches the rectangle Q of Bild over the whole of Lupe; pixels outside
// Bild stay white.
void Vergroessern(QImage& Lupe, const QImage& Bild, const QRect& Q) {
    const int W = Lupe.width(), H = Lupe.height();
    const TSpaltenAbbildung Spalten = SpaltenAbbilden(
        W, Bild.width(), [&](int i) { return Abgebildet(i, W, Q.left(), Q.width()); });
    int32_t VorigeQuelle = INT_MIN;
    const QRgb* VorigeZeile = nullptr;
    for (int j = 0; j < H; ++j) {
        auto* d = reinterpret_cast<QRgb*>(Lupe.scanLine(j));
        const int32_t sy = Abgebildet(j, H, Q.top(), Q.height());
        if (VorigeZeile && sy == VorigeQuelle) {
            std::memcpy(d, VorigeZeile, static_cast<size_t>(W) * sizeof(QRgb));
            continue;
        }
        if (sy < 0 || sy >= Bild.height())
            std::fill(d, d + W, Weiss);
        else
            ZeileAbbilden(d, reinterpret_cast<const QRgb*>(Bild.constScanLine(sy)), Spalten, Weiss);
        VorigeQuelle = sy;
        VorigeZeile = d;
    }
}

void Rahmen(QImage& Lupe) {
    const int W = Lupe.width(), H = Lupe.height();
    auto* Oben = reinterpret_cast<QRgb*>(Lupe.scanLine(0));
    auto* Unten = reinterpret_cast<QRgb*>(Lupe.scanLine(H - 1));
    std::fill(Oben, Oben + W, Schwarz);
    std::fill(Unten, Unten + W, Schwarz);
    for (int y = 1; y < H - 1; ++y) {
        auto* z = reinterpret_cast<QRgb*>(Lupe.scanLine(y));
        z[0] = Schwarz;
        z[W - 1] = Schwarz;
    }
}

void Invertiere(QImage& Lupe, int x, int y) {
    if (x < 0 || y < 0 || x >= Lupe.width() || y >= Lupe.height()) return;
    reinterpret_cast<QRgb*>(Lupe.scanLine(y))[x] ^= 0x00FFFFFFu;
}

// Two inverted lines of 17 pixels through (cx, cy), drawn one after the
// other, so the centre pixel is inverted twice.
void Kreuz(QImage& Lupe, int cx, int cy) {
    for (int i = -8; i <= 8; ++i)
        Invertiere(Lupe, cx + i, cy);
    for (int i = -8; i <= 8; ++i)
        Invertiere(Lupe, cx, cy + i);
}

// " 200% " or " 400% " in black on $EEEEEE, made once per factor.
const QImage& Beschriftung(int32_t Fak) {
    static std::array<QImage, 2> Fertig;
    QImage& b = Fertig[Fak == 4 ? 1 : 0];
    if (b.isNull()) {
        const QString Text = QStringLiteral(" %1% ").arg(Fak * 100);
        const QFont f = SansFont(8, false);
        const QFontMetrics m(f);
        b = QImage(m.horizontalAdvance(Text), m.height(), QImage::Format_RGB32);
        b.fill(TColorToQRgb(0x00EEEEEE));
        QPainter p(&b);
        p.setFont(f);
        p.setPen(Qt::black);
        p.drawText(0, m.ascent(), Text);
    }
    return b;
}

void Beschriften(QImage& Lupe, int32_t Fak) {
    const QImage& b = Beschriftung(Fak);
    const int w = IMin(b.width(), Lupe.width() - 1), h = IMin(b.height(), Lupe.height() - 1);
    for (int y = 0; y < h; ++y)
        std::memcpy(Lupe.scanLine(y + 1) + sizeof(QRgb), b.constScanLine(y),
                    static_cast<size_t>(w) * sizeof(QRgb));
}

} // namespace

void TScreenForm::LupeZweig(int32_t xneu, int32_t yneu) {
    Sx = xneu;
    Sy = yneu;
    Lupe();
}

void TScreenForm::Lupe() {
    const TToolForm* t = ToolForm;
    if (Sx < 0 || Sy < 0 || t->Start) return;
    const int32_t W = LupeBreite(t->Sdicke), H = LupeHoehe(t->Sdicke), f = t->LupeFak;
    if (W < 2 || H < 2 || f <= 0) return;
    const int32_t Breite = Img2->width(), Hoehe = Img2->height();

    // Source in the picture: shifted to stay inside it.
    const int32_t sw = W / f, sh = H / f;
    int32_t sL = Sx - sw / 2, sT = Sy - sh / 2, sR = sL + sw, sB = sT + sh;
    RectEinpassen(sL, sT, sR, sB, 0, 0, Breite, Hoehe);
    // The lens on the screen: whole, its frame at most just beyond an edge.
    float dL = static_cast<float>(Sx - W / 2), dT = static_cast<float>(Sy - H / 2);
    float dR = dL + static_cast<float>(W), dB = dT + static_cast<float>(H);
    FloatRectEinpassen(dL, dT, dR, dB, -1.0f, -1.0f, static_cast<float>(Breite + 1),
                       static_cast<float>(Hoehe + 1));

    QImage& L = Img2->Layer.Bitmap;
    if (L.size() != QSize(W, H)) L = QImage(W, H, QImage::Format_RGB32);
    Vergroessern(L, Img2->Bitmap, QRect(sL, sT, sR - sL, sB - sT));
    Rahmen(L);
    Kreuz(L, Sx - Round(dL), Sy - Round(dT));
    Beschriften(L, f);
    Img2->LayerZeigen(QRectF(dL, dT, dR - dL, dB - dT));
}
