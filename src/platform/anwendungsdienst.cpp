#include "platform/anwendungsdienst.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>
#include <QTimer>
#include <algorithm>

namespace {

const QString DienstName = QStringLiteral("org.example.skribano");
const QString ObjektPfad = QStringLiteral("/org/example/skribano");
const QString Schnittstelle = QStringLiteral("org.freedesktop.Application");
const QString VerbindungsName = QStringLiteral("skribano-sitzungsbus");
const QString FehlerBeschaeftigt = QStringLiteral("org.example.skribano.Error.Beschaeftigt");

// Pause between two looks for a program that has not taken the name yet.
constexpr int SuchPauseMs = 20;

QString SitzungsbusAdresse() {
    const QString Gesetzt = qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS");
    if (!Gesetzt.isEmpty()) return Gesetzt;
    const QString Laufzeit = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString Pfad = Laufzeit + QStringLiteral("/bus");
    if (Laufzeit.isEmpty() || !QFileInfo::exists(Pfad)) return QString();
    return QStringLiteral("unix:path=") + Pfad;
}

QDBusConnection Sitzungsbus() {
    return QDBusConnection::connectToBus(SitzungsbusAdresse(), VerbindungsName);
}

// A call that waits at most for what is left of the sender's time.
QDBusMessage Rufen(QDBusConnection& Bus, const QDBusMessage& Nachricht, const QElapsedTimer& Uhr,
                   int FristMs) {
    return Bus.call(Nachricht, QDBus::Block, std::max(1, FristMs - int(Uhr.elapsed())));
}

QDBusMessage BusFrage(const QString& Methode, const QString& Name) {
    QDBusMessage m = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), Methode);
    m << Name;
    return m;
}

// The unique bus name of the program that holds the well-known name, when
// that program is Inhaber; empty while nobody, or another process (Fremd),
// holds it.
QString Eigner(QDBusConnection& Bus, qint64 Inhaber, const QElapsedTimer& Uhr, int FristMs,
               bool& Fremd) {
    const QDBusMessage e =
        Rufen(Bus, BusFrage(QStringLiteral("GetNameOwner"), DienstName), Uhr, FristMs);
    if (e.type() != QDBusMessage::ReplyMessage || e.arguments().isEmpty()) return QString();
    const QString Eindeutig = e.arguments().constFirst().toString();
    if (Inhaber == 0) return Eindeutig;
    const QDBusMessage p =
        Rufen(Bus, BusFrage(QStringLiteral("GetConnectionUnixProcessID"), Eindeutig), Uhr, FristMs);
    if (p.type() != QDBusMessage::ReplyMessage || p.arguments().isEmpty()) return QString();
    Fremd = p.arguments().constFirst().toLongLong() != Inhaber;
    return Fremd ? QString() : Eindeutig;
}

} // namespace

// The interface as the bus sees it; every request goes to the service.
class TAnwendungsAdapter : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
public:
    explicit TAnwendungsAdapter(TAnwendungsDienst* Dienst)
        : QDBusAbstractAdaptor(Dienst), FDienst(Dienst) {}

public slots:
    void Activate(const QVariantMap& platform_data, const QDBusMessage& Nachricht) {
        Q_UNUSED(platform_data);
        Annehmen(Nachricht, FDienst->Auftraege().Aktivieren);
    }
    void Open(const QStringList& uris, const QVariantMap& platform_data,
              const QDBusMessage& Nachricht) {
        Q_UNUSED(uris);
        Q_UNUSED(platform_data);
        Ablehnen(Nachricht, QDBusError::NotSupported,
                 QStringLiteral("Skribano öffnet keine Dateien."));
    }
    void ActivateAction(const QString& action_name, const QVariantList& parameter,
                        const QVariantMap& platform_data, const QDBusMessage& Nachricht) {
        Q_UNUSED(parameter);
        Q_UNUSED(platform_data);
        const auto& Aktionen = FDienst->Auftraege().Aktionen;
        const auto a = Aktionen.find(action_name);
        if (a == Aktionen.end()) {
            Ablehnen(Nachricht, QDBusError::InvalidArgs,
                     QStringLiteral("Unbekannte Aktion „%1“.").arg(action_name));
            return;
        }
        Annehmen(Nachricht, a->second);
    }

