#include "overlay/img1.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <cstring>
#include <utility>

TBildAnzeige::TBildAnzeige(QWidget* Parent) : TMausFlaeche(Parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    FCanvas.Attach(&FBild);
    FCanvas.OnChange = [this](const QRect& R) { Changed(R); };
}

void TBildAnzeige::SetBitmap(const QImage& Src, bool Teilen) {
    const QImage Quelle =
        Src.format() == QImage::Format_RGB32 ? Src : Src.convertToFormat(QImage::Format_RGB32);
    const bool Passend = !FBild.isNull() && FBild.isDetached() && FBild.size() == Quelle.size() &&
                         FBild.bytesPerLine() == Quelle.bytesPerLine();
    if (Teilen || !Passend) {
        // A shared picture parts from its source at the first drawing.
        FCanvas.Release();
        FBild = Teilen ? Quelle : Quelle.copy();
    } else {
        std::memcpy(FBild.bits(), Quelle.constBits(), static_cast<size_t>(Quelle.sizeInBytes()));
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
    // Queued: the toolkit hands the paint to the window system after this.
    if (OnGezeigt) QTimer::singleShot(0, this, std::exchange(OnGezeigt, nullptr));
}
