#include "toolwindow/glyphen.h"

#include "overlay/groessen.h"
#include "platform/canvas.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

const QColor Tinte(40, 40, 40);

void DeckendeFarbe(QPainter& p, QColor c) {
    p.setPen(QPen(Tinte, 1));
    p.setBrush(c);
    p.drawRect(QRect(2, 2, 13, 13));
}

// A highlighter stroke over black lines: the colour lets them show through.
void TransparenteFarbe(QPainter& p, QColor c) {
    p.setPen(QPen(Tinte, 2));
    p.drawLine(4, 5, 13, 5);
    p.drawLine(4, 9, 13, 9);
    p.drawLine(4, 13, 13, 13);
    c.setAlpha(150);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRect(QRect(2, 3, 14, 12));
}

// A bar across the glyph as thick as the width, centred on the middle.
void Breite(QPainter& p, int Nr) {
    const int d = BreitenGlyphenStaerke(Nr);
    p.fillRect(QRect(2, (GlyphenGroesse - d) / 2, GlyphenGroesse - 4, d), Tinte);
}

void Pfeilspitze(QPainter& p, QPointF Spitze, QPointF Von) {
    const QPointF d = Spitze - Von;
    const double l = std::hypot(d.x(), d.y());
    const QPointF e = d / l, n(-e.y(), e.x());
    const QPointF Basis = Spitze - e * 6.0;
    p.setBrush(Tinte);
    p.drawPolygon(QPolygonF({Spitze, Basis + n * 3.5, Basis - n * 3.5}));
}

void Stift(QPainter& p) {
    p.setPen(QPen(Tinte, 1));
    p.setBrush(QColor(240, 200, 60));
    p.drawPolygon(QPolygonF({{13, 2}, {16, 5}, {6, 15}, {3, 12}}));
    p.setBrush(Tinte);
    p.drawPolygon(QPolygonF({{3, 12}, {6, 15}, {2, 16}}));
}

void Radierer(QPainter& p) {
    p.setPen(QPen(Tinte, 1));
    p.setBrush(QColor(230, 120, 140));
    p.drawPolygon(QPolygonF({{9, 3}, {16, 10}, {11, 15}, {4, 8}}));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({{4, 8}, {11, 15}, {8, 16}, {2, 10}}));
}

void Lupe(QPainter& p, int Zeichen) {
    p.setPen(QPen(Tinte, 1.5));
    p.setBrush(QColor(220, 235, 255));
    p.drawEllipse(QPointF(7.5, 7.5), 5.5, 5.5);
    p.setPen(QPen(Tinte, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(11.5, 11.5), QPointF(16, 16));
    p.setPen(QPen(Tinte, 1.5));
    if (Zeichen != 0) p.drawLine(QPointF(5, 7.5), QPointF(10, 7.5));
    if (Zeichen > 0) p.drawLine(QPointF(7.5, 5), QPointF(7.5, 10));
}

// A brown board with a metal clip at the top and a white sheet on it.
void Klemmbrett(QPainter& p) {
    p.setPen(QPen(Tinte, 1));
    p.setBrush(QColor(170, 120, 60));
    p.drawRect(QRectF(2.5, 2.5, 13, 15));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 5.5, 9, 11));
    p.setBrush(QColor(170, 170, 170));
    p.drawRect(QRectF(6.5, 0.5, 5, 4));
}

