#pragma once
// PNG through libpng: 8-bit RGB, zlib level 5, every row with the Sub
// filter, no interlacing, image data chunks of at most 65535 bytes.

class QImage;
class QIODevice;

bool SchreibePng(const QImage& Bild, QIODevice& Ziel);
