#pragma once
// The set of modifier keys and mouse buttons that travels with every mouse
// and key event of the overlay.

#include <Qt>
#include <cstdint>

enum TShiftFlag : uint8_t {
    ssShift = 1 << 0,
    ssAlt = 1 << 1,
    ssCtrl = 1 << 2,
    ssLeft = 1 << 3,
    ssRight = 1 << 4,
    ssMiddle = 1 << 5,
    ssDouble = 1 << 6,
};

struct TShiftState {
    uint8_t Bits = 0;

    constexpr TShiftState() = default;
    constexpr TShiftState(uint8_t b) : Bits(b) {}
    constexpr bool Has(uint8_t f) const { return (Bits & f) != 0; }
    constexpr bool Empty() const { return Bits == 0; }
    constexpr TShiftState operator|(TShiftState o) const { return TShiftState(Bits | o.Bits); }
    constexpr TShiftState operator&(TShiftState o) const { return TShiftState(Bits & o.Bits); }
    constexpr TShiftState Without(uint8_t f) const { return TShiftState(Bits & ~f); }
    constexpr bool operator==(const TShiftState&) const = default;
};

inline TShiftState ShiftStateFrom(Qt::KeyboardModifiers m, Qt::MouseButtons b) {
    uint8_t s = 0;
    if (m & Qt::ShiftModifier) s |= ssShift;
    if (m & Qt::AltModifier) s |= ssAlt;
    if (m & Qt::ControlModifier) s |= ssCtrl;
    if (b & Qt::LeftButton) s |= ssLeft;
    if (b & Qt::RightButton) s |= ssRight;
    if (b & Qt::MiddleButton) s |= ssMiddle;
    return TShiftState(s);
}

// The modifiers of a key event. The window system may report the state from
// before the event; a modifier key counts as held from its own press and as
// released from its own release.
inline TShiftState TastenShiftState(int Key, Qt::KeyboardModifiers m, bool Gedrueckt) {
    TShiftState s = ShiftStateFrom(m, Qt::NoButton);
    uint8_t Eigene = 0;
    if (Key == Qt::Key_Shift) Eigene = ssShift;
    if (Key == Qt::Key_Alt) Eigene = ssAlt;
    if (Key == Qt::Key_Control) Eigene = ssCtrl;
    return Gedrueckt ? s | TShiftState(Eigene) : s.Without(Eigene);
}
