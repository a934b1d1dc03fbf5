#include "platform/canvas.h"

#include <QFontMetrics>
#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

QPainter::CompositionMode CompositionFor(TPenMode Mode) {
    switch (Mode) {
    case pmMask:
        return QPainter::RasterOp_SourceAndDestination;
    case pmNot:
        return QPainter::RasterOp_NotDestination;
    default:
        return QPainter::CompositionMode_SourceOver;
    }
}

QColor ColorFor(TPenMode Mode, TColor c) {
    if (Mode == pmBlack) return QColor(0, 0, 0);
    if (Mode == pmWhite) return QColor(255, 255, 255);
    return QColor::fromRgb(TColorToQRgb(c));
}

// The one-pixel line of the classic canvas: from the start point towards the
// end point, the end point itself not painted, whatever the direction.
template <typename F> void BresenhamOhneEnde(int x0, int y0, int x1, int y1, F Plot) {
    const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
    const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    while (x0 != x1 || y0 != y1) {
        Plot(x0, y0);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

QRect BoxOf(int x1, int y1, int x2, int y2) {
    return QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                 QPoint(std::max(x1, x2), std::max(y1, y2)));
}

} // namespace

void TCanvas::Attach(QImage* Bild) {
    Release();
    FBild = Bild;
}

void TCanvas::Release() {
    if (FPainter.isActive()) FPainter.end();
}

QPainter& TCanvas::Painter() {
    if (!FPainter.isActive()) {
        FPainter.begin(FBild);
        FPainter.setRenderHint(QPainter::Antialiasing, false);
    }
    return FPainter;
}

void TCanvas::ApplyPen() {
    QPainter& p = Painter();
    p.setCompositionMode(CompositionFor(Pen.Mode));
    if (Pen.Style == psClear || Pen.Mode == pmNop) {
        p.setPen(Qt::NoPen);
        return;
    }
    const Qt::PenStyle Style = Pen.Style == psDot ? Qt::DotLine : Qt::SolidLine;
    // A 1-pixel pen paints the start of a line and not its end; wider pens
    // have round ends and joins.
    if (Pen.Width <= 1)
        p.setPen(QPen(ColorFor(Pen.Mode, Pen.Color), 0, Style, Qt::FlatCap, Qt::MiterJoin));
    else
        p.setPen(
            QPen(ColorFor(Pen.Mode, Pen.Color), Pen.Width, Style, Qt::RoundCap, Qt::RoundJoin));
}

void TCanvas::ApplyBrushOnly() {
    QPainter& p = Painter();
    p.setCompositionMode(CompositionFor(Pen.Mode));
    p.setPen(Qt::NoPen);
    p.setBrush(QBrush(ColorFor(Pen.Mode, Brush.Color)));
}

void TCanvas::Changed(const QRect& R) {
    if (!OnChange || !FBild) return;
    const QRect Clipped = R & FBild->rect();
    if (!Clipped.isEmpty()) OnChange(Clipped);
}

void TCanvas::LineTo(int x, int y) {
    Line(PenPos.x(), PenPos.y(), x, y);
    PenPos = QPoint(x, y);
}

void TCanvas::Line(int x1, int y1, int x2, int y2) {
    if (Pen.Style == psClear) return;
    if (Pen.Width <= 1 && Pen.Style == psSolid) {
        ThinLine(x1, y1, x2, y2);
        return;
    }
    ApplyPen();
    QPainter& p = Painter();
    if (x1 == x2 && y1 == y2) {
        // A zero-length line: a 1-pixel pen paints nothing; a wide pen leaves
        // its round dot.
        if (Pen.Width > 1) p.drawPoint(x1, y1);
    } else {
        p.drawLine(x1, y1, x2, y2);
    }
    Changed(BoxOf(x1, y1, x2, y2).adjusted(-PenMargin(), -PenMargin(), PenMargin(), PenMargin()));
}

void TCanvas::ThinLine(int x1, int y1, int x2, int y2) {
    if (Pen.Mode == pmNop) return;
    const QRect Frame = FBild->rect();
    uchar* Bits = FBild->bits();
    const qsizetype Stride = FBild->bytesPerLine();
    const QRgb Farbe = ColorFor(Pen.Mode, Pen.Color).rgb();
    const TPenMode Mode = Pen.Mode;
    BresenhamOhneEnde(x1, y1, x2, y2, [&](int x, int y) {
        if (!Frame.contains(x, y)) return;
        QRgb& p = reinterpret_cast<QRgb*>(Bits + y * Stride)[x];
        if (Mode == pmNot)
            p ^= 0x00FFFFFFu;
        else if (Mode == pmMask)
            p &= Farbe;
        else
            p = Farbe;
    });
    Changed(BoxOf(x1, y1, x2, y2));
}

