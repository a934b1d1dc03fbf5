// The settings file's own reader and writer: values as QSettings writes and
// reads them, damage that stays on its line, and files that are no files.

#include "platform/einstellungsdatei.h"
#include "platform/meldung.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// Texts that need every kind of care in the file.
const QStringList& Schwierige() {
    static const QStringList t = {
        QString(),
        QStringLiteral(" vorn"),
        QStringLiteral("hinten "),
        QStringLiteral("  "),
        QStringLiteral("a, b"),
        QStringLiteral("x;y"),
        QStringLiteral("k=v"),
        QStringLiteral("@foo"),
        QStringLiteral("@@"),
        QStringLiteral("@ByteArray(1)"),
        QStringLiteral("\"zitiert\""),
        QStringLiteral("C:\\Bilder\\"),
        QStringLiteral("%docdir%\\Skribano\\Screenshots"),
        QStringLiteral("tab\there\nzeile\r\a\b\f\v"),
        QString(QChar(1)) + QStringLiteral("1f"),
        QString(QChar(0)) + QStringLiteral("7"),
        QString::fromUtf8("Übersicht ✔ 😀 \u00a0"),
        QStringLiteral("[General]"),
        QStringLiteral("# kein Kommentar ; doch"),
        QStringLiteral("ende\\"),
        QStringLiteral("\x7f"),
    };
    return t;
}

QList<QByteArray> Zeilen(const char* Text) {
    QList<QByteArray> z = QByteArray(Text).split('\n');
    if (z.last().isEmpty()) z.removeLast();
    return z;
}

} // namespace

TEST(EinstellungsDatei, JederTextUeberstehtSchreibenUndLesen) {
    for (const QString& t : Schwierige()) {
        const auto w = EinstellungsWertLesen(EinstellungsWertText(t));
        ASSERT_TRUE(w.has_value()) << EinstellungsWertText(t).toStdString();
        EXPECT_EQ(*w, t) << EinstellungsWertText(t).toStdString();
    }
}

TEST(EinstellungsDatei, WasQSettingsSchreibtWirdGelesenUndUmgekehrt) {
    QTemporaryDir d;
    const QString Alt = d.path() + QStringLiteral("/alt.conf");
    {
        QSettings s(Alt, QSettings::IniFormat);
        for (int i = 0; i < Schwierige().size(); ++i)
            s.setValue(QStringLiteral("Wert%1").arg(i), Schwierige()[i]);
    }
    QFile f(Alt);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QHash<QString, QString> Gelesen = EinstellungsWerte(f.readAll().split('\n'));
    for (int i = 0; i < Schwierige().size(); ++i)
        EXPECT_EQ(Gelesen.value(QStringLiteral("Wert%1").arg(i)), Schwierige()[i]) << i;

    const QString Neu = d.path() + QStringLiteral("/neu.conf");
    TEinstellungsWerte Werte;
    for (int i = 0; i < Schwierige().size(); ++i)
        Werte.append({QStringLiteral("Wert%1").arg(i), Schwierige()[i]});
    ASSERT_TRUE(EinstellungenSchreiben(Neu, Werte));
    QSettings s(Neu, QSettings::IniFormat);
    for (int i = 0; i < Schwierige().size(); ++i)
        EXPECT_EQ(s.value(QStringLiteral("Wert%1").arg(i)).toString(), Schwierige()[i]) << i;
}

TEST(EinstellungsDatei, FehlerhafteWerteGeltenAlsFehlend) {
    for (const char* Roh : {"\"offen", "a\\", "\"a\"\\", "a, b", "1,2", "@ByteArray(\\x1)",
                            "@Invalid()", "@x", "@String(a"})
        EXPECT_FALSE(EinstellungsWertLesen(Roh).has_value()) << Roh;
    EXPECT_EQ(EinstellungsWertLesen("  5  ").value(), QStringLiteral("5"));
    EXPECT_EQ(EinstellungsWertLesen("5;Kommentar").value(), QStringLiteral("5"));
    EXPECT_EQ(EinstellungsWertLesen("\"a;b\" ").value(), QStringLiteral("a;b"));
    EXPECT_EQ(EinstellungsWertLesen("a\\x41\\101b").value(), QStringLiteral("aAAb"));
    EXPECT_EQ(EinstellungsWertLesen("@String(\\0\\x37)").value(), QString(QChar(0)) + u'7');
}

TEST(EinstellungsDatei, SchadenBleibtAufSeinerZeile) {
    const QHash<QString, QString> w = EinstellungsWerte(Zeilen("A=\"offen\n"
                                                               "[General]\n"
                                                               "B=1\n"
                                                               "C=weiter\\\n"
                                                               "D=2\n"
                                                               "kaputt ohne Gleichheitszeichen\n"
                                                               "=ohne Namen\n"
                                                               "E = 3 \n"
                                                               "[Anders]\n"
                                                               "F=4\n"
                                                               "[General]\n"
                                                               "B=5\n"
                                                               "G=6\n"
                                                               "G=\"a\n"));
    EXPECT_FALSE(w.contains(QStringLiteral("A")));
    EXPECT_FALSE(w.contains(QStringLiteral("C")));
    EXPECT_FALSE(w.contains(QStringLiteral("F")));
    EXPECT_EQ(w.value(QStringLiteral("B")), QStringLiteral("5"));
    EXPECT_EQ(w.value(QStringLiteral("D")), QStringLiteral("2"));
    EXPECT_EQ(w.value(QStringLiteral("E")), QStringLiteral("3"));
    EXPECT_EQ(w.value(QStringLiteral("G")), QStringLiteral("6"));
    EXPECT_EQ(w.size(), 4);
}

