// The capture on Wayland desktops: which session counts as Wayland, the
// monitor cut out of the portal's picture of all monitors, and the portal
// conversation itself, against a portal of our own on a private session bus.

#include "platform/meldung.h"
#include "platform/portalaufnahme.h"
#include "platform/portalerlaubnis.h"
#include "platform/sitzung.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

// Every pixel tells where it came from.
QImage Herkunftsbild(int w, int h) {
    QImage b(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.setPixel(x, y, qRgb(x % 256, y % 256, (x * 7 + y * 13) % 256));
    return b;
}

} // namespace

TEST(Sitzung, WaylandDisplayOderSitzungsart) {
    EXPECT_TRUE(IstWaylandSitzung("wayland-0", ""));
    EXPECT_TRUE(IstWaylandSitzung("", "wayland"));
    EXPECT_TRUE(IstWaylandSitzung("wayland-1", "x11"));
    EXPECT_FALSE(IstWaylandSitzung("", "x11"));
    EXPECT_FALSE(IstWaylandSitzung("", "tty"));
    EXPECT_FALSE(IstWaylandSitzung("", ""));
}

TEST(MonitorAusschnitt, BeiFaktorEinsDerMonitorSelbst) {
    const QList<QRect> Monitore = {QRect(0, 0, 40, 30), QRect(40, 0, 20, 20)};
    const QImage Gesamt = Herkunftsbild(60, 30);
    EXPECT_EQ(MonitorAusschnitt(Gesamt, Monitore, 1, QSize(20, 20)), Gesamt.copy(40, 0, 20, 20));
    EXPECT_EQ(MonitorAusschnitt(Gesamt, Monitore, 0, QSize(40, 30)), Gesamt.copy(0, 0, 40, 30));
}

TEST(MonitorAusschnitt, MonitorDerHoechstenSkalaInSeinenPixeln) {
    // Both at scale 2: the portal's picture has twice the logical size.
    const QList<QRect> Monitore = {QRect(0, 0, 40, 30), QRect(40, 0, 20, 20)};
    const QImage Gesamt = Herkunftsbild(120, 60);
    EXPECT_EQ(MonitorAusschnitt(Gesamt, Monitore, 1, QSize(40, 40)), Gesamt.copy(80, 0, 40, 40));
}

TEST(MonitorAusschnitt, VergroesserterMonitorKehrtPixelGenauZurueck) {
    // A scale-1 monitor (20 x 20 at x 40) beside a scale-1.5 one: the
    // portal drew it enlarged by 1.5, each picture pixel showing the
    // monitor pixel its middle falls on.
    const QList<QRect> Monitore = {QRect(0, 0, 40, 30), QRect(40, 0, 20, 20)};
    const QImage Monitor = Herkunftsbild(20, 20);
    QImage Gesamt(90, 45, QImage::Format_RGB32);
    Gesamt.fill(Qt::black);
    for (int y = 0; y < 30; ++y)
        for (int x = 60; x < 90; ++x)
            Gesamt.setPixel(x, y, Monitor.pixel(int((x - 60 + 0.5) / 1.5), int((y + 0.5) / 1.5)));
    EXPECT_EQ(MonitorAusschnitt(Gesamt, Monitore, 1, QSize(20, 20)), Monitor);
}

TEST(MonitorAusschnitt, OhneBildOderMonitorNichts) {
    const QList<QRect> Monitore = {QRect(0, 0, 40, 30)};
    EXPECT_TRUE(MonitorAusschnitt(QImage(), Monitore, 0, QSize(40, 30)).isNull());
    EXPECT_TRUE(MonitorAusschnitt(Herkunftsbild(40, 30), Monitore, 1, QSize(40, 30)).isNull());
    EXPECT_TRUE(MonitorAusschnitt(Herkunftsbild(40, 30), Monitore, -1, QSize(40, 30)).isNull());
}

namespace {

// The desktop's screenshot portal as far as Skribano uses it: it answers
// each request on the request object named by the caller's handle token.
class TTestPortal : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Screenshot")
public:
    explicit TTestPortal(QDBusConnection Bus) : Bus(std::move(Bus)) {}

    bool Antworten = true;
    int VerzoegerungMs = 20;
    uint Code = 0;
    QVariantMap Ergebnis;
    QString Eltern;
    QVariantMap Optionen;

public slots:
    QDBusObjectPath Screenshot(const QString& Elternfenster, const QVariantMap& o,
                               const QDBusMessage& Anfrage) {
        Eltern = Elternfenster;
        Optionen = o;
        QString Sender = Anfrage.service().mid(1);
        Sender.replace(u'.', u'_');
        const QString Pfad = QStringLiteral("/org/freedesktop/portal/desktop/request/") + Sender +
                             u'/' + o.value(QStringLiteral("handle_token")).toString();
        if (Antworten)
            QTimer::singleShot(VerzoegerungMs, this, [this, Pfad] {
                QDBusMessage Signal = QDBusMessage::createSignal(
                    Pfad, QStringLiteral("org.freedesktop.portal.Request"),
                    QStringLiteral("Response"));
                Signal << Code << Ergebnis;
                Bus.send(Signal);
            });
        return QDBusObjectPath(Pfad);
    }

private:
    QDBusConnection Bus;
};