void Werkzeug(QPainter& p, int Nr) {
    p.setPen(QPen(Tinte, 1.5));
    p.setBrush(Qt::NoBrush);
    const QColor Fuellung(90, 140, 220);
    switch (Nr) {
    case 14:
        Stift(p);
        break;
    case 15:
        Radierer(p);
        break;
    case 16:
        p.drawLine(QPointF(3, 15), QPointF(15, 3));
        break;
    case 17:
        p.drawLine(QPointF(3, 15), QPointF(12, 6));
        Pfeilspitze(p, {15, 3}, {3, 15});
        break;
    case 18:
        p.drawRect(QRectF(2.5, 4.5, 13, 9));
        break;
    case 19:
        p.setBrush(Fuellung);
        p.drawRect(QRectF(2.5, 4.5, 13, 9));
        break;
    case 20:
        p.drawEllipse(QRectF(2.5, 4.5, 13, 9));
        break;
    case 21:
        p.setBrush(Fuellung);
        p.drawEllipse(QRectF(2.5, 4.5, 13, 9));
        break;
    case 22:
        p.drawLine(QPointF(6, 12), QPointF(12, 6));
        Pfeilspitze(p, {15, 3}, {3, 15});
        Pfeilspitze(p, {3, 15}, {15, 3});
        break;
    case 23:
        p.setFont(SansFont(11, true));
        p.drawText(QRect(0, 0, GlyphenGroesse, GlyphenGroesse), Qt::AlignCenter,
                   QStringLiteral("A"));
        break;
    case 24:
        p.setPen(QPen(QColor(0, 140, 0), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({{3, 9}, {7, 14}, {15, 4}}));
        break;
    case 25:
        p.setPen(QPen(QColor(200, 0, 0), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4, 4), QPointF(14, 14));
        p.drawLine(QPointF(14, 4), QPointF(4, 14));
        break;
    case 26:
        p.setPen(QPen(Tinte, 1, Qt::DashLine));
        p.drawRect(QRectF(2.5, 3.5, 13, 11));
        break;
    case 27:
        Lupe(p, 1);
        break;
    case 28:
        Lupe(p, -1);
        break;
    case 29: // undo: a curved arrow turning back to the left
        p.drawArc(QRectF(4, 4, 11, 10), 90 * 16, -200 * 16);
        p.setPen(QPen(Tinte, 1));
        Pfeilspitze(p, QPointF(3, 6), QPointF(9, 4));
        break;
    case 30: // clear: a sheet struck through
        p.setPen(QPen(Tinte, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3.5, 2.5, 11, 13));
        p.setPen(QPen(QColor(200, 0, 0), 2));
        p.drawLine(QPointF(3, 15), QPointF(15, 3));
        p.drawLine(QPointF(3, 3), QPointF(15, 15));
        break;
    case 31: // print: a printer with a sheet coming out
        p.setPen(QPen(Tinte, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 1.5, 7, 5));
        p.setBrush(QColor(150, 150, 150));
        p.drawRect(QRectF(1.5, 6.5, 15, 7));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 11.5, 9, 5));
        p.setPen(QPen(QColor(0, 160, 0), 1));
        p.drawPoint(QPointF(14, 8.5));
        break;
    case 32: // save: a floppy disk
        p.setPen(QPen(Tinte, 1));
        p.setBrush(QColor(50, 80, 160));
        p.drawPolygon(QPolygonF({{1.5, 1.5}, {14.5, 1.5}, {16.5, 3.5}, {16.5, 16.5}, {1.5, 16.5}}));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 1.5, 8, 5));
        p.drawRect(QRectF(3.5, 9.5, 11, 7));
        p.setBrush(Tinte);
        p.drawRect(QRectF(9.5, 2.5, 2, 3));
        break;
    case 33: // copy to the clipboard: a clipboard with a sheet
        Klemmbrett(p);
        p.setPen(QPen(QColor(120, 120, 120), 1));
        for (double y : {8.5, 11.5, 14.5})
            p.drawLine(QPointF(6, y), QPointF(12, y));
        break;
    case 34: // info: a round "i"
        p.setPen(QPen(Tinte, 1));
        p.setBrush(QColor(60, 110, 200));
        p.drawEllipse(QRectF(1.5, 1.5, 15, 15));
        p.setPen(QPen(Qt::white, 2));
        p.drawLine(QPointF(9, 8), QPointF(9, 14));
        p.drawPoint(QPointF(9, 5));
        break;
    case 35:
        Lupe(p, 0);
        break;
    case 36: // blank sheet: a page with lines
        p.setPen(QPen(Tinte, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3.5, 1.5, 11, 15));
        p.setPen(QPen(QColor(160, 160, 160), 1));
        for (double y : {5.5, 8.5, 11.5, 14.5})
            p.drawLine(QPointF(5, y), QPointF(13, y));
        break;
    case 37: // e-mail: an envelope
        p.setPen(QPen(Tinte, 1));
        p.setBrush(QColor(255, 245, 200));
        p.drawRect(QRectF(1.5, 4.5, 15, 10));
        p.drawPolyline(QPolygonF({{1.5, 4.5}, {9, 10.5}, {16.5, 4.5}}));
        break;
    case 48: // paste: a clipboard with an arrow pointing into it
        Klemmbrett(p);
        p.setPen(QPen(QColor(0, 130, 0), 2));
        p.drawLine(QPointF(9, 7), QPointF(9, 13));
        p.setPen(QPen(QColor(0, 130, 0), 1));
        p.setBrush(QColor(0, 130, 0));
        p.drawPolygon(QPolygonF({{5.5, 11.5}, {12.5, 11.5}, {9, 15.5}}));
        break;
    default:
        break;
    }
}

} // namespace

int BreitenGlyphenStaerke(int Nr) {
    // The widest stroke becomes 14 of the glyph's 18 pixels.
    constexpr double Massstab = 14.0 / DickeTab[4];
    return static_cast<int>(std::lround(DickeTab[Nr + 1] * Massstab));
}

QPixmap FarbGlyphe(TColor c) {
    QPixmap p(GlyphenGroesse, GlyphenGroesse);
    p.fill(QColor::fromRgb(TColorToQRgb(c)));
    return p;
}

QPixmap WerkzeugGlyphe(int Nr) {
    static const QColor Deckend[] = {Qt::red, Qt::yellow, Qt::green, Qt::blue};
    QImage img(GlyphenGroesse, GlyphenGroesse, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, Nr >= 14);
    if (Nr >= 0 && Nr <= 3)
        DeckendeFarbe(p, Deckend[Nr]);
    else if (Nr == 8)
        DeckendeFarbe(p, Qt::white);
    else if (Nr == 9)
        DeckendeFarbe(p, Qt::black);
    else if (Nr >= 4 && Nr <= 7)
        TransparenteFarbe(p, Deckend[Nr - 4]);
    else if (Nr >= 10 && Nr <= 13)
        Breite(p, Nr - 10);
    else
        Werkzeug(p, Nr);
    p.end();
    return QPixmap::fromImage(img);
}
