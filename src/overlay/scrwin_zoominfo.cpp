// The zoom view's read-out: zoom factor, the picture pixel under the pointer
// and its colour. The panel keeps out from under the pointer.

#include "controls/kvxspez.h"
#include "overlay/scrwin.h"
#include "toolwindow/toolwin2.h"

#include <QLabel>

namespace {

void KeinPunkt(TZoomInfoPan* p) {
    p->ZoomPanXLab->clear();
    p->ZoomPanYLab->clear();
    p->ZoomPanKlammern->hide();
}

void KeineFarbe(TZoomInfoPan* p) {
    p->ZoomPanColLab->clear();
    p->SwatchFarbe(TZoomInfoPan::Grundfarbe);
}

// Under the pointer the panel jumps to the other top corner and back.
void Ausweichen(TZoomInfoPan* p, int32_t x, int32_t y, int32_t Breite) {
    const QRect g = p->geometry();
    const bool Darunter =
        x >= g.left() && x <= g.left() + g.width() && y >= g.top() && y <= g.top() + g.height();
    if (Darunter) p->move(g.left() == -1 ? Breite - g.width() + 1 : -1, g.top());
}

} // namespace

void TScreenForm::SetZoomInfo() {
    TZoomInfoPan* p = ZoomInfoPan;
    p->ZoomPanZoomLab->setText(FloatToStrWD(ToolForm->ZoomFak * 100.0L, 0, 0) +
                               QStringLiteral("%"));
    if (Sx < 0 || Sy < 0) {
        KeinPunkt(p);
        KeineFarbe(p);
        return;
    }
    const QPoint b = BildpunktUnter(Sx, Sy);
    p->ZoomPanXLab->setText(QString::number(b.x()));
    p->ZoomPanYLab->setText(QString::number(b.y()));
    p->ZoomPanKlammern->show();
    Ausweichen(p, Sx, Sy, Img2->width());
    if (!Bild().rect().contains(b)) {
        KeineFarbe(p);
        return;
    }
    PipetteCol = QRgbToTColor(Bild().pixel(b));
    p->ZoomPanColLab->setText(FarbCode(PipetteCol));
    p->SwatchFarbe(PipetteCol);
}
