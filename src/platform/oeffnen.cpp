#include "platform/oeffnen.h"

#include <QProcess>

bool ImDesktopOeffnen(const QString& Pfad) {
    QProcess Oeffner;
    Oeffner.setProgram(QStringLiteral("xdg-open"));
    Oeffner.setArguments({Pfad});
    Oeffner.setStandardInputFile(QProcess::nullDevice());
    return Oeffner.startDetached();
}
