#pragma once
// The stroke-width and zoom tables and every size derived from the stroke
// width. Most sizes scale with the reference width DickeTab[3] = 13.

#include "controls/kvxspez.h"

#include <array>
#include <cstdint>

// Index 1..4 (index 0 unused so that the code reads like the tables).
constexpr std::array<int32_t, 5> DickeTab = {0, 3, 7, 13, 21};
// Index 1..8.
constexpr std::array<float, 9> ZoomTab = {0, 1, 2, 3, 4, 5, 6, 8, 10};

constexpr int32_t RefDicke = DickeTab[3];

inline int32_t StiftRadius(int32_t Sdicke) {
    return Sdicke / 2;
}
inline int32_t RadiererHalbBreite(int32_t Sdicke) {
    return Round(Sdicke * 60.0 / RefDicke);
}
inline int32_t RadiererHalbHoehe(int32_t Sdicke) {
    return Round(RadiererHalbBreite(Sdicke) * 3.0 / 4.0);
}
inline int32_t HaekchenEinheit(int32_t Sdicke) {
    return Round(Sdicke * 4.0 / RefDicke);
}
inline int32_t KreuzHalbGroesse(int32_t Sdicke) {
    return Round(Sdicke * 10.0 / RefDicke);
}
inline int32_t PfeilLaenge(int32_t Sdicke) {
    // The product is formed exactly and only then stored in single precision.
    const float w = static_cast<float>(Sdicke * 0.7);
    return Round(5.0 * static_cast<double>(w));
}
inline int32_t ZeichenGroesse(int32_t Sdicke) {
    return Round(Sdicke * 24.0 / RefDicke * 3.0);
}
// The text size uses the literal 13, not the table entry.
inline int32_t TextGroesse(int32_t Sdicke) {
    return Round(Sdicke * 24.0 / 13.0) + (Sdicke < 10 ? 3 : 0);
}
inline int32_t LupeBreite(int32_t Sdicke) {
    return Round(Sdicke * 320.0 / RefDicke);
}
inline int32_t LupeHoehe(int32_t Sdicke) {
    return Round(LupeBreite(Sdicke) * 3.0 / 4.0);
}
