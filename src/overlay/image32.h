#pragma once
// A bitmap shown scaled by a factor with nearest-neighbour sampling at
// real-valued offsets, with one bitmap layer above it. The lens and the zoom
// view show the picture through it.

#include "overlay/mausflaeche.h"

#include <QImage>
#include <QRectF>

struct TBitmapLayer {
    QImage Bitmap;
    QRectF Location; // in widget coordinates
    bool Visible = false;
};

class TImage32 : public TMausFlaeche {
    Q_OBJECT
public:
    explicit TImage32(QWidget* Parent = nullptr);

    QImage Bitmap;
    float Scale = 1.0f;
    float OffsetHorz = 0.0f;
    float OffsetVert = 0.0f;
    TBitmapLayer Layer;

protected:
    void paintEvent(QPaintEvent* Event) override;
};
