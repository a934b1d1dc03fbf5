#include "output/ordner.h"

#include "controls/kvxspez.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

QString OrdnerErweitern(const QString& Einstellung, const QString& ProgrammOrdner,
                        const QString& DokumenteOrdner) {
    QString Dir = ReplaceText(Einstellung, QStringLiteral("%exedir%"), ProgrammOrdner);
    Dir = ReplaceText(Dir, QStringLiteral("%docdir%"), DokumenteOrdner);
    Dir = ReplaceText(Dir, QStringLiteral("\\\\"), QStringLiteral("\\"));
    // Stored settings use the backslash; the program folder already ends
    // in "/", so a setting like %exedir%\Shots gives one doubled "/".
    Dir = ReplaceChar(Dir, QLatin1Char('\\'), QLatin1Char('/'));
    return ReplaceText(Dir, QStringLiteral("//"), QStringLiteral("/"));
}

bool OrdnerBenutzbar(const QString& Ordner) {
    if (Ordner.isEmpty()) return false;
    return QFileInfo(Ordner).isDir() || QDir().mkpath(Ordner);
}

QString ZeroPadNumber(int32_t Width, int32_t Decimals, double Value) {
    return ReplaceChar(FloatToStrWD(Value, Width, Decimals), QLatin1Char(' '), QLatin1Char('0'));
}

QString ZeitstempelName(const QString& Ordner, const QDateTime& Zeit, int32_t Nr,
                        const QString& Endung) {
    return Ordner + QLatin1Char('/') +
           QLocale::c().toString(Zeit, QStringLiteral("yyyyMMdd-HHmmss")) + QLatin1Char('-') +
           ZeroPadNumber(3, 0, Nr) + Endung;
}

QString FreierZeitstempelName(const QString& Ordner, const QDateTime& Zeit, int32_t& Nr,
                              const QString& Endung) {
    QString Name;
    do
        Name = ZeitstempelName(Ordner, Zeit, ++Nr, Endung);
    while (QFileInfo::exists(Name) || QFileInfo(Name).isSymLink());
    return Name;
}
