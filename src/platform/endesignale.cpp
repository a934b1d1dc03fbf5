#include "platform/endesignale.h"

#include <QCoreApplication>
#include <QEvent>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int EndeSignale[] = {SIGTERM, SIGHUP, SIGINT};

// The pipe's write end, for the signal handler.
volatile sig_atomic_t SchreibEnde = -1;

void SignalHandler(int Nummer) {
    const int Fehler = errno;
    const char b = static_cast<char>(Nummer);
    // Nothing else is allowed here: a full pipe means an end is pending anyway.
    [[maybe_unused]] const ssize_t n = ::write(SchreibEnde, &b, 1);
    errno = Fehler;
}

void Behandlung(void (*Handler)(int)) {
    struct sigaction sa {};
    sa.sa_handler = Handler;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (const int s : EndeSignale)
        sigaction(s, &sa, nullptr);
}

} // namespace

TEndeSignale::TEndeSignale(std::function<bool()> Beenden) : FBeenden(std::move(Beenden)) {
    int Enden[2];
    if (::pipe2(Enden, O_CLOEXEC | O_NONBLOCK) == 0) {
        FLeseEnde = Enden[0];
        SchreibEnde = Enden[1];
        FMelder = new QSocketNotifier(FLeseEnde, QSocketNotifier::Read, this);
        connect(FMelder, &QSocketNotifier::activated, this, [this] { SignalGelesen(); });
        Behandlung(SignalHandler);
    }
    QCoreApplication::instance()->installEventFilter(this);
}

TEndeSignale::~TEndeSignale() {
    if (FLeseEnde < 0) return;
    Behandlung(SIG_DFL);
    ::close(SchreibEnde);
    SchreibEnde = -1;
    ::close(FLeseEnde);
}

void TEndeSignale::SignalGelesen() {
    char b[64];
    while (::read(FLeseEnde, b, sizeof b) > 0) {
    }
    FBeenden();
}

bool TEndeSignale::eventFilter(QObject* Objekt, QEvent* Event) {
    // The session manager's quit arrives as a quit request to the application.
    if (Event->type() == QEvent::Quit && Objekt == QCoreApplication::instance()) return FBeenden();
    return false;
}
