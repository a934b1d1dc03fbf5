// The print dialog: aspect ratio rules, stored values through the fields,
// refusal of impossible sizes, and printing one page into a PDF file.

#include "einstellungswerte.h"

#include "controls/buttons2.h"
#include "controls/numedit.h"
#include "output/druck.h"
#include "output/melde.h"
#include "overlay/scrwin.h"
#include "platform/einstellungsdatei.h"
#include "platform/meldung.h"
#include "toolwindow/einstellungen_speicher.h"
#include "toolwindow/toolwin2.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <utility>
#include <vector>

namespace {

class DruckDialog : public ::testing::Test {
protected:
    std::unique_ptr<TToolForm> Tool;
    std::unique_ptr<TMeldForm> Meld;
    std::unique_ptr<TScreenForm> Screen;
    std::unique_ptr<TDruckForm> Druck;
    std::vector<std::pair<TMeldungTyp, QString>> Meldungen;
    QTemporaryDir Ordner;
    // The settings the dialog stores go to a folder of the test's own and
    // are put back afterwards.
    TEinstellungenSichern Sichern;

    void SetUp() override {
        DruckLiRand = 2.5, DruckObRand = 1.8, DruckBreite = 16.0, DruckHoehe = 17.0;
        DruckSeitRatio = true;
        Tool = std::make_unique<TToolForm>();
        Meld = std::make_unique<TMeldForm>();
        Screen = std::make_unique<TScreenForm>();
        Druck = std::make_unique<TDruckForm>();
        Bild(1920, 1080);
        SetMeldungAntworter([this](TMeldungTyp t, const QString& s, TMeldungKnoepfe) {
            // What the user sees at that moment: the message window must
            // not hide behind the box.
            Meldungen.emplace_back(t, s);
            MeldungSichtbar.push_back(Meld->isVisible());
            return TMeldungAntwort::Ok;
        });
    }
    void TearDown() override {
        SetMeldungAntworter({});
        Druck.reset();
        Screen.reset();
        Meld.reset();
        Tool.reset();
    }
    std::vector<bool> MeldungSichtbar;

    void Bild(int w, int h) {
        QImage b(w, h, QImage::Format_RGB32);
        b.fill(qRgb(10, 20, 30));
        Screen->BildLaden(b, true);
    }
    void Zeigen() {
        Druck->show();
        Druck->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Druck.get()));
        Druck->FormActivate();
    }
    void Tippen(TNumEditQ* e, const QString& Text) {
        e->setFocus(Qt::TabFocusReason);
        e->selectAll();
        QTest::keyClicks(e, Text);
    }
    // Sends the page into a PDF file instead of a printer.
    QString AlsPdf() {
        const QString Datei = Ordner.filePath(QStringLiteral("seite.pdf"));
        Druck->Drucker().setOutputFormat(QPrinter::PdfFormat);
        Druck->Drucker().setOutputFileName(Datei);
        return Datei;
    }
};

} // namespace

TEST_F(DruckDialog, RatioOfTheWholePictureSetsTheHeightFromTheWidth) {
    Zeigen();
    EXPECT_DOUBLE_EQ(Druck->fakxy, 1920.0 / 1080.0);
    EXPECT_DOUBLE_EQ(double(Druck->HoeheEdit->GetFloat()), 9.0);
    EXPECT_TRUE(Druck->DruckBtn->hasFocus());
}

TEST_F(DruckDialog, TypingInOneSizeFieldWritesTheOther) {
    Zeigen();
    Tippen(Druck->BreiteEdit, QStringLiteral("8"));
    EXPECT_DOUBLE_EQ(double(Druck->HoeheEdit->GetFloat()), 4.5);
    Tippen(Druck->HoeheEdit, QStringLiteral("18"));
    EXPECT_DOUBLE_EQ(double(Druck->BreiteEdit->GetFloat()), 32.0);
    // The written field keeps what was typed.
    EXPECT_EQ(Druck->HoeheEdit->text(), QStringLiteral("18"));
}

