#pragma once
// A bitmap shown scaled by a whole factor with nearest-neighbour sampling at
// real-valued offsets, with one bitmap layer and two inverting figures above
// it. The lens and the zoom view show the picture through it.

#include "overlay/mausflaeche.h"

#include <QImage>
#include <QRectF>
#include <cstdint>

struct TBitmapLayer {
    QImage Bitmap;
    QRectF Location; // in widget coordinates, shown 1:1 at its rounded corner
    bool Visible = false;
};

// A figure that inverts what lies below it: a solid bar, or the 1-pixel
// outline of its rectangle.
struct TInvertFigur {
    QRect Rect;
    bool Umriss = false;
    bool Visible = false;
    bool operator==(const TInvertFigur&) const = default;
};

class TImage32 : public TMausFlaeche {
    Q_OBJECT
public:
    explicit TImage32(QWidget* Parent = nullptr);

    // The picture coordinate shown at view coordinate v:
    // Floor((v - Offset) / Scale).
    static int32_t BildKoordinate(int32_t v, float Offset, float Scale);

    // Scale and offsets (the screen position of the picture's top-left
    // corner); repaints when they change.
    void SetAnsicht(float NeuScale, float NeuOffsetHorz, float NeuOffsetVert);
    // The layer's bitmap is drawn into directly; then it is shown at Location.
    void LayerZeigen(const QRectF& Location);
    void LayerVerstecken();
    // The hairlines ZFadenX and ZFadenY.
    void SetFaeden(const TInvertFigur& X, const TInvertFigur& Y);

    // Paints the view's rectangle R into Ziel, where Ziel's pixel (0, 0)
    // shows the view point Ursprung. Ziel is 32 bits per pixel, opaque.
    void Malen(QImage& Ziel, QPoint Ursprung, const QRect& R) const;

    QImage Bitmap;
    float Scale = 1.0f;
    float OffsetHorz = 0.0f;
    float OffsetVert = 0.0f;
    TBitmapLayer Layer;
    TInvertFigur ZFadenX, ZFadenY;

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    void BildMalen(QImage& Ziel, QPoint Ursprung, const QRect& R) const;
    void LayerMalen(QImage& Ziel, QPoint Ursprung, const QRect& R) const;
    void FigurUpdate(const TInvertFigur& F);
};
