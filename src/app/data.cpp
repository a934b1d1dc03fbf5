#include "app/data.h"

#include "app/codes.h"

#include <QCoreApplication>
#include <QDir>

int32_t MauszeigerMode = 1;
int32_t MonitorMode = 0;
int32_t StiftdickeMode = 3;
int32_t FarbMode = fmMarkRot;
bool AutoOpen = false;
bool AutoClose = false;
bool MausradZoom = true;
bool AutoScreenshot = false;
int32_t WerkzeugGroesseX = 25;
int32_t WerkzeugGroesseY = 24;
int32_t AnzZusatzCol = 0;
int32_t BlattLinienFrei = 25;
int32_t BlattKariertFrei = 50;
int32_t BlattNotenlinienFrei = 8;
QString ScreenshotDir = QStringLiteral("%docdir%\\Skribano\\Screenshots");
QString EmailDir = QStringLiteral("%docdir%\\Skribano\\Email");
std::array<TColor, 11> ZusatzCol = {0,          0x008080FF, 0x00FF0080, 0x00FF8000,
                                    0x000080FF, 0x00008080, 0x00008000, 0x00CCCCCC,
                                    0x00999999, 0x00666666, 0x00333333};

const QString VersionText = QStringLiteral("1.8.0.2018.05.11");
QString ProgramDir;
int32_t ScreenshotNr = 0;
int32_t EmailNr = 0;

void InitProgramDir() {
    ProgramDir = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    if (!ProgramDir.endsWith(QDir::separator())) ProgramDir += QDir::separator();
}
