// The mail hand-over with a stand-in mail program: MAILER names a script
// that records its arguments and ends with a chosen code, or keeps running.

#include "output/kvxmail.h"
#include "platform/meldung.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {

class MailUebergabe : public ::testing::Test {
protected:
    QTemporaryDir Ordner;
    std::vector<std::pair<TMeldungTyp, QString>> Meldungen;
    QByteArray AltMailer = qgetenv("MAILER");
    std::vector<std::pair<const char*, QByteArray>> AltXdg;

    void SetUp() override {
        ASSERT_TRUE(Ordner.isValid());
        SetMeldungAntworter([this](TMeldungTyp t, const QString& s, TMeldungKnoepfe) {
            Meldungen.emplace_back(t, s);
            return TMeldungAntwort::Ok;
        });
        // No mailto handler of the machine may count: every place xdg-mime
        // looks at is an empty folder of the test's own.
        for (const char* v :
             {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_HOME", "XDG_DATA_DIRS"}) {
            AltXdg.emplace_back(v, qgetenv(v));
            qputenv(v, Pfad("leer").toUtf8());
        }
        QDir(Ordner.path()).mkdir(QStringLiteral("leer"));
    }
    void TearDown() override {
        SetMeldungAntworter({});
        qputenv("MAILER", AltMailer);
        if (AltMailer.isEmpty()) qunsetenv("MAILER");
        for (const auto& [v, w] : AltXdg)
            if (w.isEmpty())
                qunsetenv(v);
            else
                qputenv(v, w);
    }

    QString Pfad(const QString& Name) const { return Ordner.filePath(Name); }

    // A mail program that writes its arguments, one a line, and then waits
    // Sekunden and ends with Code.
    void StandIn(int Code, int Sekunden = 0) {
        const QString Skript = Pfad(QStringLiteral("post.sh"));
        QFile f(Skript);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1'\nsleep %2\nexit %3\n")
                    .arg(Pfad(QStringLiteral("argumente")))
                    .arg(Sekunden)
                    .arg(Code)
                    .toUtf8());
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("MAILER", Skript.toUtf8());
    }

    QString Argumente() const {
        QFile f(Pfad(QStringLiteral("argumente")));
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

    QString Anhang(const QString& Name) const {
        QFile f(Pfad(Name));
        f.open(QIODevice::WriteOnly);
        f.write("png");
        return f.fileName();
    }
};

const QString Erfolg = QStringLiteral(
    "Die Nachricht wurde dem E-Mail-Programm erfolgreich übermittelt. Falls Ihr "
    "E-Mail-Programm Nachrichten nicht sofort versendet, sondern erst im Postausgang "
    "zwischenspeichert, müssen Sie den Versand in Ihrem E-Mail-Programm noch selbst auslösen.");
const QString Fehler =
    QStringLiteral("Der E-Mail-Versand wurde abgebrochen oder es ist ein Fehler aufgetreten.");

} // namespace

TEST_F(MailUebergabe, HandedOverWithSubjectAndAttachment) {
    StandIn(0);
    const QString Datei = Anhang(QStringLiteral("mit Leerzeichen, Komma-001.png"));
    EXPECT_EQ(SendMailMapi(QStringLiteral("Screenshot"), QString(), {Datei}), 0);
    // One argument: the mailto address, the file's path percent-encoded.
    const QString a = Argumente();
    const QString Kopf = QStringLiteral("mailto:?subject=Screenshot&attach=");
    ASSERT_TRUE(a.startsWith(Kopf) && a.endsWith(QLatin1Char('\n')) && a.count('\n') == 1)
        << a.toStdString();
    EXPECT_EQ(QUrl::fromPercentEncoding(a.mid(Kopf.size()).chopped(1).toUtf8()), Datei);
    ASSERT_EQ(Meldungen.size(), 1u);
    EXPECT_EQ(Meldungen[0], std::make_pair(TMeldungTyp::Information, Erfolg));
}

TEST_F(MailUebergabe, AFailingMailProgramIsAFailure) {
    StandIn(1);
    EXPECT_NE(
        SendMailMapi(QStringLiteral("Screenshot"), QString(), {Anhang(QStringLiteral("a.png"))}),
        0);
    EXPECT_TRUE(Argumente().startsWith(QStringLiteral("mailto:?subject=Screenshot&attach=")));
    ASSERT_EQ(Meldungen.size(), 1u);
    EXPECT_EQ(Meldungen[0], std::make_pair(TMeldungTyp::Warnung, Fehler));
}

