#pragma once
// A drawing surface over a QImage with the conventions of the classic
// desktop canvas that the drawing code was designed around:
// - a line from A to B paints A but not B; wide pens have round ends and joins;
// - a rectangle or ellipse given as (x1, y1, x2, y2) covers x1..x2-1, y1..y2-1;
// - pen modes copy, mask (pixel := pen AND pixel) and not (pixel := NOT pixel);
// - text is placed by its reference point and the text alignment flags.
// Every drawing operation reports the rectangle it may have touched through
// OnChange, so that the display repaints only that and undo copies only that.

#include "platform/tcolor.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <functional>

enum TPenMode : uint8_t { pmBlack = 0, pmWhite = 1, pmNop = 2, pmNot = 3, pmCopy = 4, pmMask = 12 };
enum TPenStyle : uint8_t { psSolid, psDot, psClear };
enum TBrushStyle : uint8_t { bsSolid, bsClear };

// Text alignment flags of the reference point.
constexpr int TA_LEFT = 0;
constexpr int TA_TOP = 0;
constexpr int TA_CENTER = 6;

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
    TPenMode Mode = pmCopy;
    TPenStyle Style = psSolid;
};

struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
};

class TCanvas {
public:
    TCanvas() = default;
    explicit TCanvas(QImage* Bild) { Attach(Bild); }
    ~TCanvas() { Release(); }
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    // Binds the canvas to a bitmap. The bitmap's buffer must not be replaced
    // while bound; call Release() first (or Attach again).
    void Attach(QImage* Bild);
    // Ends the painter held on the bitmap; the next drawing starts a new one.
    void Release();
    QImage* Bitmap() const { return FBild; }

    TPen Pen;
    TBrush Brush;
    QFont Font;
    TColor FontColor = clBlack;
    int TextAlign = TA_LEFT | TA_TOP;
    QPoint PenPos;
    std::function<void(const QRect&)> OnChange;

    void MoveTo(int x, int y) { PenPos = QPoint(x, y); }
    void LineTo(int x, int y);
    void Line(int x1, int y1, int x2, int y2);
    void Polyline(const QPoint* Points, int Count);
    void Rectangle(int x1, int y1, int x2, int y2);
    void Ellipse(int x1, int y1, int x2, int y2);
    void TextOut(int x, int y, const QString& Text);
    // Multi-line text from the top-left corner, one line height apart, no clipping.
    void DrawText(int x, int y, const QString& Text);
    int TextWidth(const QString& Text) const;
    int TextHeight(const QString& Text) const;
    // Copies the block R of Src (same coordinates) into the bitmap; clipped.
    void CopyBlock(const QImage& Src, const QRect& R);

    // Pen and brush presets used everywhere: the inverting 1-pixel outline pen
    // of tool marks and rubber bands, with a clear brush.
    void SetInvertPen();

private:
    // Makes the picture the only owner of its pixels before they are written.
    void EigeneBits();
    QPainter& Painter();
    void ApplyPen();
    void ApplyBrushOnly();
    void Changed(const QRect& R);
    void ThinLine(int x1, int y1, int x2, int y2);
    void RahmenGeaendert(const QRect& Box, int Dicke);
    int PenMargin() const { return Pen.Width / 2 + 2; }

    QImage* FBild = nullptr;
    QPainter FPainter;
};

// Text sizes are given in points at 96 dots per inch; fonts carry pixel sizes
// so that the canvas and the text field measure alike on every screen.
constexpr int PunkteZuPixel(int Punkte) {
    return (Punkte * 96 * 2 + 72) / (72 * 2);
}
int FontPunkte(const QFont& Font);
// The sans-serif font of the drawing code, metric-compatible with Arial.
QFont SansFont(int Punkte, bool Fett);
