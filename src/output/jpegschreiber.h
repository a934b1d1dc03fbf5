#pragma once
// JPEG through libjpeg: baseline, 24-bit colour (three 8-bit components),
// quality 99, the library's other defaults.

class QImage;
class QIODevice;

bool SchreibeJpeg(const QImage& Bild, QIODevice& Ziel);
