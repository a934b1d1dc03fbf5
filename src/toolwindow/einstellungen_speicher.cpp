// Loading and saving the settings. One table names every stored value, its
// type and the variable behind it; loading and saving both walk it, so the
// two can never disagree about a name or a type.
//
// The store is the per-user settings file (organisation "Quorvel",
// application "Skribano"). It is read once at the first activation and
// written once at close. A value that is missing, or that does not parse as
// its type, leaves its variable as it was.

#include "toolwindow/einstellungen_speicher.h"

#include "app/data.h"
#include "controls/kvxspez.h"
#include "output/druck.h"
#include "platform/einstellungsdatei.h"
#include "toolwindow/toolwin2.h"

#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <cmath>
#include <variant>
#include <vector>

double DruckLiRand = 2.5;
double DruckObRand = 1.8;
double DruckBreite = 16.0;
double DruckHoehe = 17.0;
bool DruckSeitRatio = true;

namespace {

// The variable behind a value; its type is the value's type. Colours are
// stored as 32-bit integers.
using TZiel = std::variant<int32_t*, TColor*, bool*, QString*, double*>;

struct TWert {
    QString Name;
    TZiel Ziel;
    bool Lesen = true; // false: written only
};

std::vector<TWert> Werte(TToolForm& F, int32_t& Links, int32_t& Oben) {
    std::vector<TWert> w = {
        {QStringLiteral("MauszeigerMode"), &MauszeigerMode},
        {QStringLiteral("AutoOpen"), &AutoOpen},
        {QStringLiteral("AutoClose"), &AutoClose},
        {QStringLiteral("MausradZoom"), &MausradZoom},
        {QStringLiteral("BlattLinienFrei"), &BlattLinienFrei},
        {QStringLiteral("BlattKariertFrei"), &BlattKariertFrei},
        {QStringLiteral("BlattNotenlinienFrei"), &BlattNotenlinienFrei},
        {QStringLiteral("AutoScreenshot"), &AutoScreenshot},
        {QStringLiteral("ScreenshotDir"), &ScreenshotDir},
        {QStringLiteral("EmailDir"), &EmailDir},
        {QStringLiteral("MonitorMode"), &MonitorMode},
        {QStringLiteral("AnzZusatzCol"), &AnzZusatzCol},
    };
    for (int i = 1; i <= 10; ++i)
        w.push_back({QStringLiteral("ZusatzCol%1").arg(i), &ZusatzCol[i]});
    const std::vector<TWert> Rest = {
        {QStringLiteral("StiftdickeMode"), &StiftdickeMode},
        {QStringLiteral("FarbMode"), &FarbMode},
        {QStringLiteral("WerkzeugMode"), &F.Modus},
        // Every run starts without an area, so the stored one is not read.
        {QStringLiteral("BereichRect-Left"), &F.BereichRect.Left, false},
        {QStringLiteral("BereichRect-Top"), &F.BereichRect.Top, false},
        {QStringLiteral("BereichRect-Right"), &F.BereichRect.Right, false},
        {QStringLiteral("BereichRect-Bottom"), &F.BereichRect.Bottom, false},
        {QStringLiteral("WerkzeugGroesseX"), &WerkzeugGroesseX},
        {QStringLiteral("WerkzeugGroesseY"), &WerkzeugGroesseY},
        {QStringLiteral("Drucken-LiRand"), &DruckLiRand},
        {QStringLiteral("Drucken-ObRand"), &DruckObRand},
        {QStringLiteral("Drucken-Breite"), &DruckBreite},
        {QStringLiteral("Drucken-Hoehe"), &DruckHoehe},
        {QStringLiteral("Drucken-SeitRatio"), &DruckSeitRatio},
        {QStringLiteral("WinPos-Left"), &Links},
        {QStringLiteral("WinPos-Top"), &Oben},
    };
    w.insert(w.end(), Rest.begin(), Rest.end());
    return w;
}

bool AlsGanzzahl(const QString& t, int32_t& Ziel) {
    bool ok = false;
    const int i = t.toInt(&ok);
    if (ok) Ziel = i;
    return ok;
}

// Reads a value's text into the target if it parses as the target's type.
struct TLeser {
    const QString& t;
    void operator()(int32_t* z) const { AlsGanzzahl(t, *z); }
    void operator()(TColor* z) const {
        int32_t i;
        if (AlsGanzzahl(t, i)) *z = static_cast<TColor>(i);
    }
    void operator()(bool* z) const {
        int32_t i;
        if (AlsGanzzahl(t, i)) *z = i != 0;
    }
    void operator()(QString* z) const { *z = t; }
    void operator()(double* z) const {
        bool ok = false;
        const double d = t.toDouble(&ok);
        if (ok && std::isfinite(d)) *z = d;
    }
};

// Doubles with as many digits as they need to read back bit for bit.
struct TSchreiber {
    QString operator()(const int32_t* z) const { return QString::number(*z); }
    QString operator()(const TColor* z) const { return QString::number(static_cast<int32_t>(*z)); }
    QString operator()(const bool* z) const {
        return *z ? QStringLiteral("1") : QStringLiteral("0");
    }
    QString operator()(const QString* z) const { return *z; }
    QString operator()(const double* z) const {
        return QString::number(*z, 'g', QLocale::FloatingPointShortest);
    }
};

} // namespace

void TToolForm::LoadSettings() {
    const QHash<QString, QString> Gelesen =
        EinstellungsWerte(EinstellungsDateiLesen(EinstellungsDateiPfad()).Zeilen);
    // Where nothing is stored the window stays where it is; a Wayland
    // window knows that only from the program itself.
    const QPoint Bisher = GespeicherterOrt();
    int32_t Links = Bisher.x(), Oben = Bisher.y();
    for (const TWert& w : Werte(*this, Links, Oben)) {
        const auto t = Gelesen.constFind(w.Name);
        if (w.Lesen && t != Gelesen.cend()) std::visit(TLeser{*t}, w.Ziel);
    }
    // The print values pass through the fields, which keep one decimal.
    if (DruckForm) DruckForm->FelderAusEinstellungen();
    // Pulled into the primary screen, whatever monitor it was stored on.
    const QRect Bildschirm = QGuiApplication::primaryScreen()->geometry();
    const QSize Fenster = frameGeometry().size();
    Links = IMax(5, IMin(Links, Bildschirm.width() - Fenster.width() - 15));
    Oben = IMax(5, IMin(Oben, Bildschirm.height() - Fenster.height() - 12));
    move(Links, Oben);
    EigenerOrt = QPoint(Links, Oben);
    EinstellungenGeladen = true;
}

void TToolForm::SaveSettings() {
    const QPoint Ort = GespeicherterOrt();
    int32_t Links = Ort.x(), Oben = Ort.y();
    if (DruckForm) DruckForm->FelderInEinstellungen();
    TEinstellungsWerte Texte;
    for (const TWert& w : Werte(*this, Links, Oben))
        Texte.append({w.Name, std::visit(TSchreiber{}, w.Ziel)});
    EinstellungenSchreiben(EinstellungsDateiPfad(), Texte);
}
