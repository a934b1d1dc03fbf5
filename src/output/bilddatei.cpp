#include "output/bilddatei.h"

#include "output/bmpschreiber.h"
#include "output/jpegschreiber.h"
#include "output/pngschreiber.h"
#include "platform/meldung.h"

#include <QCursor>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIODevice>

namespace {

// The hourglass for as long as the object lives, whichever way the
// function that holds it ends.
class TSanduhr {
public:
    TSanduhr() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TSanduhr() { QGuiApplication::restoreOverrideCursor(); }
    TSanduhr(const TSanduhr&) = delete;
    TSanduhr& operator=(const TSanduhr&) = delete;
};

using TSchreiber = bool (*)(const QImage&, QIODevice&);

TSchreiber SchreiberFuer(const QString& Endung) {
    if (Endung == QLatin1String(".jpg")) return SchreibeJpeg;
    if (Endung == QLatin1String(".png")) return SchreibePng;
    return SchreibeBmp;
}

} // namespace

QString BildFormatEndung(int32_t Format) {
    return Format == BildJpg ? QStringLiteral(".jpg") : QStringLiteral(".png");
}

QString DateiEndung(const QString& FileName) {
    // Only the name counts: a "." in a folder name is no extension.
    const QString Name = QFileInfo(FileName).fileName();
    const qsizetype p = Name.lastIndexOf(QLatin1Char('.'));
    return p < 0 ? QString() : Name.mid(p).toLower();
}

bool BitmapDateiSchreiben(const QImage& Bitmap, const QString& FileName, TZielVorhanden Vorhanden) {
    const TSanduhr Sanduhr;
    const TSchreiber Schreiber = SchreiberFuer(DateiEndung(FileName));
    return DateiGanzSchreiben(FileName, Vorhanden,
                              [&](QIODevice& Ziel) { return Schreiber(Bitmap, Ziel); });
}

void BitmapDateiFehler(const QString& FileName) {
    Meldung(TMeldungTyp::Fehler,
            QStringLiteral("Datei konnte nicht erstellt werden:\r\n") + FileName);
}

bool SaveBitmapFile(const QImage& Bitmap, const QString& FileName) {
    if (BitmapDateiSchreiben(Bitmap, FileName)) return true;
    BitmapDateiFehler(FileName);
    return false;
}
