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
    int Taste; // Qt key code; 0 for every key
    TTastenMods Mods;
    int32_t Modus; // the tool the row needs; 0 for every tool
    void (*Aktion)(TShiftState Shift);
};

bool Passt(const TTastenRegel& Regel, int Taste, TShiftState Shift, int32_t Modus);
void TastenregelnAnwenden(std::span<const TTastenRegel> Regeln, int Taste, TShiftState Shift);

// The rows both windows share, after each window's own first rows.
extern const std::span<const TTastenRegel> GemeinsameTasten;

// The keyboard's shift state of a key event; a modifier key counts as held
// while it goes down and as released when it comes up.
TShiftState TastenShift(const QKeyEvent* Event, bool Gedrueckt);