private:
    void Annehmen(const QDBusMessage& Nachricht, const std::function<void()>& Auftrag) {
        const auto& Annehmbar = FDienst->Auftraege().Annehmbar;
        if (Annehmbar && !Annehmbar()) {
            Ablehnen(Nachricht, FehlerBeschaeftigt,
                     QStringLiteral("Skribano wartet auf eine Antwort in einem Dialog."));
            return;
        }
        if (Auftrag) FDienst->Einreihen(Auftrag);
    }
    static void Ablehnen(const QDBusMessage& Nachricht, const QString& Name, const QString& Text) {
        Nachricht.setDelayedReply(true);
        QDBusConnection(VerbindungsName).send(Nachricht.createErrorReply(Name, Text));
    }
    static void Ablehnen(const QDBusMessage& Nachricht, QDBusError::ErrorType Art,
                         const QString& Text) {
        Ablehnen(Nachricht, QDBusError::errorString(Art), Text);
    }

    TAnwendungsDienst* FDienst;
};

TAnwendungsDienst::TAnwendungsDienst(TAuftraege Auftraege) : FAuftraege(std::move(Auftraege)) {
    new TAnwendungsAdapter(this);
    if (!SitzungsbusBekannt()) return;
    QDBusConnection Bus = Sitzungsbus();
    // The object first: a request sent the moment the name appears finds it.
    if (!Bus.isConnected() || !Bus.registerObject(ObjektPfad, this)) return;
    FAngemeldet = true;
    // Queued behind a holder on another display that shares this bus: the
    // name passes here when that one ends.
    Bus.interface()->registerService(DienstName, QDBusConnectionInterface::QueueService,
                                     QDBusConnectionInterface::DontAllowReplacement);
}

TAnwendungsDienst::~TAnwendungsDienst() {
    if (!FAngemeldet) return;
    QDBusConnection Bus(VerbindungsName);
    Bus.interface()->unregisterService(DienstName);
    Bus.unregisterObject(ObjektPfad);
}

void TAnwendungsDienst::Einreihen(std::function<void()> Auftrag) {
    FWarteschlange.push_back(std::move(Auftrag));
    if (!FLaeuft) QTimer::singleShot(0, this, [this] { Abarbeiten(); });
}

void TAnwendungsDienst::Abarbeiten() {
    if (FLaeuft) return;
    FLaeuft = true;
    while (!FWarteschlange.empty()) {
        const std::function<void()> Auftrag = std::move(FWarteschlange.front());
        FWarteschlange.pop_front();
        Auftrag();
    }
    FLaeuft = false;
}

QString AnwendungsAktionSenden(const QString& Aktion, qint64 Inhaber, int FristMs) {
    QElapsedTimer Uhr;
    Uhr.start();
    if (!SitzungsbusBekannt())
        return QStringLiteral("Kein Sitzungsbus gefunden: DBUS_SESSION_BUS_ADDRESS ist nicht "
                              "gesetzt.");
    QDBusConnection Bus = Sitzungsbus();
    if (!Bus.isConnected())
        return QStringLiteral("Der Sitzungsbus ist nicht erreichbar: ") + Bus.lastError().message();
    // A program that has just taken its lock takes the name a moment later.
    QString Ziel;
    bool Fremd = false;
    while ((Ziel = Eigner(Bus, Inhaber, Uhr, FristMs, Fremd)).isEmpty()) {
        if (Uhr.elapsed() + SuchPauseMs < FristMs) {
            QThread::msleep(SuchPauseMs);
            continue;
        }
        // One bus for several displays: the name belongs to the Skribano of
        // another display (or to another program), not to this display's.
        if (Fremd)
            return QStringLiteral("Der Name %1 auf dem Sitzungsbus gehört einem anderen "
                                  "Programm, nicht dem Skribano dieser Anzeige.")
                .arg(DienstName);
        return QStringLiteral("Skribano ist auf dem Sitzungsbus nicht erreichbar.");
    }
    QDBusMessage Aufruf = QDBusMessage::createMethodCall(Ziel, ObjektPfad, Schnittstelle,
                                                         QStringLiteral("ActivateAction"));
    Aufruf << Aktion << QVariantList() << QVariantMap();
    const QDBusMessage Antwort = Rufen(Bus, Aufruf, Uhr, FristMs);
    if (Antwort.type() == QDBusMessage::ReplyMessage) return QString();
    if (Antwort.errorName() == FehlerBeschaeftigt) return Antwort.errorMessage();
    return QStringLiteral("Skribano hat die Anfrage nicht angenommen: ") + Antwort.errorMessage();
}

bool SitzungsbusBekannt() {
    return !SitzungsbusAdresse().isEmpty();
}

#include "anwendungsdienst.moc"
