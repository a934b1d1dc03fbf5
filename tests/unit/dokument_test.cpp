// The document opener with a stand-in browser: the address handed over
// exactly, failure reported with the address first, no standard input, a
// browser that stays in the foreground, and no opener at all.

#include "browserattrappe.h"
#include "platform/dokument.h"
#include "platform/meldung.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>
#include <optional>

namespace {

class DokumentTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetMeldungAntworter([this](TMeldungTyp Typ, const QString& Text, TMeldungKnoepfe) {
            Meldungen.push_back({Typ, Text});
            return TMeldungAntwort::Ok;
        });
    }
    void TearDown() override { SetMeldungAntworter({}); }

    // Opens Name and waits for the outcome.
    std::optional<bool> Oeffnen(const QString& Name, int Limit = OpenDocumentZeitLimitMs) {
        std::optional<bool> Ergebnis;
        OpenDocument(
            Name, [&](bool e) { Ergebnis = e; }, Limit);
        WarteBis([&] { return Ergebnis.has_value(); }, Limit + 8000);
        return Ergebnis;
    }

    std::vector<std::pair<TMeldungTyp, QString>> Meldungen;
};

const QString Adresse = QStringLiteral("https://skribano.example.org/hilfe.php");

TEST_F(DokumentTest, GibtDieAdresseGenauWeiter) {
    TBrowserAttrappe b("printf '%s|%s' \"$#\" \"$1\" > \"$AUSGABE\"");
    EXPECT_EQ(Oeffnen(Adresse), std::optional<bool>(true));
    EXPECT_EQ(b.Gelesen(), "1|" + Adresse.toUtf8());
    EXPECT_TRUE(Meldungen.empty());
}

TEST_F(DokumentTest, OhneBrowserFehlermeldungMitDerAdresseVorn) {
    TBrowserAttrappe b{QByteArray()};
    EXPECT_EQ(Oeffnen(Adresse), std::optional<bool>(false));
    ASSERT_EQ(Meldungen.size(), 1u);
    EXPECT_EQ(Meldungen[0].first, TMeldungTyp::Fehler);
    EXPECT_EQ(Meldungen[0].second,
              Adresse + QStringLiteral(" kann nicht geöffnet werden. Sie benötigen einen "
                                       "Internet-Browser (z.B. Internet Explorer oder Firefox) "
                                       "um dieses Dokument anzusehen."));
    EXPECT_EQ(Meldungen[0].second, OpenDocumentFehlertext(Adresse));
}

TEST_F(DokumentTest, BrowserMitFehlercodeIstEinFehler) {
    TBrowserAttrappe b("exit 1");
    EXPECT_EQ(Oeffnen(Adresse), std::optional<bool>(false));
    ASSERT_EQ(Meldungen.size(), 1u);
    EXPECT_TRUE(Meldungen[0].second.startsWith(Adresse + QStringLiteral(" kann nicht")));
}

TEST_F(DokumentTest, KeineStandardeingabe) {
    // A browser that asks on its standard input finds its end at once.
    TBrowserAttrappe b("if read -r x; then echo Eingabe; else echo Ende; fi > \"$AUSGABE\"");
    EXPECT_EQ(Oeffnen(Adresse, 5000), std::optional<bool>(true));
    EXPECT_EQ(b.Gelesen(), "Ende\n");
}

TEST_F(DokumentTest, BrowserImVordergrundGiltNachDemLimitAlsGeoeffnet) {
    TBrowserAttrappe b("echo da > \"$AUSGABE\"; sleep 5");
    QElapsedTimer t;
    t.start();
    EXPECT_EQ(Oeffnen(Adresse, 1500), std::optional<bool>(true));
    EXPECT_GE(t.elapsed(), 1400);
    EXPECT_LT(t.elapsed(), 4500);
    EXPECT_EQ(b.Gelesen(), "da\n");
    EXPECT_TRUE(Meldungen.empty());
}

TEST_F(DokumentTest, KehrtSofortZurueck) {
    TBrowserAttrappe b("sleep 2");
    QElapsedTimer t;
    t.start();
    bool Gemeldet = false;
    OpenDocument(
        Adresse, [&](bool) { Gemeldet = true; }, 1000);
    EXPECT_LT(t.elapsed(), 500);
    EXPECT_FALSE(Gemeldet);
    EXPECT_TRUE(WarteBis([&] { return Gemeldet; }));
}

TEST_F(DokumentTest, OhneOeffnerFehlermeldung) {
    TBrowserAttrappe b("exit 0");
    QTemporaryDir Leer;
    b.Setze("PATH", Leer.path().toLocal8Bit());
    EXPECT_EQ(Oeffnen(Adresse), std::optional<bool>(false));
    ASSERT_EQ(Meldungen.size(), 1u);
    EXPECT_TRUE(Meldungen[0].second.startsWith(Adresse));
}

} // namespace