void TCanvas::Polyline(const QPoint* Points, int Count) {
    for (int i = 1; i < Count; ++i)
        Line(Points[i - 1].x(), Points[i - 1].y(), Points[i].x(), Points[i].y());
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    if (Brush.Style == bsSolid) {
        ApplyBrushOnly();
        Painter().drawRect(QRect(x1, y1, x2 - x1, y2 - y1));
    }
    const int r = x2 - 1, b = y2 - 1;
    if (Pen.Width <= 1) {
        // Four lines that meet without overlapping, so an inverting pen
        // inverts every outline pixel exactly once.
        if (r <= x1 || b <= y1) {
            ApplyPen();
            Painter().setBrush(Qt::NoBrush);
            Painter().fillRect(QRect(x1, y1, std::max(1, x2 - x1), std::max(1, y2 - y1)),
                               ColorFor(Pen.Mode, Pen.Color));
        } else {
            const QPoint Pts[5] = {{x1, y1}, {r, y1}, {r, b}, {x1, b}, {x1, y1}};
            Polyline(Pts, 5);
        }
    } else if (Pen.Style != psClear) {
        ApplyPen();
        Painter().setBrush(Qt::NoBrush);
        // A box one pixel wide or high has no inside: the wide pen strokes
        // it as a line, and a single pixel as the pen's round dot.
        if (r == x1 && b == y1)
            Painter().drawPoint(x1, y1);
        else if (r == x1 || b == y1)
            Painter().drawLine(x1, y1, r, b);
        else
            Painter().drawRect(QRect(x1, y1, r - x1, b - y1));
    }
    const QRect Box = QRect(x1, y1, x2 - x1, y2 - y1)
                          .adjusted(-PenMargin(), -PenMargin(), PenMargin(), PenMargin());
    if (Brush.Style == bsSolid)
        Changed(Box);
    else if (Pen.Width > 1)
        RahmenGeaendert(Box, 2 * PenMargin());
    // A thin outline without fill has reported its four lines already.
}

void TCanvas::RahmenGeaendert(const QRect& Box, int Dicke) {
    // Only the frame changed: report its four sides, so that an outline
    // round a large area repaints and saves just the outline.
    Changed(QRect(Box.left(), Box.top(), Box.width(), Dicke));
    Changed(QRect(Box.left(), Box.bottom() - Dicke + 1, Box.width(), Dicke));
    Changed(QRect(Box.left(), Box.top(), Dicke, Box.height()));
    Changed(QRect(Box.right() - Dicke + 1, Box.top(), Dicke, Box.height()));
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    ApplyPen();
    QPainter& p = Painter();
    if (Brush.Style == bsSolid)
        p.setBrush(QBrush(ColorFor(Pen.Mode, Brush.Color)));
    else
        p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRect(x1, y1, std::max(0, x2 - x1 - 1), std::max(0, y2 - y1 - 1)));
    Changed(QRect(x1, y1, x2 - x1, y2 - y1)
                .adjusted(-PenMargin(), -PenMargin(), PenMargin(), PenMargin()));
}

void TCanvas::TextOut(int x, int y, const QString& Text) {
    QPainter& p = Painter();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setFont(Font);
    p.setPen(QColor::fromRgb(TColorToQRgb(FontColor)));
    const QFontMetrics fm(Font);
    const int w = fm.horizontalAdvance(Text);
    const int left = (TextAlign & TA_CENTER) == TA_CENTER ? x - w / 2 : x;
    if (Brush.Style == bsSolid)
        p.fillRect(QRect(left, y, w, fm.height()), QColor::fromRgb(TColorToQRgb(Brush.Color)));
    p.drawText(left, y + fm.ascent(), Text);
    const QRect Ink = fm.boundingRect(Text);
    Changed(QRect(left, y, w, fm.height()) |
            Ink.translated(left, y + fm.ascent()).adjusted(-2, -2, 2, 2));
}

void TCanvas::DrawText(int x, int y, const QString& Text) {
    const int Align = TextAlign;
    TextAlign = TA_LEFT | TA_TOP;
    const int h = QFontMetrics(Font).height();
    const QStringList Lines = Text.split(QLatin1Char('\n'));
    for (int i = 0; i < Lines.size(); ++i) {
        QString Line = Lines[i];
        if (Line.endsWith(QLatin1Char('\r'))) Line.chop(1);
        TextOut(x, y + i * h, Line);
    }
    TextAlign = Align;
}

int TCanvas::TextWidth(const QString& Text) const {
    return QFontMetrics(Font).horizontalAdvance(Text);
}

int TCanvas::TextHeight(const QString& Text) const {
    Q_UNUSED(Text);
    return QFontMetrics(Font).height();
}

void TCanvas::CopyBlock(const QImage& Src, const QRect& R) {
    QRect Clip = R & FBild->rect() & Src.rect();
    // Rows are copied byte for byte, which needs whole bytes per pixel.
    if (Clip.isEmpty() || FBild->depth() % 8 != 0) return;
    // A source of another format (a pasted picture, say) is brought into the
    // bitmap's format first; its own pixel size would misread the rows.
    QImage Umgewandelt;
    const QImage* Quelle = &Src;
    QPoint Ursprung = Clip.topLeft();
    if (Src.format() != FBild->format()) {
        Umgewandelt = Src.copy(Clip).convertToFormat(FBild->format());
        if (Umgewandelt.size() != Clip.size()) return;
        Quelle = &Umgewandelt;
        Ursprung = QPoint(0, 0);
    }
    const int Bpp = FBild->depth() / 8;
    const size_t Bytes = static_cast<size_t>(Clip.width()) * static_cast<size_t>(Bpp);
    uchar* Dst = FBild->bits();
    const uchar* From = Quelle->constBits();
    const qsizetype DstStride = FBild->bytesPerLine(), SrcStride = Quelle->bytesPerLine();
    for (int y = 0; y < Clip.height(); ++y)
        std::memcpy(Dst + (Clip.top() + y) * DstStride + Clip.left() * Bpp,
                    From + (Ursprung.y() + y) * SrcStride + Ursprung.x() * Bpp, Bytes);
    Changed(Clip);
}

void TCanvas::SetInvertPen() {
    Pen.Width = 1;
    Pen.Style = psSolid;
    Pen.Mode = pmNot;
    Brush.Style = bsClear;
}

int FontPunkte(const QFont& Font) {
    if (Font.pixelSize() > 0) return (Font.pixelSize() * 72 * 2 + 96) / (96 * 2);
    return Font.pointSize();
}

QFont SansFont(int Punkte, bool Fett) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(PunkteZuPixel(Punkte));
    f.setBold(Fett);
    return f;
}
