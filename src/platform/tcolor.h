#pragma once
// Colours are kept in the layout $00BBGGRR (blue in the high byte), the way
// settings files store them; these helpers convert to and from Qt's QRgb.

#include <QRgb>
#include <cstdint>

using TColor = uint32_t;

constexpr TColor RGBToTColor(int r, int g, int b) {
    return static_cast<TColor>((b & 0xFF) << 16 | (g & 0xFF) << 8 | (r & 0xFF));
}
constexpr int TColorRed(TColor c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int TColorGreen(TColor c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int TColorBlue(TColor c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

constexpr QRgb TColorToQRgb(TColor c) {
    return 0xFF000000u | static_cast<QRgb>(TColorRed(c)) << 16 |
           static_cast<QRgb>(TColorGreen(c)) << 8 | static_cast<QRgb>(TColorBlue(c));
}
constexpr TColor QRgbToTColor(QRgb c) {
    return RGBToTColor(qRed(c), qGreen(c), qBlue(c));
}

constexpr TColor clBlack = 0x00000000;
constexpr TColor clWhite = 0x00FFFFFF;
constexpr TColor clSilver = 0x00C0C0C0;
