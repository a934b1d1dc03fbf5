#include "platform/portalaufnahme.h"

#include "platform/meldung.h"
#include "platform/portalerlaubnis.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QEventLoop>
#include <QFile>
#include <QObject>
#include <QTimer>
#include <QUrl>
#include <QVariantMap>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

const QString PortalDienst = QStringLiteral("org.freedesktop.portal.Desktop");
const QString PortalPfad = QStringLiteral("/org/freedesktop/portal/desktop");
const QString AnfrageSchnittstelle = QStringLiteral("org.freedesktop.portal.Request");

// Waits for the one Response signal of a request object. Given up on, it
// stays and deletes the picture of an answer that comes too late.
class TPortalAntwort : public QObject {
    Q_OBJECT
public:
    bool Da = false;
    bool Aufgegeben = false;
    uint Code = 2;
    QVariantMap Ergebnis;
    QEventLoop Schleife;

public slots:
    void Response(uint c, const QVariantMap& e) {
        if (Da) return;
        Da = true;
        if (Aufgegeben) {
            if (c == 0) QFile::remove(PortalDatei(e));
            deleteLater();
            return;
        }
        Code = c;
        Ergebnis = e;
        Schleife.quit();
    }

public:
    static QString PortalDatei(const QVariantMap& e) {
        const QUrl Uri(e.value(QStringLiteral("uri")).toString());
        return Uri.isLocalFile() ? Uri.toLocalFile() : QString();
    }
};

// The request object the portal will create for Token: the sender's unique
// name without ':' and with '_' for '.', then the token.
QString AnfragePfad(const QDBusConnection& Bus, const QString& Token) {
    QString Sender = Bus.baseService();
    Sender.remove(0, Sender.startsWith(u':') ? 1 : 0).replace(u'.', u'_');
    return PortalPfad + QStringLiteral("/request/") + Sender + u'/' + Token;
}

bool AntwortAbonnieren(QDBusConnection& Bus, const QString& Pfad, TPortalAntwort& Antwort) {
    return Bus.connect(PortalDienst, Pfad, AnfrageSchnittstelle, QStringLiteral("Response"),
                       &Antwort, SLOT(Response(uint, QVariantMap)));
}

void Fehler(const QString& Text) {
    Meldung(TMeldungTyp::Fehler, Text);
}

QString NichtErreichbar() {
    return QStringLiteral("Der Bildschirm konnte nicht aufgenommen werden: Der "
                          "Bildschirmfoto-Dienst des Desktops (xdg-desktop-portal) ist nicht "
                          "erreichbar.");
}

QString NichtRechtzeitig() {
    return QStringLiteral("Der Bildschirm konnte nicht aufgenommen werden: Der "
                          "Bildschirmfoto-Dienst des Desktops hat nicht rechtzeitig "
                          "geantwortet.");
}

// The picture the portal wrote, read and deleted; null when unreadable.
QImage PortalDateiLesen(const QVariantMap& Ergebnis) {
    const QString Datei = TPortalAntwort::PortalDatei(Ergebnis);
    if (Datei.isEmpty()) return QImage();
    QImage Bild(Datei);
    QFile::remove(Datei);
    if (!Bild.isNull() && Bild.format() != QImage::Format_RGB32)
        Bild = Bild.convertToFormat(QImage::Format_RGB32);
    return Bild;
}

// How one request ended: the portal's answer (Code, Ergebnis), or none.
struct TAnfrage {
    enum { Beantwortet, Unerreichbar, Ohne } Art = Unerreichbar;
    uint Code = 2;
    QVariantMap Ergebnis;
};

