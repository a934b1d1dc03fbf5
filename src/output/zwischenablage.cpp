#include "output/zwischenablage.h"

#include "platform/meldung.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

void BildInZwischenablage(const QImage& Bild) {
    QGuiApplication::clipboard()->setImage(Bild);
}

bool BildAusZwischenablage(QImage& Bild) {
    const QClipboard* c = QGuiApplication::clipboard();
    const QMimeData* Daten = c->mimeData();
    QImage Gelesen = Daten && Daten->hasImage() ? c->image() : QImage();
    if (Gelesen.isNull()) {
        Meldung(TMeldungTyp::Warnung,
                QStringLiteral("In der Zwischenablage befindet sich kein Bild."));
        return false;
    }
    Bild = Gelesen.convertToFormat(QImage::Format_RGB32);
    return true;
}