TEST_F(MailUebergabe, AMissingAttachmentIsAFailure) {
    StandIn(0);
    EXPECT_NE(SendMailMapi(QStringLiteral("Screenshot"), QString(), {Pfad("fehlt.png")}), 0);
    EXPECT_EQ(Argumente(), QString());
    ASSERT_EQ(Meldungen.size(), 1u);
    EXPECT_EQ(Meldungen[0].first, TMeldungTyp::Warnung);
}

TEST_F(MailUebergabe, AMailProgramStillRunningAtTheLimitHasTheMessage) {
    StandIn(1, 3);
    QElapsedTimer Uhr;
    Uhr.start();
    EXPECT_EQ(SendMailMapi(QStringLiteral("Screenshot"), QString(),
                           {Anhang(QStringLiteral("b.png"))}, 400),
              0);
    EXPECT_LT(Uhr.elapsed(), 2500);
    ASSERT_EQ(Meldungen.size(), 1u);
    EXPECT_EQ(Meldungen[0].first, TMeldungTyp::Information);
}

TEST_F(MailUebergabe, WithoutAMailProgramNothingRunsAndTheFailureComesAtOnce) {
    qunsetenv("MAILER");
    EXPECT_FALSE(MailProgrammVorhanden());
    QElapsedTimer Uhr;
    Uhr.start();
    EXPECT_NE(
        SendMailMapi(QStringLiteral("Screenshot"), QString(), {Anhang(QStringLiteral("c.png"))}),
        0);
    // Not the time a started mail program would be waited for.
    EXPECT_LT(Uhr.elapsed(), MailFristMs);
    ASSERT_EQ(Meldungen.size(), 1u);
    EXPECT_EQ(Meldungen[0], std::make_pair(TMeldungTyp::Warnung, Fehler));
}

TEST_F(MailUebergabe, AMailtoHandlerNamedByXdgMimeCountsAsAMailProgram) {
    qunsetenv("MAILER");
    QDir(Ordner.path()).mkpath(QStringLiteral("konf/applications"));
    QFile d(Pfad(QStringLiteral("konf/applications/post.desktop")));
    ASSERT_TRUE(d.open(QIODevice::WriteOnly));
    d.write("[Desktop Entry]\nType=Application\nName=Post\nExec=true %u\n"
            "MimeType=x-scheme-handler/mailto;\n");
    d.close();
    QFile m(Pfad(QStringLiteral("konf/mimeapps.list")));
    ASSERT_TRUE(m.open(QIODevice::WriteOnly));
    m.write("[Default Applications]\nx-scheme-handler/mailto=post.desktop\n");
    m.close();
    qputenv("XDG_CONFIG_HOME", Pfad(QStringLiteral("konf")).toUtf8());
    qputenv("XDG_DATA_HOME", Pfad(QStringLiteral("konf")).toUtf8());
    EXPECT_TRUE(MailProgrammVorhanden());
}

TEST_F(MailUebergabe, BodyIsPassedOnlyWhenGiven) {
    StandIn(0);
    EXPECT_EQ(SendMailMapi(QStringLiteral("Betreff"), QStringLiteral("Hallo"),
                           {Anhang(QStringLiteral("d.png"))}),
              0);
    EXPECT_TRUE(
        Argumente().startsWith(QStringLiteral("mailto:?subject=Betreff&body=Hallo&attach=")))
        << Argumente().toStdString();
}

TEST_F(MailUebergabe, MailtoIsOpenedThroughTheMailProgramWithoutAMessage) {
    StandIn(0);
    MailtoOeffnen(QStringLiteral("mailto:?subject=Screenshot"));
    EXPECT_EQ(Argumente(), QStringLiteral("mailto:?subject=Screenshot\n"));
    EXPECT_TRUE(Meldungen.empty());
    qunsetenv("MAILER");
    QFile::remove(Pfad(QStringLiteral("argumente")));
    MailtoOeffnen(QStringLiteral("mailto:?subject=Screenshot"));
    EXPECT_EQ(Argumente(), QString());
}