// One Screenshot request, waited for at most FristMs. A request given up on
// is closed; a picture it still brings is deleted.
TAnfrage PortalAnfragen(const QString& Elternfenster, int FristMs) {
    QDBusConnection Bus = QDBusConnection::sessionBus();
    if (!Bus.isConnected()) return {};
    static int Zaehler = 0;
    const QString Token = QStringLiteral("skribano%1").arg(++Zaehler);
    QString Erwartet = AnfragePfad(Bus, Token);

    // Subscribed before the call: a fast portal answers before the call
    // returns.
    auto* Antwort = new TPortalAntwort;
    if (!AntwortAbonnieren(Bus, Erwartet, *Antwort)) {
        delete Antwort;
        return {};
    }
    QDBusMessage Aufruf = QDBusMessage::createMethodCall(
        PortalDienst, PortalPfad, QStringLiteral("org.freedesktop.portal.Screenshot"),
        QStringLiteral("Screenshot"));
    Aufruf << Elternfenster
           << QVariantMap{{QStringLiteral("handle_token"), Token},
                          {QStringLiteral("interactive"), false}};
    QDBusPendingCallWatcher Rueckgabe(Bus.asyncCall(Aufruf, std::min(FristMs, 25000)));
    QString AufrufFehler;
    QObject::connect(&Rueckgabe, &QDBusPendingCallWatcher::finished, Antwort, [&] {
        const QDBusPendingReply<QDBusObjectPath> r = Rueckgabe;
        if (r.isError()) {
            AufrufFehler = r.error().name() + QStringLiteral(": ") + r.error().message();
            Antwort->Schleife.quit();
        } else if (r.value().path() != Erwartet) {
            // A portal older than the handle token names its own object.
            Erwartet = r.value().path();
            AntwortAbonnieren(Bus, Erwartet, *Antwort);
        }
    });
    QTimer Frist;
    Frist.setSingleShot(true);
    Frist.setTimerType(Qt::PreciseTimer);
    QObject::connect(&Frist, &QTimer::timeout, &Antwort->Schleife, &QEventLoop::quit);
    Frist.start(FristMs);
    if (!Antwort->Da) Antwort->Schleife.exec();
    QObject::disconnect(&Rueckgabe, nullptr, Antwort, nullptr);

    TAnfrage a;
    if (!AufrufFehler.isEmpty()) {
        std::fprintf(stderr, "Skribano: %s\n", AufrufFehler.toUtf8().constData());
        delete Antwort;
        return a;
    }
    if (!Antwort->Da) {
        Antwort->Aufgegeben = true;
        // Waits for an answer that may never come: the application owns it.
        Antwort->setParent(QCoreApplication::instance());
        Bus.asyncCall(QDBusMessage::createMethodCall(PortalDienst, Erwartet, AnfrageSchnittstelle,
                                                     QStringLiteral("Close")));
        a.Art = TAnfrage::Ohne;
        return a;
    }
    a.Art = TAnfrage::Beantwortet;
    a.Code = Antwort->Code;
    a.Ergebnis = Antwort->Ergebnis;
    delete Antwort;
    return a;
}

// The answer of a request that came with an error code, told to the user.
void AntwortFehler(uint Code) {
    Fehler(PortalFehlertext(Code, ScreenshotErlaubnis(PortalAppId()) == TErlaubnis::Nein));
}

} // namespace

QString PortalFehlertext(uint Antwort, bool Abgelehnt) {
    if (Abgelehnt) return QStringLiteral("Die Aufnahme des Bildschirms wurde abgelehnt.");
    // Asked for without interaction, nobody could cancel: the service gave up.
    if (Antwort == 1)
        return QStringLiteral("Der Bildschirm konnte nicht aufgenommen werden: Der "
                              "Bildschirmfoto-Dienst des Desktops hat die Aufnahme abgebrochen.");
    return QStringLiteral("Der Bildschirm konnte nicht aufgenommen werden: Der "
                          "Bildschirmfoto-Dienst des Desktops hat einen Fehler gemeldet.");
}

