#pragma once
// A capture of the X server's screen through MIT-SHM: the server writes the
// pixels straight into shared memory that the returned picture lives in, so
// nothing crosses the socket and nothing is copied on our side. The segment
// is kept and used again for the next capture once no picture refers to it
// any more, so a later Start writes into memory that is already mapped.

#include <QImage>
#include <QRect>
#include <cstdint>
#include <thread>

// The pixels of Rect (root window coordinates, device pixels) as
// Format_RGB32; a null picture when the display offers no MIT-SHM (not X11,
// a remote server), so that the caller can take the slow path.
QImage ShmAufnahme(const QRect& Rect);

// Makes ready, on a worker thread, the shared memory for a capture of
// Rect, attached to the server and with every page mapped on both sides:
// the capture that follows then neither creates a segment nor has the
// server or this program fault in fresh memory. Returns at once.
void ShmAufnahmeVorbereiten(const QRect& Rect);

// Gives back the segment prepared so, if no capture took it.
void VorbereiteteShmFreigeben();

// A fresh resource id of the toolkit's X connection, 0 without one. Two of
// them bracket the ids of what the toolkit makes in between.
uint32_t NaechsteXid();

// Faults in, on a worker thread, a window buffer that the toolkit made
// between the ids Von and Bis: this program's side, and, when it lies in
// shared memory, the server's side too, which the server would otherwise
// fault in at the window's first paint. A capture that comes meanwhile has
// the server stop. Join the thread before the buffer goes or is painted.
std::thread FensterpufferVorbereitenLassen(const QImage& Puffer, uint32_t Von, uint32_t Bis);
