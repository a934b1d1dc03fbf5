#pragma once
// Opens a folder or document with the desktop's program for it (xdg-open).
// The opener runs detached without standard input, so the program never
// waits for it; the result says only whether it could be started.

#include <QString>

bool ImDesktopOeffnen(const QString& Pfad);