// One private session bus for the whole test program: Qt connects to the
// session bus once and keeps that connection, so a bus per test would leave
// every test after the first talking to a dead one. Started by the first
// portal test, ended when all tests have run.
class TPrivaterBus : public ::testing::Environment {
public:
    static QString Adresse() {
        static TPrivaterBus* Bus = [] {
            auto* b = new TPrivaterBus;
            ::testing::AddGlobalTestEnvironment(b);
            b->Starten();
            return b;
        }();
        return Bus->FAdresse;
    }
    void TearDown() override {
        FProzess.kill();
        FProzess.waitForFinished(5000);
    }

private:
    void Starten() {
        const QString Daemon = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
        if (Daemon.isEmpty()) return;
        QFile Vorlage(QStringLiteral(SKRIBANO_QUELLE "/tests/sitzungsbus.conf"));
        QFile Konfiguration(FOrdner.filePath(QStringLiteral("bus.conf")));
        if (!Vorlage.open(QIODevice::ReadOnly) || !Konfiguration.open(QIODevice::WriteOnly)) return;
        Konfiguration.write(
            Vorlage.readAll().replace("@ADRESSE@", "unix:tmpdir=" + FOrdner.path().toUtf8()));
        Konfiguration.close();
        FProzess.start(Daemon, {QStringLiteral("--config-file=") + Konfiguration.fileName(),
                                QStringLiteral("--nofork"), QStringLiteral("--nopidfile"),
                                QStringLiteral("--print-address")});
        if (!FProzess.waitForStarted(5000)) return;
        QElapsedTimer t;
        t.start();
        while (!FProzess.canReadLine() && t.elapsed() < 5000)
            FProzess.waitForReadyRead(100);
        FAdresse = QString::fromUtf8(FProzess.readLine()).trimmed();
        // Read by Qt when the program first uses the session bus.
        qputenv("DBUS_SESSION_BUS_ADDRESS", FAdresse.toUtf8());
    }

    QTemporaryDir FOrdner;
    QProcess FProzess;
    QString FAdresse;
};

class PortalTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
            GTEST_SKIP() << "dbus-daemon fehlt (Paket dbus-daemon)";
        const QString Adresse = TPrivaterBus::Adresse();
        ASSERT_FALSE(Adresse.isEmpty());
        PortalBus = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(Adresse, QStringLiteral("testportal")));
        ASSERT_TRUE(PortalBus->isConnected());
        Portal = std::make_unique<TTestPortal>(*PortalBus);
        SetMeldungAntworter([this](TMeldungTyp Typ, const QString& Text, TMeldungKnoepfe) {
            Meldungen.append({Typ, Text});
            return TMeldungAntwort::Ok;
        });
    }
    void TearDown() override {
        SetMeldungAntworter({});
        // Given back before the next test asks for the portal: the bus has
        // answered the release when this returns.
        if (PortalBus) {
            PortalBus->unregisterObject(QStringLiteral("/org/freedesktop/portal/desktop"));
            PortalBus->unregisterService(QStringLiteral("org.freedesktop.portal.Desktop"));
        }
        Portal.reset();
        PortalBus.reset();
        QDBusConnection::disconnectFromBus(QStringLiteral("testportal"));
    }
    void PortalAnmelden() {
        ASSERT_TRUE(PortalBus->registerService(QStringLiteral("org.freedesktop.portal.Desktop")));
        ASSERT_TRUE(PortalBus->registerObject(QStringLiteral("/org/freedesktop/portal/desktop"),
                                              Portal.get(), QDBusConnection::ExportAllSlots));
    }

    std::unique_ptr<QDBusConnection> PortalBus;
    std::unique_ptr<TTestPortal> Portal;
    QList<QPair<TMeldungTyp, QString>> Meldungen;
    QTemporaryDir Ordner;
};

} // namespace

TEST_F(PortalTest, BildDesPortalsOhneNachfrageUndDateiGeloescht) {
    PortalAnmelden();
    const QImage Bild = Herkunftsbild(64, 48);
    const QString Datei = Ordner.filePath(QStringLiteral("out.png"));
    ASSERT_TRUE(Bild.save(Datei));
    Portal->Ergebnis = {{QStringLiteral("uri"), QUrl::fromLocalFile(Datei).toString()}};
    EXPECT_EQ(PortalAufnahme(QStringLiteral("wayland:")), Bild);
    EXPECT_TRUE(Meldungen.isEmpty());
    EXPECT_FALSE(QFile::exists(Datei));
    EXPECT_EQ(Portal->Eltern, QStringLiteral("wayland:"));
    EXPECT_EQ(Portal->Optionen.value(QStringLiteral("interactive")), QVariant(false));
    EXPECT_FALSE(Portal->Optionen.value(QStringLiteral("handle_token")).toString().isEmpty());
}

