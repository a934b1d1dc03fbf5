#pragma once
// The running program on the session bus: it owns the name
// "org.example.skribano" and offers the freedesktop application interface
// (org.freedesktop.Application) at /org/example/skribano, so that a key bound
// in the desktop's settings, the desktop entry's actions and the launcher
// reach it. AnwendungsAktionSenden is the other side, the one the
// command-line options run.

#include <QObject>
#include <QString>
#include <deque>
#include <functional>
#include <map>

class TAnwendungsDienst : public QObject {
public:
    struct TAuftraege {
        // "Activate": the program comes to the front.
        std::function<void()> Aktivieren;
        // "ActivateAction": the actions by name.
        std::map<QString, std::function<void()>> Aktionen;
        // False while the program can take no request (a dialog waits for
        // an answer); the sender is told so.
        std::function<bool()> Annehmbar;
    };

    // Offers the interface and asks for the name. A name held by another
    // process is waited for in the bus's queue; without a session bus the
    // program runs without the interface.
    explicit TAnwendungsDienst(TAuftraege Auftraege);
    ~TAnwendungsDienst() override;

    // An accepted request: answered at once, run from the event loop, one
    // after the other, so that a request arriving while another waits
    // inside the capture runs after it, never within it.
    void Einreihen(std::function<void()> Auftrag);
    const TAuftraege& Auftraege() const { return FAuftraege; }

private:
    void Abarbeiten();

    TAuftraege FAuftraege;
    std::deque<std::function<void()>> FWarteschlange;
    bool FLaeuft = false;
    bool FAngemeldet = false;
};

// Sends the action to the running program whose process id is Inhaber (the
// holder of the single-instance lock; 0 accepts any). Empty when it was
// accepted, else the German reason. Waits at most FristMs, also for a
// program that is still starting and has not taken the name yet.
QString AnwendungsAktionSenden(const QString& Aktion, qint64 Inhaber, int FristMs);

// Whether there is a session bus to use: the one whose address is set, else
// the one in the user's runtime folder. The bus library's own last resort,
// a bus started through the display, is never used.
bool SitzungsbusBekannt();