TEST(EinstellungsDatei, NeuerInhaltErsetztEigeneZeilenUndBehaeltFremde) {
    const QList<QByteArray> Alt = Zeilen("X=\"kaputt\n"
                                         "; Notiz\n"
                                         "[General]\n"
                                         "Fremd=1\n"
                                         "Y=alt\n"
                                         "[Anders]\n"
                                         "X=9\n");
    const TEinstellungsWerte Neu = {{QStringLiteral("X"), QStringLiteral("a,b")},
                                    {QStringLiteral("Y"), QStringLiteral("neu")}};
    const QByteArray Inhalt = EinstellungsDateiInhalt(Alt, Neu);
    EXPECT_EQ(Inhalt, QByteArray("[General]\n"
                                 "X=\"a,b\"\n"
                                 "Y=neu\n"
                                 "; Notiz\n"
                                 "Fremd=1\n"
                                 "[Anders]\n"
                                 "X=9\n"));
    // Written again, the file stays the same.
    EXPECT_EQ(EinstellungsDateiInhalt(Inhalt.split('\n').mid(0, 7), Neu), Inhalt);
}

TEST(EinstellungsDatei, LesenUnterscheidetFehlendGelesenUndKeineDatei) {
    QTemporaryDir d;
    EXPECT_EQ(EinstellungsDateiLesen(d.path() + QStringLiteral("/fehlt")).Zustand,
              TDateiZustand::Fehlt);
    EXPECT_EQ(EinstellungsDateiLesen(d.path()).Zustand, TDateiZustand::KeineDatei);

    const QString Datei = d.path() + QStringLiteral("/a.conf");
    QFile f(Datei);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\xEF\xBB\xBF[General]\r\nA=1\r\n\r\nB=2");
    f.close();
    const TEinstellungsDatei g = EinstellungsDateiLesen(Datei);
    EXPECT_EQ(g.Zustand, TDateiZustand::Gelesen);
    EXPECT_EQ(g.Zeilen, (QList<QByteArray>{"[General]", "A=1", "", "B=2"}));
    // Below a file there is nothing.
    EXPECT_EQ(EinstellungsDateiLesen(Datei + QStringLiteral("/x")).Zustand, TDateiZustand::Fehlt);

    // A FIFO with no writer would block a plain open for ever.
    const QString Fifo = d.path() + QStringLiteral("/fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(Fifo).constData(), 0600), 0);
    QElapsedTimer t;
    t.start();
    EXPECT_EQ(EinstellungsDateiLesen(Fifo).Zustand, TDateiZustand::KeineDatei);
    EXPECT_LT(t.elapsed(), 1000);
    // A link to it is no better.
    ASSERT_TRUE(QFile::link(Fifo, d.path() + QStringLiteral("/verweis")));
    EXPECT_EQ(EinstellungsDateiLesen(d.path() + QStringLiteral("/verweis")).Zustand,
              TDateiZustand::KeineDatei);
}

TEST(EinstellungsDatei, SchreibenLegtDenOrdnerAnUndErsetztDieDateiGanz) {
    QTemporaryDir d;
    const QString Datei = d.path() + QStringLiteral("/neu/Quorvel/Skribano.conf");
    ASSERT_TRUE(EinstellungenSchreiben(Datei, {{QStringLiteral("A"), QStringLiteral("1")}}));
    ASSERT_TRUE(EinstellungenSchreiben(Datei, {{QStringLiteral("A"), QStringLiteral("2")}}));
    QFile f(Datei);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("[General]\nA=2\n"));
    // No temporary file is left beside it.
    EXPECT_EQ(QDir(d.path() + QStringLiteral("/neu/Quorvel")).entryList(QDir::Files).size(), 1);
}

TEST(EinstellungsDatei, NichtLesbareDateiWirdNichtUeberschrieben) {
    if (::geteuid() == 0) GTEST_SKIP() << "root liest jede Datei";
    QTemporaryDir d;
    const QString Datei = d.path() + QStringLiteral("/a.conf");
    QFile f(Datei);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("A=1\n");
    f.close();
    ASSERT_EQ(::chmod(QFile::encodeName(Datei).constData(), 0200), 0);
    EXPECT_EQ(EinstellungsDateiLesen(Datei).Zustand, TDateiZustand::Unlesbar);
    QStringList Texte;
    SetMeldungAntworter([&](TMeldungTyp, const QString& Text, TMeldungKnoepfe) {
        Texte.append(Text);
        return TMeldungAntwort::Ok;
    });
    EXPECT_FALSE(EinstellungenSchreiben(Datei, {{QStringLiteral("A"), QStringLiteral("2")}}));
    SetMeldungAntworter({});
    ASSERT_EQ(Texte.size(), 1);
    EXPECT_TRUE(Texte[0].contains(QStringLiteral("nicht lesbar")));
    ::chmod(QFile::encodeName(Datei).constData(), 0600);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("A=1\n"));
}
