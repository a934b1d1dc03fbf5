#include "app/befehlszeile.h"

#include "app/data.h"
#include "app/nomultiinst.h"
#include "platform/anwendungsdienst.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <csignal>
#include <cstdio>
#include <sys/time.h>
#include <unistd.h>

namespace {

constexpr int StatusAbgewiesen = 1;
constexpr int StatusFalscherAufruf = 2;

// The request's own time limit, and behind it a hard one for a bus that
// accepts the connection and then never answers. Both count from the
// moment the program is loaded, which on a busy machine may take most of
// the second left to the 5 seconds promised.
constexpr int FristMs = 3500;
constexpr int NotFristMs = 4000;

struct TOption {
    QStringList Namen;
    const char* Text;
    const char* Aktion; // the action sent to the running program, if any
};

const TOption Optionen[] = {
    {{QStringLiteral("start")},
     "Zeichnen starten wie mit „Start“; startet Skribano, wenn nötig.",
     "start"},
    {{QStringLiteral("toggle")},
     "Im Bereitschaftszustand „Start“, im Zeichenmodus „Fertig“.",
     "toggle"},
    {{QStringLiteral("quit")}, "Skribano beenden, wie das Schließen des Werkzeugfensters.", "quit"},
    {{QStringLiteral("h"), QStringLiteral("help")}, "Diese Hilfe anzeigen.", nullptr},
    {{QStringLiteral("v"), QStringLiteral("version")}, "Die Version anzeigen.", nullptr},
};

void Ausgeben(FILE* Ziel, const QString& Text) {
    std::fputs(Text.toLocal8Bit().constData(), Ziel);
}

int Falsch(const QString& Text) {
    Ausgeben(stderr,
             QStringLiteral("skribano: %1\nDie Optionen zeigt „skribano --help“.\n").arg(Text));
    return StatusFalscherAufruf;
}

QString Hilfetext() {
    QString t = QStringLiteral("Aufruf: skribano [Option]\n"
                               "Bildschirm einfrieren und darauf zeichnen.\n\nOptionen:\n");
    for (const TOption& o : Optionen) {
        QStringList Namen;
        for (const QString& n : o.Namen)
            Namen << (n.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + n;
        t += QStringLiteral("  %1%2\n")
                 .arg(Namen.join(QStringLiteral(", ")), -16)
                 .arg(QString::fromUtf8(o.Text));
    }
    return t + QStringLiteral("\nOhne Option startet Skribano. --start, --toggle und --quit "
                              "wirken auf das laufende\nSkribano dieser Anzeige; eine "
                              "Tastenkombination des Desktops kann sie aufrufen.\n");
}

void FristAbgelaufen(int) {
    static const char Text[] = "skribano: Skribano hat nicht rechtzeitig geantwortet.\n";
    [[maybe_unused]] const ssize_t n = ::write(STDERR_FILENO, Text, sizeof Text - 1);
    ::_exit(StatusAbgewiesen);
}

void Notfrist(int Ms) {
    std::signal(SIGALRM, Ms > 0 ? FristAbgelaufen : SIG_DFL);
    itimerval z{};
    z.it_value.tv_sec = Ms / 1000;
    z.it_value.tv_usec = (Ms % 1000) * 1000;
    ::setitimer(ITIMER_REAL, &z, nullptr);
}

// Sends Aktion to the running program. With "start" and none running, this
// process takes the lock and becomes the program.
TBefehlszeile Senden(const QString& Aktion, int argc, char** argv) {
    Notfrist(NotFristMs);
    if (NoMultiInst()) {
        Notfrist(0);
        if (Aktion == QStringLiteral("start")) return {std::nullopt, true};
        Ausgeben(stderr, QStringLiteral("skribano: Skribano läuft nicht.\n"));
        return {StatusAbgewiesen};
    }
    QCoreApplication App(argc, argv);
    const QString Fehler = AnwendungsAktionSenden(Aktion, NoMultiInstInhaber(), FristMs);
    if (Fehler.isEmpty()) return {0};
    Ausgeben(stderr, QStringLiteral("skribano: %1\n").arg(Fehler));
    return {StatusAbgewiesen};
}

} // namespace

TBefehlszeile Befehlszeile(int argc, char** argv) {
    QStringList Argumente;
    for (int i = 0; i < argc; ++i)
        Argumente << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser Parser;
    for (const TOption& o : Optionen)
        Parser.addOption(QCommandLineOption(o.Namen, QString::fromUtf8(o.Text)));
    if (!Parser.parse(Argumente)) {
        const QStringList Unbekannt = Parser.unknownOptionNames();
        if (Unbekannt.isEmpty()) return {Falsch(QStringLiteral("Die Befehlszeile ist ungültig."))};
        const QString Name = Unbekannt.constFirst();
        return {
            Falsch(QStringLiteral("Unbekannte Option „%1%2“.")
                       .arg(Name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), Name))};
    }
    if (!Parser.positionalArguments().isEmpty())
        return {Falsch(QStringLiteral("Unerwartetes Argument „%1“.")
                           .arg(Parser.positionalArguments().constFirst()))};
    if (Parser.isSet(QStringLiteral("help"))) {
        Ausgeben(stdout, Hilfetext());
        return {0};
    }
    if (Parser.isSet(QStringLiteral("version"))) {
        Ausgeben(stdout, QStringLiteral("Skribano %1\n").arg(VersionText));
        return {0};
    }
    QStringList Aktionen;
    for (const TOption& o : Optionen)
        if (o.Aktion && Parser.isSet(o.Namen.constFirst())) Aktionen << QString::fromUtf8(o.Aktion);
    if (Aktionen.size() > 1)
        return {Falsch(QStringLiteral("Nur eine der Optionen --start, --toggle und --quit ist "
                                      "möglich."))};
    if (Aktionen.isEmpty()) return {};
    return Senden(Aktionen.constFirst(), argc, argv);
}
