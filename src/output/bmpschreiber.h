#pragma once
// BMP in the picture's own pixel format: 32 bits per pixel (blue, green,
// red and an unused zero byte), uncompressed, rows from the bottom up.
// Qt's own BMP writer knows only 24 bits per pixel.

class QImage;
class QIODevice;

bool SchreibeBmp(const QImage& Bild, QIODevice& Ziel);
