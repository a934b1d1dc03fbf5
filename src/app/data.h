#pragma once
// Process-wide settings variables with their initial values, and the other
// program-wide values (program folder, version, run counters).

#include "platform/tcolor.h"

#include <QString>
#include <array>
#include <cstdint>

extern int32_t MauszeigerMode;
extern int32_t MonitorMode;
extern int32_t StiftdickeMode;
extern int32_t FarbMode;
extern bool AutoOpen;
extern bool AutoClose;
extern bool MausradZoom;
extern bool AutoScreenshot;
extern int32_t WerkzeugGroesseX;
extern int32_t WerkzeugGroesseY;
extern int32_t AnzZusatzCol;
extern int32_t BlattLinienFrei;
extern int32_t BlattKariertFrei;
extern int32_t BlattNotenlinienFrei;
extern QString ScreenshotDir;
extern QString EmailDir;
// Index 1..10; index 0 unused.
extern std::array<TColor, 11> ZusatzCol;

extern const QString VersionText;
// The program's folder, with a trailing separator.
extern QString ProgramDir;
extern int32_t ScreenshotNr;
extern int32_t EmailNr;

// Sets ProgramDir from the running program's path.
void InitProgramDir();
