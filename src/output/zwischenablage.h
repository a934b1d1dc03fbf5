#pragma once
// Pictures to and from the system clipboard.

#include <QImage>

// Empties the clipboard and puts Bild on it as a picture.
void BildInZwischenablage(const QImage& Bild);

// The clipboard's picture in the drawing format (32 bits per pixel). Without
// a picture on the clipboard the warning "In der Zwischenablage befindet
// sich kein Bild." is shown and the result is false.
bool BildAusZwischenablage(QImage& Bild);
