#include "platform/dokumente.h"

#include <QStandardPaths>

QString DokumenteOrdner() {
    // Reads the user's folder names (user-dirs.dirs), else ~/Documents.
    QString Dir = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    while (Dir.size() > 1 && Dir.endsWith(QLatin1Char('/')))
        Dir.chop(1);
    return Dir;
}
