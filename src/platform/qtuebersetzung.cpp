#include "platform/qtuebersetzung.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool QtUebersetzungLaden(QCoreApplication& App, const QLocale& Sprache) {
    auto* Uebersetzer = new QTranslator(&App);
    if (!Uebersetzer->load(Sprache, QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete Uebersetzer;
        return false;
    }
    App.installTranslator(Uebersetzer);
    return true;
}
