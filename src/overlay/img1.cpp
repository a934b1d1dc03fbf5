#include "overlay/img1.h"

#include <QPaintEvent>
#include <QPainter>
#include <cstring>

TBildAnzeige::TBildAnzeige(QWidget* Parent) : TMausFlaeche(Parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    FCanvas.Attach(&FBild);
    FCanvas.OnChange = [this](const QRect& R) { Changed(R); };
}

void TBildAnzeige::SetBitmap(const QImage& Src) {
    const QImage Quelle =
        Src.format() == QImage::Format_RGB32 ? Src : Src.convertToFormat(QImage::Format_RGB32);
    if (FBild.size() == Quelle.size() && FBild.format() == Quelle.format() && !FBild.isNull()) {
        uchar* Dst = FBild.bits();
        if (FBild.bytesPerLine() == Quelle.bytesPerLine())
            std::memcpy(Dst, Quelle.constBits(), static_cast<size_t>(Quelle.sizeInBytes()));
        else
            for (int y = 0; y < Quelle.height(); ++y)
                std::memcpy(FBild.scanLine(y), Quelle.constScanLine(y),
                            static_cast<size_t>(Quelle.width()) * 4);
    } else {
        FCanvas.Release();
        FBild = Quelle.copy();
        FBild.setDotsPerMeterX(3780); // 96 dpi, the resolution text sizes are given for
        FBild.setDotsPerMeterY(3780);
    }
    Changed(FBild.rect());
}

void TBildAnzeige::Changed(const QRect& R) {
    update(R);
    if (OnChange) OnChange(R);
}

void TBildAnzeige::paintEvent(QPaintEvent* Event) {
    QPainter p(this);
    const QRect R = Event->rect();
    if (!FBild.rect().contains(R)) p.fillRect(R, Qt::black);
    p.drawImage(R.topLeft(), FBild, R);
}
