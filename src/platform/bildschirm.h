#pragma once
// The monitors and their current pixels. The real source reads the X server
// through Qt's screens, or in a Wayland session the desktop's screenshot
// portal; tests install a source of their own with known monitors and
// pictures.

#include <QImage>
#include <QList>
#include <QRect>
#include <QWidget>

class TBildschirmQuelle {
public:
    virtual ~TBildschirmQuelle() = default;
    // The monitors in desktop coordinates of device pixels; index 0 is the
    // first (primary) monitor.
    virtual QList<QRect> Monitore() const = 0;
    // The current pixels of monitor Index at its full size, Format_RGB32.
    // Fenster is the asking window. A null picture when the capture failed;
    // the user has been told why.
    virtual QImage Aufnahme(int Index, WId Fenster) = 0;
    // The monitor Fenster lies on.
    virtual int FensterMonitor(const QWidget& Fenster) const;
    // Called while the asking window Fenster is still shown, before it hides
    // for the capture: a desktop that must ask the user first asks now.
    // False when the capture may not be taken (the user has been told).
    virtual bool AufnahmeErlaubt(WId Fenster);
    // A capture of monitor Index is likely soon: what it needs may be made
    // ready in the background. Until VorbereitungFreigeben, if none comes.
    virtual void AufnahmeVorbereiten(int Index) { Q_UNUSED(Index); }
    virtual void VorbereitungFreigeben() {}
};

// The source in use: the real screens unless a test installed another.
TBildschirmQuelle& Bildschirm();
// Installs Quelle (not owned); nullptr returns to the real screens.
void SetBildschirmQuelle(TBildschirmQuelle* Quelle);

// The monitor a window lies on: the one it overlaps most, else the one
// nearest to its centre; 0 when there are no monitors.
int MonitorDesFensters(const QList<QRect>& Monitore, const QRect& Fenster);

// The monitor the capture takes: MonitorMode 2 with more than one monitor
// the second, MonitorMode 1 the first, otherwise the tool window's.
int MonitorWahl(int MonitorMode, int Anzahl, int ToolMonitor);
