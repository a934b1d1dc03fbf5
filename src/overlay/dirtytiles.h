#pragma once
// Remembers which tiles of the drawing bitmap changed since the undo copy was
// last brought up to date, so that taking the undo snapshot at a press copies
// only those tiles instead of the whole picture.

#include <QImage>
#include <QRect>
#include <vector>

class TDirtyTiles {
public:
    static constexpr int Kante = 64;

    // Sets the picture size; all tiles count as changed.
    void Reset(QSize Size);
    void Mark(const QRect& R);
    void MarkAll();
    void Clear();
    bool AllClean() const { return FCount == 0; }

    // Makes Ziel equal to Quelle by copying the changed tiles (or the whole
    // picture when the sizes or formats differ), then marks everything clean.
    void Sync(const QImage& Quelle, QImage& Ziel);

private:
    QSize FSize;
    int FCols = 0, FRows = 0;
    std::vector<unsigned char> FFlags;
    int FCount = 0;
};