TEST_F(DruckDialog, TheSelectedAreaGivesTheRatio) {
    Tool->BereichRect = TRect{100, 50, 500, 150};
    Zeigen();
    EXPECT_DOUBLE_EQ(Druck->fakxy, 4.0);
    EXPECT_DOUBLE_EQ(double(Druck->HoeheEdit->GetFloat()), 4.0);
    // Opened again without being made active (a window manager need not
    // activate it): the ratio of what is printed now, and the focus.
    Druck->hide();
    Druck->DruckerInfo->clear();
    Tool->BereichRect = TRect{100, 50, 300, 150};
    Druck->setAttribute(Qt::WA_ShowWithoutActivating);
    Druck->show();
    EXPECT_DOUBLE_EQ(Druck->fakxy, 2.0);
    EXPECT_DOUBLE_EQ(double(Druck->HoeheEdit->GetFloat()), 8.0);
    EXPECT_FALSE(Druck->DruckerInfo->text().isEmpty());
    EXPECT_EQ(Druck->focusWidget(), Druck->DruckBtn);
}

TEST_F(DruckDialog, AnAreaWithoutHeightHasNoRatio) {
    Tool->BereichRect = TRect{100, 50, 500, 50};
    Druck->HoeheEdit->SetFloat(17.0);
    Zeigen();
    EXPECT_EQ(Druck->fakxy, 0.0);
    EXPECT_DOUBLE_EQ(double(Druck->HoeheEdit->GetFloat()), 17.0);
    Tippen(Druck->BreiteEdit, QStringLiteral("12"));
    Tippen(Druck->HoeheEdit, QStringLiteral("5"));
    EXPECT_DOUBLE_EQ(double(Druck->BreiteEdit->GetFloat()), 12.0);
}

TEST_F(DruckDialog, UncheckedTheSizesAreFreeAndCheckingRecomputesTheHeight) {
    Zeigen();
    Druck->SeitRatio->setFocus();
    QTest::keyClick(Druck->SeitRatio, Qt::Key_Space);
    ASSERT_FALSE(Druck->SeitRatio->isChecked());
    Tippen(Druck->BreiteEdit, QStringLiteral("4"));
    EXPECT_DOUBLE_EQ(double(Druck->HoeheEdit->GetFloat()), 9.0);
    Druck->SeitRatio->setFocus();
    QTest::keyClick(Druck->SeitRatio, Qt::Key_Space);
    ASSERT_TRUE(Druck->SeitRatio->isChecked());
    EXPECT_DOUBLE_EQ(double(Druck->HoeheEdit->GetFloat()), 2.3); // 2.25, one decimal
}

TEST_F(DruckDialog, StoredValuesComeBackWithOneDecimal) {
    {
        QSettings s(EinstellungsDateiPfad(), QSettings::IniFormat);
        s.setValue("Drucken-Breite", 12.34);
        s.setValue("Drucken-LiRand", 0.05);
        s.setValue("Drucken-SeitRatio", 0);
    }
    Tool->LoadSettings();
    EXPECT_EQ(Druck->BreiteEdit->text(), Druck->BreiteEdit->locale().toString(12.3, 'f', 1));
    EXPECT_DOUBLE_EQ(double(Druck->BreiteEdit->GetFloat()), 12.3);
    EXPECT_FALSE(Druck->SeitRatio->isChecked());
    EXPECT_DOUBLE_EQ(double(Druck->ObRandEdit->GetFloat()), 1.8);
    Tool->SaveSettings();
    QSettings s(EinstellungsDateiPfad(), QSettings::IniFormat);
    EXPECT_EQ(s.value("Drucken-Breite").toDouble(), 12.3);
    EXPECT_EQ(s.value("Drucken-LiRand").toDouble(), 0.1);
    EXPECT_EQ(s.value("Drucken-ObRand").toDouble(), 1.8);
    EXPECT_EQ(s.value("Drucken-Hoehe").toDouble(), 17.0);
    EXPECT_EQ(s.value("Drucken-SeitRatio").toInt(), 0);
}

TEST_F(DruckDialog, OnePageIsPrintedAndTheDialogCloses) {
    const QString Datei = AlsPdf();
    Zeigen();
    Druck->DruckBtnClick();
    EXPECT_TRUE(Meldungen.empty());
    EXPECT_GT(QFileInfo(Datei).size(), 0);
    EXPECT_EQ(Druck->result(), QDialog::Accepted);
    EXPECT_FALSE(Meld->isVisible());
}

