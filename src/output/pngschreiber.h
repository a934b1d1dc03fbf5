#pragma once
// PNG: 8-bit RGB, every row with the Sub filter, no interlacing, one zlib
// stream at level 5 cut into image data chunks of at most 65535 bytes. The
// stream comes from libdeflate, which compresses the whole picture in one
// call several times faster than zlib at the same level.

class QImage;
class QIODevice;

bool SchreibePng(const QImage& Bild, QIODevice& Ziel);
