#pragma once
// Frame-sized private pictures. Their memory is mapped with transparent huge
// pages requested (a first write then faults in 2 MiB at a time, not 4 KiB),
// and it is kept when the last picture using it is gone, to be handed out
// again: the first stroke of a later Start writes into memory that is
// already there. Small pictures are left to Qt.

#include <QImage>
#include <thread>

// Makes Bild the only owner of its pixels, copying them into a kept buffer
// when they are shared (with the capture, the background, the undo copy).
// Call before writing into a picture that may share its pixels.
void EigenePixel(QImage& Bild);

// A frame-sized piece of scratch memory for the time the object lives: a
// kept buffer (already faulted in) when one of the size is free, else a new
// one that is kept afterwards; below frame size plain heap memory. Its
// bytes are undefined until written.
class TLeihpuffer {
public:
    explicit TLeihpuffer(qsizetype Groesse);
    ~TLeihpuffer();
    TLeihpuffer(const TLeihpuffer&) = delete;
    TLeihpuffer& operator=(const TLeihpuffer&) = delete;
    // Null when no memory could be had.
    uchar* Daten() const { return FDaten; }

private:
    void* FPuffer = nullptr;
    uchar* FDaten = nullptr;
};

// Sees to it, on a worker thread, that Anzahl kept buffers for pictures of
// Groesse bytes lie ready with every page already written once, so that
// the thread that draws never waits for the kernel to find and clear fresh
// memory. Returns at once.
void RahmenpufferVorbereiten(qsizetype Groesse, int Anzahl);

// Gives back to the system the buffers prepared so that nobody took.
void VorbereiteteRahmenpufferFreigeben();

// Faults in, on a worker thread, the pages of memory another part owns (a
// window's buffer), so that its first write finds them there: the kernel
// maps them, then one byte of each page is read, which also has a virtual
// machine's host map them. No byte changes. The memory must stay mapped
// until the returned thread is joined.
std::thread SeitenVorbereiten(const uchar* Daten, qsizetype Groesse);