bool PortalErlaubnisEinholen(const QString& Elternfenster, int FristMs) {
    // A desktop whose portal never asked keeps nothing in the store: no
    // question is asked there in this run.
    static bool FragtNie = false;
    if (FragtNie) return true;
    const QString App = PortalAppId();
    const TErlaubnis Vorher = ScreenshotErlaubnis(App);
    if (Vorher == TErlaubnis::Ja || Vorher == TErlaubnis::Unbekannt) return true;
    if (Vorher == TErlaubnis::Nein) {
        Fehler(PortalFehlertext(2, true));
        return false;
    }
    const TAnfrage a = PortalAnfragen(Elternfenster, FristMs);
    if (a.Art == TAnfrage::Unerreichbar) {
        Fehler(NichtErreichbar());
        return false;
    }
    if (a.Art == TAnfrage::Ohne) {
        Fehler(NichtRechtzeitig());
        return false;
    }
    if (a.Code != 0) {
        AntwortFehler(a.Code);
        return false;
    }
    // This picture shows the asking window: only the permission counts.
    QFile::remove(TPortalAntwort::PortalDatei(a.Ergebnis));
    FragtNie = ScreenshotErlaubnis(App) != TErlaubnis::Ja;
    return true;
}

QImage PortalAufnahme(const QString& Elternfenster, int FristMs) {
    const TAnfrage a = PortalAnfragen(Elternfenster, FristMs);
    if (a.Art == TAnfrage::Unerreichbar) {
        Fehler(NichtErreichbar());
        return QImage();
    }
    if (a.Art == TAnfrage::Ohne) {
        Fehler(NichtRechtzeitig());
        return QImage();
    }
    if (a.Code != 0) {
        AntwortFehler(a.Code);
        return QImage();
    }
    const QImage Bild = PortalDateiLesen(a.Ergebnis);
    if (Bild.isNull())
        Fehler(QStringLiteral("Der Bildschirm konnte nicht aufgenommen werden: Das Bild des "
                              "Bildschirmfoto-Dienstes ist nicht lesbar."));
    return Bild;
}

QImage MonitorAusschnitt(const QImage& Gesamt, const QList<QRect>& Monitore, int Nr,
                         QSize Groesse) {
    if (Gesamt.isNull() || Nr < 0 || Nr >= Monitore.size() || Groesse.isEmpty()) return QImage();
    QRect Alle;
    for (const QRect& m : Monitore)
        Alle = Alle.united(m);
    const QImage Quelle = Gesamt.convertToFormat(QImage::Format_RGB32);
    // The monitor covers f times its logical rectangle of the picture, and
    // rarely at a whole pixel: each of its pixels is read at the middle of
    // the place it covers there, which at a whole factor is that very pixel.
    const double f = double(Quelle.width()) / Alle.width();
    const QRect& m = Monitore[Nr];
    const auto Stellen = [f](int Anfang, int Laenge, int Pixel, int Grenze) {
        std::vector<int> s(Pixel);
        for (int i = 0; i < Pixel; ++i)
            s[i] = std::clamp(int(std::floor(f * (Anfang + (i + 0.5) * Laenge / Pixel))), 0,
                              Grenze - 1);
        return s;
    };
    const std::vector<int> Spalten =
        Stellen(m.x() - Alle.x(), m.width(), Groesse.width(), Quelle.width());
    const std::vector<int> Zeilen =
        Stellen(m.y() - Alle.y(), m.height(), Groesse.height(), Quelle.height());
    QImage Bild(Groesse, QImage::Format_RGB32);
    for (int y = 0; y < Bild.height(); ++y) {
        const auto* Von = reinterpret_cast<const QRgb*>(Quelle.constScanLine(Zeilen[y]));
        auto* Nach = reinterpret_cast<QRgb*>(Bild.scanLine(y));
        for (int x = 0; x < Bild.width(); ++x)
            Nach[x] = Von[Spalten[x]];
    }
    return Bild;
}

#include "portalaufnahme.moc"
