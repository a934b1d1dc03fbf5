#include "toolwindow/blattmuster.h"

#include "controls/kvxspez.h"

namespace {

void LinienStift(TCanvas& C) {
    C.Pen.Color = BlattLinienFarbe;
    C.Pen.Width = 1;
    C.Pen.Mode = pmCopy;
    C.Pen.Style = psSolid;
}

} // namespace

QSize BlattFlaeche(QSize Schirm, QSize Bild) {
    return Schirm.expandedTo(Bild);
}

void MaleEinfarbig(TCanvas& C, QSize F, TColor Farbe) {
    C.Pen.Mode = pmCopy;
    C.Pen.Style = psClear;
    C.Brush.Style = bsSolid;
    C.Brush.Color = Farbe;
    C.Rectangle(0, 0, F.width() + 1, F.height() + 1);
}

void MaleLinien(TCanvas& C, QSize F, int32_t a) {
    LinienStift(C);
    const int32_t n = Round(static_cast<double>(F.height()) / a);
    for (int32_t i = 1; i <= n; ++i)
        C.Line(0, a * i - 1, F.width() + 1, a * i - 1);
}

void MaleKaros(TCanvas& C, QSize F, int32_t a) {
    LinienStift(C);
    for (int32_t c = 0; c <= Round(static_cast<double>(F.height()) / a); ++c)
        C.Line(0, a * c, F.width() + 1, a * c);
    for (int32_t d = 0; d <= Round(static_cast<double>(F.width()) / a); ++d)
        C.Line(a * d, 0, a * d, F.height() + 1);
}

void MalePunktraster(TCanvas& C, QSize F, int32_t a) {
    LinienStift(C);
    const int32_t Zeilen = Round(static_cast<double>(F.height()) / a);
    const int32_t Spalten = Round(static_cast<double>(F.width()) / a);
    const int32_t k = KreuzHalbArm;
    for (int32_t c = 0; c <= Zeilen; ++c)
        for (int32_t f = 0; f <= Spalten; ++f) {
            const int32_t x = a * f, y = a * c;
            C.Line(x - k, y, x + k + 1, y);
            C.Line(x, y - k, x, y + k + 1);
        }
}
