// Area selection: inverted lines across the whole overlay follow the pointer,
// a drag selects the area that output uses instead of the whole picture.
// The area is then marked by edges and a read-out that are widgets above the
// picture; the read-out can be dragged to move the area, the arrow keys
// nudge it.

#include "controls/kvxspez.h"
#include "overlay/scrwin.h"
#include "toolwindow/toolwin2.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

constexpr TColor BereichInfoFarbe = 0x00EEEEEE;

QString Punkt(int32_t x, int32_t y) {
    return QStringLiteral("(%1,%2)").arg(x).arg(y);
}

QString Groesse(int32_t b, int32_t h) {
    return QStringLiteral("B:%1 H:%2").arg(b).arg(h);
}

} // namespace

QString BereichText(const TRect& R) {
    return QLatin1Char(' ') + Punkt(R.Left, R.Top) + QStringLiteral(" - ") +
           Punkt(R.Right - 1, R.Bottom - 1) + QStringLiteral("  ") +
           Groesse(R.Right - R.Left, R.Bottom - R.Top);
}

QString FadenkreuzText(int32_t Sx, int32_t Sy, int32_t Lx, int32_t Ly) {
    if (Sx < 0 || Sy < 0) return QString();
    if (Lx < 0 || Ly < 0) return Punkt(Sx, Sy);
    const int32_t x1 = IMin(Sx, Lx), x2 = IMax(Sx, Lx);
    const int32_t y1 = IMin(Sy, Ly), y2 = IMax(Sy, Ly);
    return Punkt(x1, y1) + QStringLiteral(" - ") + Punkt(x2, y2) + QStringLiteral("  ") +
           Groesse(x2 - x1 + 1, y2 - y1 + 1);
}

QSize TScreenForm::Bildgroesse() const {
    const QImage& b = Img1->Bitmap();
    return b.isNull() ? QGuiApplication::primaryScreen()->size() : b.size();
}

void TScreenForm::BereichsPanelsErzeugen() {
    BereichX1Pan = new TKantenPanel(this);
    BereichX2Pan = new TKantenPanel(this);
    BereichY1Pan = new TKantenPanel(this);
    BereichY2Pan = new TKantenPanel(this);
    BereichInfoPan = new TInfoPanel(this, BereichInfoFarbe, false, 234, 19);
    BereichInfoPan->setCursor(Qt::SizeAllCursor);
    BereichInfoPan->OnMouseDown = [this](TMouseButton b, TShiftState s, int x, int y) {
        BereichInfoPanMouseDown(b, s, x, y);
    };
    BereichInfoPan->OnMouseMove = [this](TShiftState s, int x, int y) {
        BereichInfoPanMouseMove(s, x, y);
    };
    FadenkreuzInfoPan = new TInfoPanel(this, clWhite, true, 266, 19);
    // It jumps away before the pointer reaches it; the crosshair must go on
    // following the pointer meanwhile.
    FadenkreuzInfoPan->setAttribute(Qt::WA_TransparentForMouseEvents);
    FadenkreuzInfoPan->move(-1, -1);
}

void TScreenForm::BereichZweig(TShiftState Shift, int32_t xneu, int32_t yneu) {
    BereichFadenkreuz();
    ObjektVorschau();
    Sx = xneu;
    Sy = yneu;
    if (Shift.Has(ssShift) && Lx >= 0 && Ly >= 0) ShiftBeschraenkung();
    BereichFadenkreuz();
    if (Shift.Has(ssLeft)) {
        if (Lx < 0 || Ly < 0) {
            // The press: without an anchor this removes the old area.
            SetAuswahlBereich();
            Lx = Sx;
            Ly = Sy;
        }
        ObjektVorschau();
    } else if (Lx >= 0 && Ly >= 0) {
        BereichFadenkreuz();
        SetAuswahlBereich();
        Lx = Ly = Sx = Sy = -1;
    }
    SetFadenkreuzInfo();
}

void TScreenForm::SetAuswahlBereich() {
    TRect& R = ToolForm->BereichRect;
    if (Lx < 0 || Ly < 0 || (Sx == Lx && Sy == Ly)) {
        R = KeinBereich;
    } else {
        // While the button is held the pointer may leave the picture (onto
        // another monitor); the area ends at the picture's edge then.
        const int32_t xMax = Bild().width() - 1, yMax = Bild().height() - 1;
        R = NormRect(LimitRange(Sx, 0, xMax), LimitRange(Sy, 0, yMax), LimitRange(Lx, 0, xMax),
                     LimitRange(Ly, 0, yMax));
    }
    AuswahlBereichZeigen();
}

void TScreenForm::AuswahlBereichZeigen() {
    const TRect& R = ToolForm->BereichRect;
    const bool Sichtbar = AuswahlbereichAktiv(R) && ToolForm->Modus != mZoom;
    if (Sichtbar) {
        const int32_t w = R.Right - R.Left, h = R.Bottom - R.Top;
        BereichX1Pan->setGeometry(R.Left, R.Top, 1, h);
        BereichY1Pan->setGeometry(R.Left, R.Top, w, 1);
        BereichX2Pan->setGeometry(R.Right - 1, R.Top, 1, h);
        BereichY2Pan->setGeometry(R.Left, R.Bottom - 1, w, 1);
        BereichInfoPan->move(R.Left, R.Top - BereichInfoPan->height());
        BereichInfoPan->SetCaption(BereichText(R));
    }
    for (QWidget* w : {static_cast<QWidget*>(BereichX1Pan), static_cast<QWidget*>(BereichX2Pan),
                       static_cast<QWidget*>(BereichY1Pan), static_cast<QWidget*>(BereichY2Pan),
                       static_cast<QWidget*>(BereichInfoPan)}) {
        w->setVisible(Sichtbar);
        if (Sichtbar) w->raise();
    }
}

void TScreenForm::SetFadenkreuzInfo() {
    TInfoPanel* p = FadenkreuzInfoPan;
    p->SetCaption(FadenkreuzText(Sx, Sy, Lx, Ly));
    if (Sx < 0 || Sy < 0) return;
    const bool Darin =
        p->x() <= Sx && Sx <= p->x() + p->width() && p->y() <= Sy && Sy <= p->y() + p->height();
    if (!Darin) return;
    p->move(p->x() == -1 ? width() - p->width() + 1 : -1, p->y());
}

void TScreenForm::SetAuswahlBereichOffset(int32_t dx, int32_t dy) {
    TRect& R = ToolForm->BereichRect;
    // Without an area there is nothing to move: the keys must not turn
    // "no area" into an area of size 0.
    if (!AuswahlbereichAktiv(R)) return;
    const int32_t w = R.Right - R.Left, h = R.Bottom - R.Top;
    // The limits are those of the frozen picture, whatever the size of the
    // primary screen.
    const QSize Bild = Bildgroesse();
    R.Left = LimitRange(R.Left + dx, 0, Bild.width() - w);
    R.Top = LimitRange(R.Top + dy, 0, Bild.height() - h);
    R.Right = R.Left + w;
    R.Bottom = R.Top + h;
    AuswahlBereichZeigen();
}

void TScreenForm::BereichInfoPanMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    Q_UNUSED(Shift);
    if (Button != mbLeft) return;
    Ax = X;
    Ay = Y;
}

void TScreenForm::BereichInfoPanMouseMove(TShiftState Shift, int X, int Y) {
    ToolForm->CheckPanels();
    if (Shift.Has(ssLeft)) SetAuswahlBereichOffset(X - Ax, Y - Ay);
}
