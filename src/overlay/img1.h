#pragma once
// The overlay's picture: shows the drawing bitmap at 1:1 from the top-left
// corner and repaints only the rectangles its canvas reports as changed.

#include "overlay/mausflaeche.h"
#include "platform/canvas.h"

#include <QImage>
#include <functional>

class TBildAnzeige : public TMausFlaeche {
    Q_OBJECT
public:
    explicit TBildAnzeige(QWidget* Parent = nullptr);

    QImage& Bitmap() { return FBild; }
    const QImage& Bitmap() const { return FBild; }
    TCanvas& Canvas() { return FCanvas; }

    // Replaces the picture's content by Src. Normally Src is copied into the
    // picture's own buffer; with Teilen the picture shares Src's pixels until
    // the first drawing, which saves a frame of memory until then.
    void SetBitmap(const QImage& Src, bool Teilen = false);

    // Called with every changed rectangle, after the repaint is scheduled.
    std::function<void(const QRect&)> OnChange;
    // Called once after the next paint, when the toolkit has handed that to
    // the window system.
    std::function<void()> OnGezeigt;

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    void Changed(const QRect& R);

    QImage FBild;
    TCanvas FCanvas;
};
