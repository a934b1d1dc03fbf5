#include "overlay/tastenregeln.h"

#include "overlay/scrwin.h"
#include "toolwindow/toolwin2.h"

#include <QKeyEvent>

namespace {

void Nudge(int32_t dx, int32_t dy) {
    ScreenForm->SetAuswahlBereichOffset(dx, dy);
}

// With F held, the colour picker of the zoom view also draws with the
// picked colour.
constexpr TTastenRegel Gemeinsam[] = {
    {Qt::Key_F, TTastenMods::Beliebig, mZoom,
     [](TShiftState) { ScreenForm->UmschaltFGedrueckt = true; }},
    {Qt::Key_Left, TTastenMods::Beliebig, mBereich, [](TShiftState) { Nudge(-1, 0); }},
    {Qt::Key_Up, TTastenMods::Beliebig, mBereich, [](TShiftState) { Nudge(0, -1); }},
    {Qt::Key_Right, TTastenMods::Beliebig, mBereich, [](TShiftState) { Nudge(1, 0); }},
    {Qt::Key_Down, TTastenMods::Beliebig, mBereich, [](TShiftState) { Nudge(0, 1); }},
    {Qt::Key_F1, TTastenMods::MitAlt, 0, [](TShiftState) { ToolForm->InfoSofortEinstellungen(); }},
};

} // namespace

const std::span<const TTastenRegel> GemeinsameTasten(Gemeinsam);

bool Passt(const TTastenRegel& Regel, int Taste, TShiftState Shift, int32_t Modus) {
    if (Regel.Taste != 0 && Regel.Taste != Taste) return false;
    if (Regel.Modus != 0 && Regel.Modus != Modus) return false;
    switch (Regel.Mods) {
    case TTastenMods::Beliebig:
        return true;
    case TTastenMods::MitShift:
        return Shift.Has(ssShift);
    case TTastenMods::GenauStrg:
        return Shift == TShiftState(ssCtrl);
    case TTastenMods::MitAlt:
        return Shift.Has(ssAlt);
    }
    return false;
}

void TastenregelnAnwenden(std::span<const TTastenRegel> Regeln, int Taste, TShiftState Shift) {
    // A row may change the tool; each row sees the tool of its moment.
    for (const TTastenRegel& r : Regeln)
        if (Passt(r, Taste, Shift, ToolForm->Modus)) r.Aktion(Shift);
}

TShiftState TastenShift(const QKeyEvent* Event, bool Gedrueckt) {
    TShiftState s = ShiftStateFrom(Event->modifiers(), Qt::NoButton);
    uint8_t Eigen = 0;
    if (Event->key() == Qt::Key_Shift) Eigen = ssShift;
    if (Event->key() == Qt::Key_Control) Eigen = ssCtrl;
    if (Event->key() == Qt::Key_Alt) Eigen = ssAlt;
    return Gedrueckt ? s | TShiftState(Eigen) : s.Without(Eigen);
}
