#pragma once
// The tool codes of Modus and the colour codes of FarbMode. The settings
// store keeps these numbers, so their values never change.

#include <cstdint>

// Tool codes (Modus, VorZoomModus, BakModus).
constexpr int32_t mStift = 1;
constexpr int32_t mRadierer = 2;
constexpr int32_t mLinie = 3;
constexpr int32_t mRechteck = 4;
constexpr int32_t mPfeil = 5;
constexpr int32_t mText = 6;
constexpr int32_t mHaekchen = 7;
constexpr int32_t mKreuz = 8;
constexpr int32_t mDoppelpfeil = 9;
constexpr int32_t mEllipse = 10;
constexpr int32_t mRechteckGefuellt = 11;
constexpr int32_t mEllipseGefuellt = 12;
constexpr int32_t mBereich = 13;
constexpr int32_t mLupe = 14;
constexpr int32_t mZoom = 15;

// Colour codes (FarbMode).
constexpr int32_t fmGepickt = 0; // taken with the colour picker
constexpr int32_t fmMarkRot = 1; // 1 to 4: transparent highlighter colours
constexpr int32_t fmMarkGelb = 2;
constexpr int32_t fmMarkGruen = 3;
constexpr int32_t fmMarkBlau = 4;
constexpr int32_t fmDeckRot = 11; // 11 to 16: opaque colours
constexpr int32_t fmDeckGelb = 12;
constexpr int32_t fmDeckGruen = 13;
constexpr int32_t fmDeckBlau = 14;
constexpr int32_t fmDeckWeiss = 15;
constexpr int32_t fmDeckSchwarz = 16;
// The extra colour n (1 to 10) has the code fmZusatz + n, 21 to 30.
constexpr int32_t fmZusatz = 20;
constexpr int32_t AnzZusatzColMax = 10;

// The opaque colour of the same hue as a transparent one: add this.
constexpr int32_t fmMarkZuDeck = fmDeckRot - fmMarkRot;

inline bool IstMarkFarbe(int32_t FarbMode) {
    return FarbMode >= fmMarkRot && FarbMode <= fmMarkBlau;
}
inline bool IstZusatzFarbe(int32_t FarbMode) {
    return FarbMode > fmZusatz && FarbMode <= fmZusatz + AnzZusatzColMax;
}
