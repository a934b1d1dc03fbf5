// The settings dialog: the controls loaded from the settings variables, the
// trimming of the folders, the clamping of the sizes, an unknown stored
// count of extra colours, the colour panels with OK and with Cancel, and the
// refresh of tool window and overlay that depends on the order of OK's
// steps.

#include "anordnung.h"
#include "platform/farbwahl.h"
#include "settings/einstellungen.h"
#include "zeichenfixture.h"

#include "controls/buttons2.h"
#include "controls/numedit.h"
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

namespace {

class EinstellungsdialogTest : public ZeichenTest {
protected:
    void SetUp() override {
        ZeichenTest::SetUp();
        Dialog = std::make_unique<TEinstellungenForm>();
    }
    void TearDown() override {
        SetFarbWaehler({});
        Dialog.reset();
        ZeichenTest::TearDown();
    }
    // Loads the dialog, then confirms it.
    void Ok() { Dialog->Uebernehmen(); }
    QToolButton* Knopf(const QString& Name) { return Tool->findChild<QToolButton*>(Name); }
    QRgb GlyphenFarbe(const QString& Name) {
        const QToolButton* b = Knopf(Name);
        return b->icon().pixmap(b->iconSize()).toImage().pixel(9, 9);
    }

    TEinstellungenSichern Sichern;
    std::unique_ptr<TEinstellungenForm> Dialog;
};

TEST_F(EinstellungsdialogTest, LaedtJedesFeld) {
    MauszeigerMode = 2;
    AutoOpen = true;
    AutoClose = false;
    MausradZoom = false;
    AutoScreenshot = true;
    ScreenshotDir = QStringLiteral("  %exedir%\\Bilder ");
    EmailDir = QStringLiteral("/tmp/post");
    MonitorMode = 2;
    WerkzeugGroesseX = 40;
    WerkzeugGroesseY = 31;
    AnzZusatzCol = 6;
    for (int n = 1; n <= 10; ++n)
        ZusatzCol[n] = 0x00010203u * static_cast<TColor>(n);
    Dialog->FormActivate();
    EXPECT_FALSE(Dialog->RadioMauszeiger1->isChecked());
    EXPECT_TRUE(Dialog->RadioMauszeiger2->isChecked());
    EXPECT_TRUE(Dialog->AutoOpenCheck->isChecked());
    EXPECT_FALSE(Dialog->AutoCloseCheck->isChecked());
    EXPECT_FALSE(Dialog->MausradZoomCheck->isChecked());
    EXPECT_TRUE(Dialog->AutoScreenshotCheck->isChecked());
    // Shown as stored, blanks and placeholders included.
    EXPECT_EQ(Dialog->ScreenshotDirEdit->text(), QStringLiteral("  %exedir%\\Bilder "));
    EXPECT_EQ(Dialog->EmailDirEdit->text(), QStringLiteral("/tmp/post"));
    EXPECT_FALSE(Dialog->RadioScreen0->isChecked());
    EXPECT_FALSE(Dialog->RadioScreen1->isChecked());
    EXPECT_TRUE(Dialog->RadioScreen2->isChecked());
    EXPECT_EQ(Dialog->ToolSizeXEdit->text(), QStringLiteral("40"));
    EXPECT_EQ(Dialog->ToolSizeYEdit->text(), QStringLiteral("31"));
    EXPECT_EQ(Dialog->AnzZusatzColCombo->currentText(), QStringLiteral("6"));
    for (int n = 1; n <= 10; ++n)
        EXPECT_EQ(Dialog->PanelFarbe(n), ZusatzCol[n]) << n;

    // Every activation loads again.
    MauszeigerMode = 1;
    MonitorMode = 0;
    Dialog->FormActivate();
    EXPECT_TRUE(Dialog->RadioMauszeiger1->isChecked());
    EXPECT_TRUE(Dialog->RadioScreen0->isChecked());
    EXPECT_FALSE(Dialog->RadioScreen2->isChecked());
}

TEST_F(EinstellungsdialogTest, GroessenImFeldBegrenzt) {
    WerkzeugGroesseX = 7;
    WerkzeugGroesseY = 500;
    Dialog->FormActivate();
    EXPECT_EQ(Dialog->ToolSizeXEdit->text(), QStringLiteral("25"));
    EXPECT_EQ(Dialog->ToolSizeYEdit->text(), QStringLiteral("100"));
    Ok();
    EXPECT_EQ(WerkzeugGroesseX, 25);
    EXPECT_EQ(WerkzeugGroesseY, 100);
}

TEST_F(EinstellungsdialogTest, MauszeigerModeAusserhalbOhneRadioOkSpeichertEins) {
    MauszeigerMode = 3;
    Dialog->FormActivate();
    EXPECT_FALSE(Dialog->RadioMauszeiger1->isChecked());
    EXPECT_FALSE(Dialog->RadioMauszeiger2->isChecked());
    Ok();
    EXPECT_EQ(MauszeigerMode, 1);
}

TEST_F(EinstellungsdialogTest, MonitorModeAusserhalbOhneRadioOkSpeichertNull) {
    MonitorMode = 7;
    Dialog->FormActivate();
    EXPECT_FALSE(Dialog->RadioScreen0->isChecked());
    EXPECT_FALSE(Dialog->RadioScreen1->isChecked());
    EXPECT_FALSE(Dialog->RadioScreen2->isChecked());
    Ok();
    EXPECT_EQ(MonitorMode, 0);
}

TEST_F(EinstellungsdialogTest, OrdnerGetrimmtBisLeerzeichen) {
    Dialog->FormActivate();
    // Control characters go as blanks do; a no-break space is no blank.
    Dialog->ScreenshotDirEdit->setText(QStringLiteral(" \t\x01%exedir%\\Bilder a \r\n\x1F"));
    Dialog->EmailDirEdit->setText(QStringLiteral("\u00A0/tmp/post \u00A0 "));
    Ok();
    EXPECT_EQ(ScreenshotDir, QStringLiteral("%exedir%\\Bilder a"));
    EXPECT_EQ(EmailDir, QStringLiteral("\u00A0/tmp/post \u00A0"));
}

TEST_F(EinstellungsdialogTest, LeereOrdnerWerdenZuDenAnfangsordnern) {
    ScreenshotDir = QStringLiteral("/tmp/a");
    EmailDir = QStringLiteral("/tmp/b");
    Dialog->FormActivate();
    Dialog->ScreenshotDirEdit->clear();
    Dialog->EmailDirEdit->setText(QStringLiteral(" \t "));
    Ok();
    EXPECT_EQ(ScreenshotDir, QStringLiteral("%docdir%\\Skribano\\Screenshots"));
    EXPECT_EQ(EmailDir, QStringLiteral("%docdir%\\Skribano\\Email"));
}

TEST_F(EinstellungsdialogTest, GetippteGroesseBeiOkBegrenzt) {
    Dialog->FormActivate();
    // Typed, and confirmed before the field was left.
    Dialog->ToolSizeXEdit->setText(QStringLiteral("5000"));
    Dialog->ToolSizeYEdit->setText(QStringLiteral("3"));
    Ok();
    EXPECT_EQ(WerkzeugGroesseX, 100);
    EXPECT_EQ(WerkzeugGroesseY, 24);
    Dialog->ToolSizeXEdit->clear();
    Dialog->ToolSizeYEdit->setText(QStringLiteral("-70"));
    Ok();
    EXPECT_EQ(WerkzeugGroesseX, 25);
    EXPECT_EQ(WerkzeugGroesseY, 24);
}

TEST_F(EinstellungsdialogTest, UnbekannteAnzahlBleibtUndAllesAndereWirdUebernommen) {
    AnzZusatzCol = 7;
    Dialog->FormActivate();
    EXPECT_EQ(Dialog->AnzZusatzColCombo->currentIndex(), -1);
    EXPECT_EQ(Dialog->AnzZusatzColCombo->currentText(), QString());
    Dialog->ToolSizeXEdit->setText(QStringLiteral("40"));
    Dialog->SetPanelFarbe(10, 0x00123456);
    Dialog->AutoCloseCheck->setChecked(true);
    Ok();
    EXPECT_EQ(AnzZusatzCol, 7);
    EXPECT_EQ(WerkzeugGroesseX, 40);
    EXPECT_EQ(ZusatzCol[10], 0x00123456u);
    EXPECT_TRUE(AutoClose);
    // The tool window was refreshed: new width, seven extra colours shown.
    EXPECT_EQ(Tool->ToolBar1->width(), 80);
    EXPECT_FALSE(Knopf(QStringLiteral("ZusatzCol7Btn"))->isHidden());
    EXPECT_TRUE(Knopf(QStringLiteral("ZusatzCol8Btn"))->isHidden());
}

TEST_F(EinstellungsdialogTest, AnzahlAusDerListe) {
    AnzZusatzCol = 0;
    Dialog->FormActivate();
    Dialog->AnzZusatzColCombo->setCurrentIndex(Dialog->AnzZusatzColCombo->findText("4"));
    Ok();
    EXPECT_EQ(AnzZusatzCol, 4);
    EXPECT_FALSE(Knopf(QStringLiteral("ZusatzCol4Btn"))->isHidden());
    EXPECT_TRUE(Knopf(QStringLiteral("ZusatzCol5Btn"))->isHidden());
}

// Each refresh sees the values of the steps before it: the pointer the new
// mode, the glyphs and the re-applied colour the new extra colours, the
// window the new sizes.
TEST_F(EinstellungsdialogTest, OkAktualisiertInDerReihenfolge) {
    MauszeigerMode = 1;
    AnzZusatzCol = 4;
    FarbMode = fmZusatz + 3;
    Screen->SetMauszeiger();
    Dialog->FormActivate();
    Dialog->RadioMauszeiger2->setChecked(true);
    Dialog->SetPanelFarbe(3, 0x00336699);
    Dialog->ToolSizeXEdit->setText(QStringLiteral("40"));
    Dialog->ToolSizeYEdit->setText(QStringLiteral("30"));
    Ok();
    EXPECT_EQ(MauszeigerMode, 2);
    EXPECT_EQ(Screen->Img1->cursor().shape(), Qt::BlankCursor);
    EXPECT_EQ(GlyphenFarbe(QStringLiteral("ZusatzCol3Btn")), TColorToQRgb(0x00336699));
    EXPECT_EQ(Tool->Scol, 0x00336699u);
    EXPECT_EQ(Tool->Smode, pmCopy);
    EXPECT_EQ(Tool->ToolBar1->width(), 80);
    EXPECT_EQ(Knopf(QStringLiteral("StiftBtn"))->size(), QSize(40, 30));
    EXPECT_EQ(Tool->StartFertigBtn->width(), 82);
}

TEST_F(EinstellungsdialogTest, FarbfeldMitFarbwahl) {
    Dialog->FormActivate();
    TColor Gesehen = 0;
    SetFarbWaehler([&](TColor& f) {
        Gesehen = f;
        f = 0x00ABCDEF;
        return true;
    });
    Dialog->ZusatzColPanClick(3);
    EXPECT_EQ(Gesehen, ZusatzCol[3]);
    EXPECT_EQ(Dialog->PanelFarbe(3), 0x00ABCDEFu);
    EXPECT_NE(ZusatzCol[3], 0x00ABCDEFu);
    // Cancelled in the colour picker: the panel keeps its colour.
    SetFarbWaehler([](TColor& f) {
        f = 0x00000001;
        return false;
    });
    Dialog->ZusatzColPanClick(3);
    EXPECT_EQ(Dialog->PanelFarbe(3), 0x00ABCDEFu);
    Ok();
    EXPECT_EQ(ZusatzCol[3], 0x00ABCDEFu);
}

// A click on any panel opens the picker at that panel's colour and colours
// only that panel.
TEST_F(EinstellungsdialogTest, KlickAufJedesFarbfeld) {
    Dialog->FormActivate();
    for (int n = 1; n <= 10; ++n) {
        TColor Gesehen = 0xFFFFFFFF;
        SetFarbWaehler([&](TColor& f) {
            Gesehen = f;
            f = 0x00100000u + static_cast<TColor>(n);
            return true;
        });
        QTest::mouseClick(Dialog->ZusatzColPan[n], Qt::LeftButton);
        EXPECT_EQ(Gesehen, ZusatzCol[n]) << n;
        for (int m = 1; m <= 10; ++m)
            EXPECT_EQ(Dialog->PanelFarbe(m),
                      m <= n ? 0x00100000u + static_cast<TColor>(m) : ZusatzCol[m])
                << n << " " << m;
    }
}

TEST_F(EinstellungsdialogTest, AbbrechenAendertNichts) {
    const TAlleWerte Vorher = TAlleWerte::Aktuell();
    SetFarbWaehler([](TColor& f) {
        f = 0x00ABCDEF;
        return true;
    });
    Dialog->show();
    Dialog->ZusatzColPanClick(3);
    Dialog->ScreenshotDirEdit->clear();
    Dialog->RadioScreen2->setChecked(true);
    Dialog->AbbrBtn->click();
    EXPECT_EQ(Dialog->result(), mrCancel);
    EXPECT_TRUE(TAlleWerte::Aktuell() == Vorher);
    // The next activation shows the stored colour again.
    Dialog->show();
    EXPECT_EQ(Dialog->PanelFarbe(3), ZusatzCol[3]);
    Dialog->hide();
}

TEST_F(EinstellungsdialogTest, PanelsInZweiSpaltenUngeradeLinks) {
    for (int n = 1; n <= 10; ++n) {
        const QLabel* p = Dialog->ZusatzColPan[n];
        EXPECT_EQ(p->text(), QString::number(n));
        EXPECT_EQ(p->x(), Dialog->ZusatzColPan[2 - n % 2]->x()) << n;
        EXPECT_EQ(p->y(), Dialog->ZusatzColPan[n % 2 ? n : n - 1]->y()) << n;
    }
    EXPECT_LT(Dialog->ZusatzColPan[1]->x(), Dialog->ZusatzColPan[2]->x());
    EXPECT_LT(Dialog->ZusatzColPan[1]->y(), Dialog->ZusatzColPan[3]->y());
    EXPECT_EQ(Dialog->size(), QSize(958, 433));
}

// OK and Abbrechen sit below the group boxes, not on their frames.
TEST_F(EinstellungsdialogTest, NichtsDecktEinanderZu) {
    EXPECT_EQ(Ueberdeckungen(Dialog.get()), "");
    for (const QGroupBox* g : Dialog->findChildren<QGroupBox*>())
        EXPECT_EQ(Ueberdeckungen(g), "") << g->title().toStdString();
}

} // namespace
