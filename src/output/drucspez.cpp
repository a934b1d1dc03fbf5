#include "output/drucspez.h"

#include "controls/kvxspez.h"

#include <QLibrary>
#include <QPageLayout>
#include <QPainter>
#include <cmath>
#include <cups/cups.h>

namespace {

bool GueltigeCm(double Cm) {
    return std::isfinite(Cm) && Cm >= 0.0 && Cm <= MaxDruckCm;
}

// Tenths of a millimetre per printer dot, as in 254 / dots per inch.
int32_t PunkteInZehntelMm(int Punkte, int Aufloesung) {
    return Round(Punkte * 254.0 / Aufloesung);
}

} // namespace

int32_t ZehntelMm(double Cm) {
    return Round(Cm * 100.0);
}

bool DruckMasseAusCm(double LiRand, double ObRand, double Breite, double Hoehe, TDruckMasse& M) {
    for (const double Cm : {LiRand, ObRand, Breite, Hoehe})
        if (!GueltigeCm(Cm)) return false;
    M = {ZehntelMm(LiRand), ZehntelMm(ObRand), ZehntelMm(Breite), ZehntelMm(Hoehe)};
    return true;
}

QPoint UnbedruckbarerRand(const QPageLayout& Layout, int Aufloesung) {
    const QPoint Versatz =
        Layout.paintRectPixels(Aufloesung).topLeft() - Layout.fullRectPixels(Aufloesung).topLeft();
    return {PunkteInZehntelMm(Versatz.x(), Aufloesung), PunkteInZehntelMm(Versatz.y(), Aufloesung)};
}

void AdjustPrintOffsets(QPoint Rand, int32_t& Left, int32_t& Top) {
    Left = IMax(0, Left - Rand.x());
    Top = IMax(0, Top - Rand.y());
}

void SetupPrintMapping(QPainter& P, int Aufloesung) {
    const double Faktor = Aufloesung / 254.0;
    P.resetTransform();
    P.scale(Faktor, Faktor);
}

void PrintBitmap(QPainter& P, const QRect& Rect, const QImage& Bitmap) {
    P.setRenderHint(QPainter::SmoothPixmapTransform, false);
    P.drawImage(QRectF(Rect), Bitmap);
}

QString DruckerText(const QString& Name, const QString& Anschluss) {
    if (Name.isEmpty()) return QStringLiteral("- Kein Drucker -");
    if (Anschluss.isEmpty()) return Name;
    return Name + QStringLiteral(" an ") + Anschluss;
}

namespace {

// The three functions of libcups the connection needs, loaded at the first
// use; all null when the library is missing.
struct TCups {
    decltype(&cupsGetNamedDest) GetNamedDest = nullptr;
    decltype(&cupsGetOption) GetOption = nullptr;
    decltype(&cupsFreeDests) FreeDests = nullptr;
};

const TCups& Cups() {
    static const TCups c = [] {
        QLibrary Bibliothek(QStringLiteral("cups"), 2);
        TCups f;
        f.GetNamedDest =
            reinterpret_cast<decltype(f.GetNamedDest)>(Bibliothek.resolve("cupsGetNamedDest"));
        f.GetOption = reinterpret_cast<decltype(f.GetOption)>(Bibliothek.resolve("cupsGetOption"));
        f.FreeDests = reinterpret_cast<decltype(f.FreeDests)>(Bibliothek.resolve("cupsFreeDests"));
        if (!f.GetNamedDest || !f.GetOption || !f.FreeDests) return TCups();
        return f;
    }();
    return c;
}

} // namespace

QString DruckerAnschluss(const QString& Name) {
    const TCups& c = Cups();
    if (Name.isEmpty() || !c.GetNamedDest) return {};
    cups_dest_t* Ziel = c.GetNamedDest(CUPS_HTTP_DEFAULT, Name.toUtf8().constData(), nullptr);
    if (!Ziel) return {};
    const QString Anschluss =
        QString::fromUtf8(c.GetOption("device-uri", Ziel->num_options, Ziel->options));
    c.FreeDests(1, Ziel);
    return Anschluss;
}
