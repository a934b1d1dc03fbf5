#include "app/dpiaware.h"

#include <QByteArray>
#include <QtGlobal>

void DpiAware() {
    qputenv("QT_ENABLE_HIGHDPI_SCALING", QByteArray("0"));
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    qunsetenv("QT_AUTO_SCREEN_SCALE_FACTOR");
    qunsetenv("QT_USE_PHYSICAL_DPI");
}
