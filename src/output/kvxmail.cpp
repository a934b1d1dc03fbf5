#include "output/kvxmail.h"

#include "platform/beschaeftigt.h"
#include "platform/meldung.h"

#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <algorithm>
#include <memory>
#include <vector>

namespace {

// xdg-mime is a short shell script; it gets this long at most.
constexpr int AbfrageFristMs = 5000;

const QString ErfolgText = QStringLiteral(
    "Die Nachricht wurde dem E-Mail-Programm erfolgreich übermittelt. Falls Ihr "
    "E-Mail-Programm Nachrichten nicht sofort versendet, sondern erst im Postausgang "
    "zwischenspeichert, müssen Sie den Versand in Ihrem E-Mail-Programm noch selbst auslösen.");
const QString FehlerText =
    QStringLiteral("Der E-Mail-Versand wurde abgebrochen oder es ist ein Fehler aufgetreten.");

// Waits at most FristMs for p, which has just been started; the windows go
// on painting meanwhile. True when p ended (or never started) in that time.
bool Abwarten(QProcess& p, int FristMs) {
    QEventLoop Warten;
    QObject::connect(&p, &QProcess::finished, &Warten, &QEventLoop::quit);
    QObject::connect(&p, &QProcess::errorOccurred, &Warten, [&Warten](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) Warten.quit();
    });
    QTimer::singleShot(FristMs, &Warten, &QEventLoop::quit);
    if (p.state() != QProcess::NotRunning) Warten.exec();
    QObject::disconnect(&p, nullptr, &Warten, nullptr);
    return p.state() == QProcess::NotRunning;
}

QString MailtoHandler() {
    QProcess p;
    p.setStandardInputFile(QProcess::nullDevice());
    p.setProcessChannelMode(QProcess::SeparateChannels);
    p.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                         QStringLiteral("x-scheme-handler/mailto")});
    if (!Abwarten(p, AbfrageFristMs)) {
        p.kill();
        p.waitForFinished(AbfrageFristMs);
        return {};
    }
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) return {};
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

// Mail programs still running after their time limit. They are never
// destroyed while running (that would kill the compose window, even when
// this program ends), and kept here so they stay reachable rather than
// leaked; one that ends leaves the list.
std::vector<QProcess*>& LaufendeMailProgramme() {
    static auto* Liste = new std::vector<QProcess*>;
    return *Liste;
}

void Zuruecklassen(std::unique_ptr<QProcess> p) {
    QProcess* Prozess = p.release();
    LaufendeMailProgramme().push_back(Prozess);
    QObject::connect(Prozess, &QProcess::finished, Prozess, [Prozess] {
        std::erase(LaufendeMailProgramme(), Prozess);
        Prozess->deleteLater();
    });
}

// Runs xdg-email with Argumente. True when it ended with code 0, or when it
// is still running after FristMs; it is then left running.
bool XdgEmail(const QStringList& Argumente, int FristMs) {
    auto p = std::make_unique<QProcess>();
    p->setStandardInputFile(QProcess::nullDevice());
    p->setProcessChannelMode(QProcess::ForwardedChannels);
    p->start(QStringLiteral("xdg-email"), Argumente);
    if (Abwarten(*p, FristMs))
        return p->error() != QProcess::FailedToStart && p->exitStatus() == QProcess::NormalExit &&
               p->exitCode() == 0;
    Zuruecklassen(std::move(p));
    return true;
}

} // namespace

bool MailProgrammVorhanden() {
    return !qEnvironmentVariableIsEmpty("MAILER") || !MailtoHandler().isEmpty();
}

int32_t SendMailMapi(const QString& Subject, const QString& Body, const QStringList& Files,
                     int FristMs) {
    QStringList Argumente;
    if (!Subject.isEmpty()) Argumente << QStringLiteral("--subject") << Subject;
    if (!Body.isEmpty()) Argumente << QStringLiteral("--body") << Body;
    for (const QString& f : Files)
        Argumente << QStringLiteral("--attach") << f;
    bool Uebergeben = false;
    {
        // Over before the outcome is shown: the box needs the user's input.
        const TBeschaeftigt Warten;
        Uebergeben = MailProgrammVorhanden() && XdgEmail(Argumente, FristMs);
    }
    if (Uebergeben)
        Meldung(TMeldungTyp::Information, ErfolgText);
    else
        Meldung(TMeldungTyp::Warnung, FehlerText);
    return Uebergeben ? 0 : 1;
}

void MailtoOeffnen(const QString& Adresse, int FristMs) {
    const TBeschaeftigt Warten;
    if (MailProgrammVorhanden()) XdgEmail({Adresse}, FristMs);
}

bool AnhangInGebrauch(const QString& Datei) {
    return std::ranges::any_of(LaufendeMailProgramme(), [&Datei](const QProcess* p) {
        return p->arguments().contains(Datei);
    });
}
