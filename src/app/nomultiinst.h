#pragma once
// Single-instance check: one running copy per user and display. The lock
// "NoMultiMutex" lives in the user's runtime folder and is held until the
// program ends; a lock left behind by a crashed copy is taken over.

#include <QString>

// Takes the lock; false when another running copy holds it.
bool NoMultiInst();

// The lock file's path for the current user and display.
QString NoMultiInstPfad();
