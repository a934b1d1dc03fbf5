#include "platform/portalaufnahme.h"

#include "platform/meldung.h"

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

// Waits for the one Response signal of a request object.
class TPortalAntwort : public QObject {
    Q_OBJECT
public:
    bool Da = false;
    uint Code = 2;
    QVariantMap Ergebnis;
    QEventLoop Schleife;

public slots:
    void Response(uint c, const QVariantMap& e) {
        if (Da) return;
        Da = true;
        Code = c;
        Ergebnis = e;
        Schleife.quit();
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

// The picture the portal wrote, read and deleted; null when unreadable.
QImage PortalDateiLesen(const QVariantMap& Ergebnis) {
    const QUrl Uri(Ergebnis.value(QStringLiteral("uri")).toString());
    if (!Uri.isLocalFile()) return QImage();
    const QString Datei = Uri.toLocalFile();
    QImage Bild(Datei);
    QFile::remove(Datei);
    if (!Bild.isNull() && Bild.format() != QImage::Format_RGB32)
        Bild = Bild.convertToFormat(QImage::Format_RGB32);
    return Bild;
}

} // namespace

QString PortalFehlertext(uint Antwort) {
    if (Antwort == 1) return QStringLiteral("Die Aufnahme des Bildschirms wurde abgelehnt.");
    return QStringLiteral("Der Bildschirm konnte nicht aufgenommen werden: Der "
                          "Bildschirmfoto-Dienst des Desktops hat einen Fehler gemeldet.");
}

QImage PortalAufnahme(const QString& Elternfenster, int FristMs) {
    QDBusConnection Bus = QDBusConnection::sessionBus();
    if (!Bus.isConnected()) {
        Fehler(NichtErreichbar());
        return QImage();
    }
    static int Zaehler = 0;
    const QString Token = QStringLiteral("skribano%1").arg(++Zaehler);
    const QString Erwartet = AnfragePfad(Bus, Token);

    // Subscribed before the call: a fast portal answers before the call
    // returns.
    TPortalAntwort Antwort;
    if (!AntwortAbonnieren(Bus, Erwartet, Antwort)) {
        Fehler(NichtErreichbar());
        return QImage();
    }
    QDBusMessage Aufruf = QDBusMessage::createMethodCall(
        PortalDienst, PortalPfad, QStringLiteral("org.freedesktop.portal.Screenshot"),
        QStringLiteral("Screenshot"));
    Aufruf << Elternfenster
           << QVariantMap{{QStringLiteral("handle_token"), Token},
                          {QStringLiteral("interactive"), false}};
    QDBusPendingCallWatcher Rueckgabe(Bus.asyncCall(Aufruf, FristMs));
    QString AufrufFehler;
    QObject::connect(&Rueckgabe, &QDBusPendingCallWatcher::finished, &Antwort, [&] {
        const QDBusPendingReply<QDBusObjectPath> r = Rueckgabe;
        if (r.isError()) {
            AufrufFehler = r.error().name() + QStringLiteral(": ") + r.error().message();
            Antwort.Schleife.quit();
        } else if (r.value().path() != Erwartet) {
            // A portal older than the handle token names its own object.
            AntwortAbonnieren(Bus, r.value().path(), Antwort);
        }
    });
    QTimer Frist;
    Frist.setSingleShot(true);
    Frist.setTimerType(Qt::PreciseTimer);
    QObject::connect(&Frist, &QTimer::timeout, &Antwort.Schleife, &QEventLoop::quit);
    Frist.start(FristMs);
    if (!Antwort.Da) Antwort.Schleife.exec();

    if (!AufrufFehler.isEmpty()) {
        std::fprintf(stderr, "Skribano: %s\n", AufrufFehler.toUtf8().constData());
        Fehler(NichtErreichbar());
        return QImage();
    }
    if (!Antwort.Da) {
        Fehler(QStringLiteral("Der Bildschirm konnte nicht aufgenommen werden: Der "
                              "Bildschirmfoto-Dienst des Desktops hat nicht rechtzeitig "
                              "geantwortet."));
        return QImage();
    }
    if (Antwort.Code != 0) {
        Fehler(PortalFehlertext(Antwort.Code));
        return QImage();
    }
    const QImage Bild = PortalDateiLesen(Antwort.Ergebnis);
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
