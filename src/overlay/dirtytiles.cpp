#include "overlay/dirtytiles.h"

#include "platform/rahmenpuffer.h"

#include <algorithm>
#include <cstring>

void TDirtyTiles::Reset(QSize Size) {
    FSize = Size;
    FCols = (Size.width() + Kante - 1) / Kante;
    FRows = (Size.height() + Kante - 1) / Kante;
    FFlags.assign(static_cast<size_t>(FCols) * static_cast<size_t>(FRows), 0);
    FCount = 0;
    MarkAll();
}

void TDirtyTiles::Mark(const QRect& R) {
    const QRect C = R & QRect(QPoint(0, 0), FSize);
    if (C.isEmpty()) return;
    for (int ty = C.top() / Kante; ty <= C.bottom() / Kante; ++ty)
        for (int tx = C.left() / Kante; tx <= C.right() / Kante; ++tx) {
            unsigned char& f = FFlags[static_cast<size_t>(ty * FCols + tx)];
            if (!f) {
                f = 1;
                ++FCount;
            }
        }
}

void TDirtyTiles::MarkAll() {
    std::fill(FFlags.begin(), FFlags.end(), 1);
    FCount = static_cast<int>(FFlags.size());
}

void TDirtyTiles::Clear() {
    std::fill(FFlags.begin(), FFlags.end(), 0);
    FCount = 0;
}

void TDirtyTiles::Sync(const QImage& Quelle, QImage& Ziel) {
    if (Quelle.size() != FSize) Reset(Quelle.size());
    if (Ziel.size() != Quelle.size() || Ziel.format() != Quelle.format() ||
        FCount == static_cast<int>(FFlags.size())) {
        Ziel = Quelle;
        EigenePixel(Ziel);
        Clear();
        return;
    }
    if (FCount == 0) return;
    const int Bpp = Quelle.depth() / 8;
    EigenePixel(Ziel);
    uchar* Dst = Ziel.bits();
    const uchar* Src = Quelle.constBits();
    const qsizetype Stride = Quelle.bytesPerLine();
    const qsizetype DStride = Ziel.bytesPerLine();
    for (int ty = 0; ty < FRows; ++ty)
        for (int tx = 0; tx < FCols; ++tx) {
            if (!FFlags[static_cast<size_t>(ty * FCols + tx)]) continue;
            const int x0 = tx * Kante, y0 = ty * Kante;
            const int w = std::min(Kante, FSize.width() - x0);
            const int y1 = std::min(y0 + Kante, FSize.height());
            for (int y = y0; y < y1; ++y)
                std::memcpy(Dst + y * DStride + x0 * Bpp, Src + y * Stride + x0 * Bpp,
                            static_cast<size_t>(w * Bpp));
        }
    Clear();
}
