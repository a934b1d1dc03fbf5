// Check mark and cross: a stamp placed once per press, whatever the drag.
// They ignore the chosen colour and stroke mode.

#include "app/codes.h"
#include "overlay/groessen.h"
#include "overlay/scrwin.h"
#include "toolwindow/toolwin2.h"

namespace {

// Stand-ins of the symbol font's check and cross glyphs.
const QString ZeichenFont = QStringLiteral("DejaVu Sans");
const QString Haekchen = QStringLiteral("\u2714");
const QString KreuzZeichen = QStringLiteral("\u2718");
constexpr TColor HaekchenGruen = RGBToTColor(0, 196, 0);
constexpr TColor KreuzRot = RGBToTColor(220, 0, 0);

} // namespace

void TScreenForm::SetzeZeichen(int32_t x, int32_t y, const QString& Text, const QString& FontName,
                               TColor Col) {
    TCanvas& c = Canvas();
    // The canvas font measures the text field; it comes back afterwards.
    const QFont Vorher = c.Font;
    QFont f(FontName);
    f.setPixelSize(PunkteZuPixel(ZeichenGroesse(ToolForm->Sdicke)));
    f.setBold(true);
    c.Font = f;
    c.Brush.Style = bsClear;
    c.TextAlign = TA_CENTER | TA_TOP;
    const int32_t h = c.TextHeight(Text);
    c.FontColor = clBlack;
    c.TextOut(x + 1, y - h / 2 + 1, Text);
    c.FontColor = Col;
    c.TextOut(x, y - h / 2, Text);
    c.Font = Vorher;
    c.TextAlign = TA_LEFT | TA_TOP;
}

void TScreenForm::ZeichenZweig(TShiftState Shift, int32_t xneu, int32_t yneu) {
    const bool IstHaekchen = ToolForm->Modus == mHaekchen;
    IstHaekchen ? HaekchenMarke() : KreuzMarke();
    Sx = xneu;
    Sy = yneu;
    // Lx, Ly record that this press has stamped already.
    if (Shift.Has(ssLeft) && Lx == -1 && Ly == -1) {
        Lx = Sx;
        Ly = Sy;
        if (IstHaekchen)
            SetzeZeichen(Sx, Sy, Haekchen, ZeichenFont, HaekchenGruen);
        else
            SetzeZeichen(Sx, Sy, KreuzZeichen, ZeichenFont, KreuzRot);
    }
    IstHaekchen ? HaekchenMarke() : KreuzMarke();
}
