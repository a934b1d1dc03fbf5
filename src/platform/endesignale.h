#pragma once
// Ends of the program that come from outside: SIGTERM, SIGHUP and SIGINT (a
// logout, a shutdown, Ctrl+C in a terminal) and the session manager's quit.
// The signal handler itself only writes into a pipe; the reaction runs later
// in the event loop, where the whole program may be used.

#include <QObject>
#include <functional>

class QSocketNotifier;

class TEndeSignale : public QObject {
public:
    // Beenden runs when one of the signals has come, and for every quit
    // request that reaches the application; it returns false when the program is ending already,
    // which lets the quit request pass.
    explicit TEndeSignale(std::function<bool()> Beenden);
    // Gives the signals back their default action.
    ~TEndeSignale() override;

    bool eventFilter(QObject* Objekt, QEvent* Event) override;

private:
    void SignalGelesen();

    std::function<bool()> FBeenden;
    int FLeseEnde = -1;
    QSocketNotifier* FMelder = nullptr;
};
