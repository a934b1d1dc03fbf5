#pragma once
// The process-wide settings variables as one value, so that tests can reset
// them, compare them, and leave them as they found them.

#include "app/data.h"
#include "toolwindow/einstellungen_speicher.h"

#include <QTemporaryDir>

// Every stored variable, so that a test can reset them to what a fresh
// process holds and compare a restored state with a saved one.
struct TAlleWerte {
    int32_t MauszeigerMode, MonitorMode, StiftdickeMode, FarbMode;
    bool AutoOpen, AutoClose, MausradZoom, AutoScreenshot;
    int32_t WerkzeugGroesseX, WerkzeugGroesseY, AnzZusatzCol;
    int32_t BlattLinienFrei, BlattKariertFrei, BlattNotenlinienFrei;
    QString ScreenshotDir, EmailDir;
    std::array<TColor, 11> ZusatzCol;
    double DruckLiRand, DruckObRand, DruckBreite, DruckHoehe;
    bool DruckSeitRatio;
    bool operator==(const TAlleWerte&) const = default;

    static TAlleWerte Aktuell() {
        return {::MauszeigerMode,   ::MonitorMode,
                ::StiftdickeMode,   ::FarbMode,
                ::AutoOpen,         ::AutoClose,
                ::MausradZoom,      ::AutoScreenshot,
                ::WerkzeugGroesseX, ::WerkzeugGroesseY,
                ::AnzZusatzCol,     ::BlattLinienFrei,
                ::BlattKariertFrei, ::BlattNotenlinienFrei,
                ::ScreenshotDir,    ::EmailDir,
                ::ZusatzCol,        ::DruckLiRand,
                ::DruckObRand,      ::DruckBreite,
                ::DruckHoehe,       ::DruckSeitRatio};
    }
    void Setzen() const {
        ::MauszeigerMode = MauszeigerMode;
        ::MonitorMode = MonitorMode;
        ::StiftdickeMode = StiftdickeMode;
        ::FarbMode = FarbMode;
        ::AutoOpen = AutoOpen;
        ::AutoClose = AutoClose;
        ::MausradZoom = MausradZoom;
        ::AutoScreenshot = AutoScreenshot;
        ::WerkzeugGroesseX = WerkzeugGroesseX;
        ::WerkzeugGroesseY = WerkzeugGroesseY;
        ::AnzZusatzCol = AnzZusatzCol;
        ::BlattLinienFrei = BlattLinienFrei;
        ::BlattKariertFrei = BlattKariertFrei;
        ::BlattNotenlinienFrei = BlattNotenlinienFrei;
        ::ScreenshotDir = ScreenshotDir;
        ::EmailDir = EmailDir;
        ::ZusatzCol = ZusatzCol;
        ::DruckLiRand = DruckLiRand;
        ::DruckObRand = DruckObRand;
        ::DruckBreite = DruckBreite;
        ::DruckHoehe = DruckHoehe;
        ::DruckSeitRatio = DruckSeitRatio;
    }
};

// For the life of a test: settings are read from and written to a folder of
// the test's own, and every settings variable is put back afterwards.
class TEinstellungenSichern {
public:
    TEinstellungenSichern() { qputenv("XDG_CONFIG_HOME", FOrdner.path().toUtf8()); }
    ~TEinstellungenSichern() {
        FWerte.Setzen();
        qputenv("XDG_CONFIG_HOME", FVorher);
    }

private:
    const TAlleWerte FWerte = TAlleWerte::Aktuell();
    const QByteArray FVorher = qgetenv("XDG_CONFIG_HOME");
    QTemporaryDir FOrdner;
};
