#include "overlay/einpassen.h"

namespace {

template <typename Z> void Einpassen(Z& L, Z& T, Z& R, Z& B, Z minX, Z minY, Z maxX, Z maxY) {
    if (L < minX) {
        R = R + (minX - L);
        L = minX;
    }
    if (T < minY) {
        B = B + (minY - T);
        T = minY;
    }
    if (R > maxX) {
        L = L - (R - maxX);
        R = maxX;
    }
    if (B > maxY) {
        T = T - (B - maxY);
        B = maxY;
    }
    // Too large for the bounds: the lower bound wins.
    if (L < minX) L = minX;
    if (T < minY) T = minY;
}

} // namespace

void RectEinpassen(int32_t& L, int32_t& T, int32_t& R, int32_t& B, int32_t minX, int32_t minY,
                   int32_t maxX, int32_t maxY) {
    Einpassen(L, T, R, B, minX, minY, maxX, maxY);
}

void FloatRectEinpassen(float& L, float& T, float& R, float& B, float minX, float minY, float maxX,
                        float maxY) {
    Einpassen(L, T, R, B, minX, minY, maxX, maxY);
}