TEST_F(PortalTest, AbbruchOhneNachfrageHeisstNichtAbgelehnt) {
    // Without a question nobody refused: the service gave up.
    PortalAnmelden();
    Portal->Code = 1;
    EXPECT_TRUE(PortalAufnahme(QStringLiteral("x11:1a00003")).isNull());
    ASSERT_EQ(Meldungen.size(), 1);
    EXPECT_EQ(Meldungen[0].first, TMeldungTyp::Fehler);
    EXPECT_EQ(Meldungen[0].second, PortalFehlertext(1));
    EXPECT_FALSE(Meldungen[0].second.contains(QStringLiteral("abgelehnt")));
    EXPECT_EQ(PortalFehlertext(2, true),
              QStringLiteral("Die Aufnahme des Bildschirms wurde abgelehnt."));
    EXPECT_EQ(Portal->Eltern, QStringLiteral("x11:1a00003"));
}

TEST_F(PortalTest, SpaetesBildWirdGeloescht) {
    PortalAnmelden();
    const QString Datei = Ordner.filePath(QStringLiteral("spaet.png"));
    ASSERT_TRUE(Herkunftsbild(8, 8).save(Datei));
    Portal->Ergebnis = {{QStringLiteral("uri"), QUrl::fromLocalFile(Datei).toString()}};
    Portal->VerzoegerungMs = 400;
    EXPECT_TRUE(PortalAufnahme(QStringLiteral("wayland:"), 100).isNull());
    EXPECT_TRUE(QFile::exists(Datei));
    QElapsedTimer t;
    t.start();
    while (QFile::exists(Datei) && t.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_FALSE(QFile::exists(Datei));
}

TEST(PortalAppId, AusDemSystemdScope) {
    EXPECT_EQ(PortalAppIdAusCgroup("1:name=systemd:/x\n0::/user.slice/user-1000.slice/"
                                   "user@1000.service/app.slice/"
                                   "app-gnome-org.example.skribano-4711.scope\n"),
              QStringLiteral("org.example.skribano"));
    EXPECT_EQ(PortalAppIdAusCgroup("0::/user.slice/user-1000.slice/user@1000.service/app.slice/"
                                   "app-org.example.skribano@a1b2.service\n"),
              QStringLiteral("org.example.skribano"));
    // A terminal's child and a program outside the user's manager: none.
    EXPECT_EQ(PortalAppIdAusCgroup("0::/user.slice/user-1000.slice/user@1000.service/app.slice/"
                                   "app-org.gnome.Terminal.slice/vte-spawn-1a.scope\n"),
              QString());
    EXPECT_EQ(PortalAppIdAusCgroup("0::/system.slice/ssh.service\n"), QString());
}

TEST_F(PortalTest, FehlerDesPortalsGemeldet) {
    PortalAnmelden();
    Portal->Code = 2;
    EXPECT_TRUE(PortalAufnahme(QStringLiteral("wayland:")).isNull());
    ASSERT_EQ(Meldungen.size(), 1);
    EXPECT_EQ(Meldungen[0].second, PortalFehlertext(2));
}

TEST_F(PortalTest, UnlesbaresBildGemeldet) {
    PortalAnmelden();
    Portal->Ergebnis = {{QStringLiteral("uri"), QStringLiteral("file:///nonexistent/out.png")}};
    EXPECT_TRUE(PortalAufnahme(QStringLiteral("wayland:")).isNull());
    ASSERT_EQ(Meldungen.size(), 1);
    EXPECT_TRUE(Meldungen[0].second.contains(QStringLiteral("nicht lesbar")));
}

TEST_F(PortalTest, OhnePortalFehlermeldung) {
    EXPECT_TRUE(PortalAufnahme(QStringLiteral("wayland:")).isNull());
    ASSERT_EQ(Meldungen.size(), 1);
    EXPECT_EQ(Meldungen[0].first, TMeldungTyp::Fehler);
    EXPECT_TRUE(Meldungen[0].second.contains(QStringLiteral("nicht erreichbar")));
}

TEST_F(PortalTest, OhneAntwortNachDerFristFehlermeldung) {
    PortalAnmelden();
    Portal->Antworten = false;
    QElapsedTimer t;
    t.start();
    EXPECT_TRUE(PortalAufnahme(QStringLiteral("wayland:"), 300).isNull());
    EXPECT_GE(t.elapsed(), 300);
    EXPECT_LT(t.elapsed(), 5000);
    ASSERT_EQ(Meldungen.size(), 1);
    EXPECT_TRUE(Meldungen[0].second.contains(QStringLiteral("nicht rechtzeitig")));
}

#include "portalaufnahme_test.moc"
