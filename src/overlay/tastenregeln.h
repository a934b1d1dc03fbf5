#pragma once
// The key tables of the overlay and of the tool window. Each row names a key,
// the modifiers and the tool it needs, and what it does; every row that fits
// a key press runs, in the table's order. A new key is one new row.

#include "overlay/shiftstate.h"

#include <cstdint>
#include <span>

class QKeyEvent;

enum class TTastenMods {
    Beliebig,  // any modifiers
    MitShift,  // the Shift key is held, with or without others
    GenauStrg, // Ctrl and nothing else
    MitAlt,    // the Alt key is held, with or without others
};

struct TTastenRegel {
    // Qt key code, with Qt::KeypadModifier added for the key of the numeric
    // keypad only; 0 for every key.
    int Taste;
    TTastenMods Mods;
    int32_t Modus; // the tool the row needs; 0 for every tool
    void (*Aktion)(TShiftState Shift);
};

bool Passt(const TTastenRegel& Regel, int Taste, bool Ziffernblock, TShiftState Shift,
           int32_t Modus);
void TastenregelnAnwenden(std::span<const TTastenRegel> Regeln, int Taste, bool Ziffernblock,
                          TShiftState Shift);

// Actions of rows in both windows' own tables: the current step redone at
// the same point with the new shift state, so a dragged shape snaps and the
// zoom view redraws at once; the zoom view's hairlines shown.
void SchrittWiederholen(TShiftState Shift);
void FadenZeigen(TShiftState Shift);

// The rows both windows share, after each window's own first rows.
extern const std::span<const TTastenRegel> GemeinsameTasten;

// The keyboard's shift state of a key event (see TastenShiftState), and
// whether the key is one of the numeric keypad.
TShiftState TastenShift(const QKeyEvent* Event, bool Gedrueckt);
bool Ziffernblock(const QKeyEvent* Event);
