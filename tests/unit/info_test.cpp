// The info box: what it shows, Escape, the settings opened at once by the
// flag and only once, and its links handed to a stand-in browser.

#include "anordnung.h"
#include "browserattrappe.h"
#include "controls/buttons2.h"
#include "controls/shadlab.h"
#include "einstellungswerte.h"
#include "platform/meldung.h"
#include "settings/einstellungen.h"
#include "settings/info.h"

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {

class InfoTest : public ::testing::Test {
protected:
    void SetUp() override {
        Einstellungen = std::make_unique<TEinstellungenForm>();
        Info = std::make_unique<TInfoBox>();
    }
    void TearDown() override {
        Info.reset();
        Einstellungen.reset();
    }
    // Counts how often the settings dialog shows, and cancels it each time.
    int EinstellungenZaehlen(int Ms) {
        int Anzahl = 0;
        bool Offen = false;
        QTimer t;
        QObject::connect(&t, &QTimer::timeout, [&] {
            if (Einstellungen->isVisible() && !Offen) {
                ++Anzahl;
                Offen = true;
                Einstellungen->AbbrBtn->click();
            } else if (!Einstellungen->isVisible()) {
                Offen = false;
            }
        });
        t.start(10);
        QTest::qWait(Ms);
        return Anzahl;
    }
    // The address a click on W hands to the browser.
    QByteArray Klickziel(QWidget* W) {
        TBrowserAttrappe b("printf '%s' \"$1\" > \"$AUSGABE\"");
        QTest::mouseClick(W, Qt::LeftButton);
        WarteBis([&] { return !b.Gelesen().isEmpty(); });
        return b.Gelesen();
    }

    TEinstellungenSichern Sichern;
    std::unique_ptr<TEinstellungenForm> Einstellungen;
    std::unique_ptr<TInfoBox> Info;
};

TEST_F(InfoTest, ZeigtTitelVersionUndKnoepfe) {
    EXPECT_EQ(Info->windowTitle(), QStringLiteral("Info"));
    EXPECT_EQ(Info->size(), QSize(624, 565));
    EXPECT_TRUE(Info->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(Info->VersionLabel->text(), QStringLiteral("Version 1.8.0.2018.05.11"));
    EXPECT_TRUE(Info->TitelLabel->font().bold());
    EXPECT_EQ(Info->TitelLabel->font().pixelSize(), 16);
    EXPECT_EQ(Info->EinstellBtn->text(), QStringLiteral("&Einstellungen..."));
    EXPECT_EQ(Info->HilfeBtn->text(), QStringLiteral("Online-&Hilfe"));
    EXPECT_EQ(Info->OkBtn->text(), QStringLiteral("Schließen"));
    EXPECT_EQ(Info->ShadowLabel2->text(),
              QStringLiteral("Spende zur Unterstützung von Skribano, vielen Dank!"));
    EXPECT_EQ(Info->ShadowLabel2->Shadow(), 0);
    EXPECT_EQ(Info->Panel5->palette().color(QPalette::Window), QColor(255, 255, 128));
    EXPECT_EQ(Info->Label1->text(), QStringLiteral("https://skribano.example.org"));
    EXPECT_FALSE(Info->SofortEinstellungen);
}

TEST_F(InfoTest, EscapeSchliesst) {
    Info->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Info.get()));
    QTest::keyClick(Info.get(), Qt::Key_Escape);
    EXPECT_FALSE(Info->isVisible());
    EXPECT_EQ(Info->result(), QDialog::Accepted);
}

TEST_F(InfoTest, OhneFlagKeineEinstellungen) {
    Info->show();
    EXPECT_EQ(EinstellungenZaehlen(300), 0);
    EXPECT_TRUE(Info->isVisible());
    Info->hide();
}

TEST_F(InfoTest, MitFlagEinstellungenSofortUndNurEinmal) {
    Info->SofortEinstellungen = true;
    Info->show();
    EXPECT_EQ(EinstellungenZaehlen(600), 1);
    EXPECT_FALSE(Info->SofortEinstellungen);
    EXPECT_TRUE(Info->isVisible());
    // Made active again later: still nothing.
    Info->activateWindow();
    EXPECT_EQ(EinstellungenZaehlen(200), 0);
    Info->hide();
}

TEST_F(InfoTest, AbgebrochenAendertNichts) {
    const TAlleWerte Vorher = TAlleWerte::Aktuell();
    QTimer::singleShot(100, [&] {
        Einstellungen->RadioScreen2->setChecked(true);
        Einstellungen->AbbrBtn->click();
    });
    Info->EinstellBtnClick();
    EXPECT_TRUE(TAlleWerte::Aktuell() == Vorher);
}

TEST_F(InfoTest, OkUebernimmt) {
    MonitorMode = 0;
    QTimer::singleShot(100, [&] {
        Einstellungen->RadioScreen2->setChecked(true);
        Einstellungen->OkBtn->click();
    });
    Info->EinstellBtnClick();
    EXPECT_EQ(MonitorMode, 2);
}

TEST_F(InfoTest, VerweiseOeffnenIhreSeiten) {
    SetMeldungAntworter([](TMeldungTyp, const QString&, TMeldungKnoepfe) {
        ADD_FAILURE() << "keine Meldung erwartet";
        return TMeldungAntwort::Ok;
    });
    const QByteArray Web = "https://skribano.example.org";
    EXPECT_EQ(Klickziel(Info->Label1), Web);
    EXPECT_EQ(Klickziel(Info->HilfeBtn), Web + "/hilfe.php");
    EXPECT_EQ(Klickziel(Info->Panel5), Web + "/spenden.php");
    EXPECT_EQ(Klickziel(Info->ShadowLabel2), Web + "/spenden.php");
    EXPECT_EQ(Klickziel(Info->SpendenLab), Web + "/spenden.php");
    EXPECT_EQ(Klickziel(Info->AngebotPan), AngebotAdresse.toUtf8());
    for (QWidget* w : Info->AngebotPan->findChildren<QWidget*>())
        EXPECT_EQ(Klickziel(w), AngebotAdresse.toUtf8()) << w->metaObject()->className();
    SetMeldungAntworter({});
}

TEST_F(InfoTest, NichtsDecktEinanderZu) {
    EXPECT_EQ(Ueberdeckungen(Info.get()), "");
    for (const QWidget* p : {Info->Image1->parentWidget(), Info->Panel5, Info->AngebotPan})
        EXPECT_EQ(Ueberdeckungen(p), "") << Beschreibung(p).toStdString();
}

// The box names the address the package names as the maker's contact.
TEST_F(InfoTest, KontaktWieImPaket) {
    QFile Copyright(QStringLiteral(SKRIBANO_QUELLE "/packaging/copyright"));
    ASSERT_TRUE(Copyright.open(QIODevice::ReadOnly));
    const auto Treffer = QRegularExpression(QStringLiteral("Upstream-Contact: (.*) <(.*)>"))
                             .match(QString::fromUtf8(Copyright.readAll()));
    ASSERT_TRUE(Treffer.hasMatch());
    const QStringList Zeilen = Info->KontaktMemo->toPlainText().split(QLatin1Char('\n'));
    EXPECT_EQ(Zeilen.value(0), Treffer.captured(1));
    EXPECT_TRUE(Zeilen.contains(QStringLiteral("E-Mail: ") + Treffer.captured(2)))
        << Info->KontaktMemo->toPlainText().toStdString();
}

} // namespace
