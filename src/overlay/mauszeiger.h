#pragma once
// The program's pointers: the default pointer, none, and the two pointers of
// its own, registered under the numbers 1 ("HAND", dragging the zoomed
// picture) and 2 ("PIPETTE", the colour picker).

#include <QCursor>

enum TZeiger : int { crNone = -1, crDefault = 0, crHand = 1, crPipette = 2 };

// Loads the program's own pointers; the tool window does it at its creation.
void MauszeigerRegistrieren();
QCursor Mauszeiger(TZeiger Nr);
