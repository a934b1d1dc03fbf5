#include "platform/dokument.h"

#include "platform/meldung.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTimer>
#include <memory>

namespace {

// One run of the opener. It lives until the opener ends, even past the
// limit, so that the process is reaped; the outcome is told only once.
struct TOeffnung {
    QString Name;
    std::function<void(bool)> Fertig;
    bool Entschieden = false;

    void Ergebnis(bool Erfolg) {
        if (Entschieden) return;
        Entschieden = true;
        // Told before the box is shown: the box runs a loop of its own.
        if (Fertig) Fertig(Erfolg);
        if (!Erfolg) Meldung(TMeldungTyp::Fehler, OpenDocumentFehlertext(Name));
    }
};

} // namespace

QString OpenDocumentFehlertext(const QString& Name) {
    return Name + QStringLiteral(" kann nicht geöffnet werden. Sie benötigen einen "
                                 "Internet-Browser (z.B. Internet Explorer oder Firefox) um "
                                 "dieses Dokument anzusehen.");
}

void OpenDocument(const QString& Name, std::function<void(bool)> Fertig, int ZeitLimitMs) {
    auto* Prozess = new QProcess(QCoreApplication::instance());
    auto Oeffnung = std::make_shared<TOeffnung>(TOeffnung{Name, std::move(Fertig)});
    // A program that asks on a terminal must find none: it reads end of file.
    Prozess->setStandardInputFile(QProcess::nullDevice());
    Prozess->setProcessChannelMode(QProcess::ForwardedChannels);

    QObject::connect(Prozess, &QProcess::finished, Prozess,
                     [Prozess, Oeffnung](int Code, QProcess::ExitStatus Status) {
                         Prozess->deleteLater();
                         Oeffnung->Ergebnis(Status == QProcess::NormalExit && Code == 0);
                     });
    QObject::connect(Prozess, &QProcess::errorOccurred, Prozess,
                     [Prozess, Oeffnung](QProcess::ProcessError Fehler) {
                         if (Fehler != QProcess::FailedToStart) return;
                         Prozess->deleteLater();
                         Oeffnung->Ergebnis(false);
                     });
    QTimer::singleShot(ZeitLimitMs, Prozess, [Oeffnung] { Oeffnung->Ergebnis(true); });
    Prozess->start(QStringLiteral("xdg-open"), {Name});
}
