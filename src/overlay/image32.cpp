#include "overlay/image32.h"

#include <QPaintEvent>
#include <QPainter>

TImage32::TImage32(QWidget* Parent) : TMausFlaeche(Parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TImage32::paintEvent(QPaintEvent* Event) {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.fillRect(Event->rect(), Qt::black);
    p.save();
    p.translate(OffsetHorz, OffsetVert);
    p.scale(Scale, Scale);
    p.drawImage(0, 0, Bitmap);
    p.restore();
    if (Layer.Visible && !Layer.Bitmap.isNull()) p.drawImage(Layer.Location, Layer.Bitmap);
}
