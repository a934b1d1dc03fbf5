#include "overlay/tastenregeln.h"

#include "overlay/scrwin.h"
#include "toolwindow/toolwin2.h"

#include <QKeyEvent>

void SchrittWiederholen(TShiftState Shift) {
    TScreenForm* s = ScreenForm;
    s->Zeichenbewegung(Shift | s->MausShift, s->Sx, s->Sy, s->Sx, s->Sy);
}

void FadenZeigen(TShiftState) {
    ScreenForm->ZoomFadenkreuz(true);
}

namespace {

void Nudge(int32_t dx, int32_t dy) {
    ScreenForm->SetAuswahlBereichOffset(dx, dy);
}

constexpr int ZiffernblockPlus = Qt::Key_Plus | int(Qt::KeypadModifier);

// The zoom steps beside the commands' own shortcuts; F held in the zoom view
// makes the colour picker draw with the picked colour; the arrows nudge the
// area.
constexpr TTastenRegel Gemeinsam[] = {
    {ZiffernblockPlus, TTastenMods::GenauStrg, 0, [](TShiftState) { ToolForm->ZoomInBtnClick(); }},
    {Qt::Key_Minus, TTastenMods::GenauStrg, 0, [](TShiftState) { ToolForm->ZoomOutBtnClick(); }},
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

bool Passt(const TTastenRegel& Regel, int Taste, bool Ziffernblock, TShiftState Shift,
           int32_t Modus) {
    const int Ohne = Regel.Taste & ~Qt::KeypadModifier;
    if (Regel.Taste != 0 && Ohne != Taste) return false;
    if ((Regel.Taste & Qt::KeypadModifier) != 0 && !Ziffernblock) return false;
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

void TastenregelnAnwenden(std::span<const TTastenRegel> Regeln, int Taste, bool Ziffernblock,
                          TShiftState Shift) {
    // A row may change the tool; each row sees the tool of its moment.
    for (const TTastenRegel& r : Regeln)
        if (Passt(r, Taste, Ziffernblock, Shift, ToolForm->Modus)) r.Aktion(Shift);
}

TShiftState TastenShift(const QKeyEvent* Event, bool Gedrueckt) {
    return TastenShiftState(Event->key(), Event->modifiers(), Gedrueckt);
}

bool Ziffernblock(const QKeyEvent* Event) {
    return Event->modifiers().testFlag(Qt::KeypadModifier);
}
