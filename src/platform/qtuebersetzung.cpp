#include "platform/qtuebersetzung.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool QtUebersetzungLaden(QCoreApplication& App) {
    auto* Uebersetzer = new QTranslator(&App);
    if (!Uebersetzer->load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete Uebersetzer;
        return false;
    }
    App.installTranslator(Uebersetzer);
    return true;
}