TEST_F(DruckDialog, NegativeOrHugeSizesAreRefusedAndNothingIsPrinted) {
    const QString Datei = AlsPdf();
    Zeigen();
    for (TNumEditQ* e : {Druck->LiRandEdit, Druck->ObRandEdit, Druck->BreiteEdit, Druck->HoeheEdit})
        for (const char* Wert : {"-1", "-0,5", "1001", "99999999999"}) {
            Druck->setResult(QDialog::Rejected);
            const QString Vorher = e->text();
            e->setText(QString::fromLatin1(Wert));
            Meldungen.clear();
            Druck->DruckBtnClick();
            ASSERT_EQ(Meldungen.size(), 1u) << Wert;
            EXPECT_EQ(Meldungen[0].first, TMeldungTyp::Fehler);
            EXPECT_TRUE(Meldungen[0].second.startsWith(
                QStringLiteral("Ränder, Breite und Höhe müssen zwischen 0 und 1000 cm liegen.")));
            EXPECT_FALSE(QFileInfo::exists(Datei)) << Wert;
            EXPECT_EQ(Druck->result(), QDialog::Rejected);
            EXPECT_FALSE(Meld->isVisible());
            e->setText(Vorher);
        }
}

TEST_F(DruckDialog, WithoutAPrinterAnErrorIsShownAndTheMessageWindowGoes) {
    ASSERT_TRUE(Druck->Drucker().printerName().isEmpty());
    Druck->Drucker().setOutputFileName(QString());
    Zeigen();
    EXPECT_EQ(Druck->DruckerInfo->text(), QStringLiteral("- Kein Drucker -"));
    Druck->DruckBtnClick();
    ASSERT_EQ(Meldungen.size(), 1u);
    EXPECT_EQ(Meldungen[0].first, TMeldungTyp::Fehler);
    EXPECT_FALSE(Meld->isVisible());
    EXPECT_NE(Druck->result(), QDialog::Accepted);
}

TEST_F(DruckDialog, APrinterThatCannotStartIsReportedAndTheMessageWindowGoes) {
    // A PDF file in a folder that does not exist cannot be opened.
    Druck->Drucker().setOutputFormat(QPrinter::PdfFormat);
    Druck->Drucker().setOutputFileName(Ordner.filePath(QStringLiteral("fehlt/seite.pdf")));
    Zeigen();
    Druck->DruckBtnClick();
    ASSERT_EQ(Meldungen.size(), 1u);
    EXPECT_EQ(Meldungen[0].first, TMeldungTyp::Fehler);
    EXPECT_TRUE(Meldungen[0].second.startsWith(QStringLiteral("Der Ausdruck ist fehlgeschlagen")));
    ASSERT_EQ(MeldungSichtbar.size(), 1u);
    EXPECT_FALSE(MeldungSichtbar[0]);
    EXPECT_FALSE(Meld->isVisible());
    EXPECT_NE(Druck->result(), QDialog::Accepted);
}

namespace {

// The page of a PDF file at 254 dots per inch, one pixel per 0.1 mm, as
// Cairo draws it: a picture's edges are drawn with their coverage.
QImage Seite(const QString& Pdf, const QString& Ordner) {
    QProcess p;
    p.setStandardInputFile(QProcess::nullDevice());
    const QString Ziel = Ordner + QStringLiteral("/seite");
    p.start(QStringLiteral("pdftocairo"),
            {QStringLiteral("-r"), QStringLiteral("254"), QStringLiteral("-png"),
             QStringLiteral("-singlefile"), Pdf, Ziel});
    if (!p.waitForFinished(60000) || p.exitCode() != 0) return {};
    return QImage(Ziel + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

// The box of the pixels more than half covered by the dark picture.
QRect DunkleBox(const QImage& s) {
    QRect Box;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) {
            const QRgb p = s.pixel(x, y);
            if (qRed(p) + qGreen(p) + qBlue(p) < (765 + 60) / 2) Box |= QRect(x, y, 1, 1);
        }
    return Box;
}

} // namespace

TEST_F(DruckDialog, TheSelectedAreaIsStretchedIntoTheRectangleOnThePaper) {
    QImage b(1920, 1080, QImage::Format_RGB32);
    b.fill(Qt::white);
    for (int y = 50; y < 150; ++y)
        for (int x = 100; x < 500; ++x)
            b.setPixel(x, y, qRgb(20, 20, 20));
    Screen->BildLaden(b, true);
    Tool->BereichRect = TRect{100, 50, 500, 150};
    const QString Datei = AlsPdf();
    Zeigen();
    Druck->DruckBtnClick();
    ASSERT_EQ(Druck->result(), QDialog::Accepted);
    const QImage s = Seite(Datei, Ordner.path());
    ASSERT_FALSE(s.isNull());
    EXPECT_EQ(DunkleBox(s), QRect(250, 180, 1600, 400));
}
