// Output from the tool window: the output bitmap, screenshots into the
// folder with their numbers and failures, the message window, the automatic
// screenshot at "Fertig", the save menu's keys, and the clipboard.

#include "app/data.h"
#include "controls/shadlab.h"
#include "dateitest.h"
#include "output/druck.h"
#include "output/melde.h"
#include "zeichenfixture.h"

#include <QAction>
#include <QClipboard>
#include <QFileDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QScreen>
#include <QShortcutEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <csignal>
#include <sys/resource.h>

namespace {

class AusgabeTest : public ZeichenTest {
protected:
    void SetUp() override {
        ZeichenTest::SetUp();
        Meld = std::make_unique<TMeldForm>();
        ::ScreenshotDir = Ordner.filePath("Schirm\\Bilder");
        ::AutoScreenshot = false;
        ::AutoClose = false;
        ::ScreenshotNr = 0;
    }
    void TearDown() override {
        Meld.reset();
        ZeichenTest::TearDown();
    }
    // A stroke, then the pointer goes onto the tool window, which takes the
    // tool mark off the picture.
    void GezeichnetUndGeparkt() {
        Strich(QPoint(10, 10), QPoint(200, 100));
        Tool->CheckPanels();
    }
    QString SchirmOrdner() const { return Ordner.filePath("Schirm/Bilder"); }
    QStringList Bilder() const { return Eintraege(SchirmOrdner()); }
    void Bereich(int l, int t, int r, int b) { Tool->BereichRect = TRect{l, t, r, b}; }
    // The folder setting points below a regular file.
    void OrdnerUnmoeglich() {
        QFile f(Ordner.filePath("datei"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ::ScreenshotDir = Ordner.filePath("datei\\Bilder");
    }

    QTemporaryDir Ordner;
    TMeldungenFangen Meldungen;
    std::unique_ptr<TMeldForm> Meld;
};

const QString OrdnerFehler = QStringLiteral(
    "Verzeichnis für automatische Screenshots konnte nicht erstellt werden:\r\n%1\r\n"
    "Korrigieren Sie ggf. den Ordner in den Einstellungen.");

} // namespace

TEST_F(AusgabeTest, OutputBitmapIsThePictureOrTheArea) {
    Strich(QPoint(10, 10), QPoint(200, 100));
    Tool->SetAuswahlBmp();
    EXPECT_EQ(Tool->AuswahlBmp, Bild());
    Bereich(10, 20, 210, 120);
    Tool->SetAuswahlBmp();
    ASSERT_EQ(Tool->AuswahlBmp.size(), QSize(200, 100));
    EXPECT_EQ(Tool->AuswahlBmp, Bild().copy(10, 20, 200, 100));
}

TEST_F(AusgabeTest, TheOutputBitmapKeepsItsPixelsWhenDrawingGoesOn) {
    Tool->SetAuswahlBmp();
    const QImage Vorher = Bild().copy();
    Strich(QPoint(10, 10), QPoint(200, 100));
    EXPECT_EQ(Tool->AuswahlBmp, Vorher);
    EXPECT_NE(Bild(), Vorher);
}

TEST_F(AusgabeTest, ScreenshotsInOneSecondDifferOnlyInTheirNumber) {
    ASSERT_TRUE(Tool->SaveScreenshot(true, 0));
    ASSERT_TRUE(Tool->SaveScreenshot(true, 1));
    const QStringList b = Bilder();
    ASSERT_EQ(b.size(), 2);
    EXPECT_TRUE(b[0].endsWith("-001.png")) << b[0].toStdString();
    EXPECT_TRUE(b[1].endsWith("-002.jpg")) << b[1].toStdString();
    EXPECT_EQ(::ScreenshotNr, 2);
    EXPECT_EQ(QImage(SchirmOrdner() + "/" + b[0]).convertToFormat(QImage::Format_RGB32), Bild());
    EXPECT_TRUE(Meldungen.Liste.empty());
}

TEST_F(AusgabeTest, ScreenshotOfTheAreaOrAlwaysTheWholePicture) {
    Bereich(30, 40, 130, 90);
    ASSERT_TRUE(Tool->SaveScreenshot(true, 0));
    ASSERT_TRUE(Tool->SaveScreenshot(false, 0));
    const QStringList b = Bilder();
    ASSERT_EQ(b.size(), 2);
    EXPECT_EQ(QImage(SchirmOrdner() + "/" + b[0]).convertToFormat(QImage::Format_RGB32),
              Bild().copy(30, 40, 100, 50));
    EXPECT_EQ(QImage(SchirmOrdner() + "/" + b[1]).convertToFormat(QImage::Format_RGB32), Bild());
}

TEST_F(AusgabeTest, AnOlderFileOfTheSameNameIsNeverOverwritten) {
    ASSERT_TRUE(Tool->SaveScreenshot(true, 0));
    const QString Erstes = Bilder().value(0);
    const QByteArray Inhalt = DateiInhalt(SchirmOrdner() + "/" + Erstes);
    // A second run starts counting at 0 again within the same second.
    ::ScreenshotNr = 0;
    Strich(QPoint(10, 10), QPoint(200, 100));
    ASSERT_TRUE(Tool->SaveScreenshot(true, 0));
    EXPECT_EQ(DateiInhalt(SchirmOrdner() + "/" + Erstes), Inhalt);
    EXPECT_EQ(Bilder().size(), 2);
    EXPECT_GE(::ScreenshotNr, 2);
}

TEST_F(AusgabeTest, FolderThatCannotBeCreatedTakesNoNumber) {
    OrdnerUnmoeglich();
    EXPECT_FALSE(Tool->SaveScreenshot(true, 0));
    ASSERT_EQ(Meldungen.Liste.size(), 1u);
    EXPECT_EQ(Meldungen.Liste[0].Typ, TMeldungTyp::Fehler);
    EXPECT_EQ(Meldungen.Liste[0].Text, OrdnerFehler.arg(Ordner.filePath("datei/Bilder")));
    EXPECT_EQ(::ScreenshotNr, 0);
}

TEST_F(AusgabeTest, FailedWriteIsReportedAndGivesTheNumberBack) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit Vorher{};
    getrlimit(RLIMIT_FSIZE, &Vorher);
    rlimit Klein = Vorher;
    Klein.rlim_cur = 1000;
    ASSERT_TRUE(QDir().mkpath(SchirmOrdner()));
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &Klein), 0);
    const bool Ergebnis = Tool->SaveScreenshot(true, 0);
    setrlimit(RLIMIT_FSIZE, &Vorher);
    EXPECT_FALSE(Ergebnis);
    EXPECT_EQ(::ScreenshotNr, 0);
    EXPECT_TRUE(Bilder().isEmpty());
    ASSERT_EQ(Meldungen.Liste.size(), 1u);
    EXPECT_TRUE(Meldungen.Liste[0].Text.startsWith("Datei konnte nicht erstellt werden:\r\n" +
                                                   SchirmOrdner() + "/"));
    EXPECT_TRUE(Meldungen.Liste[0].Text.endsWith("-001.png"));
    // The next file gets the same number again.
    ASSERT_TRUE(Tool->SaveScreenshot(true, 0));
    EXPECT_TRUE(Bilder().value(0).endsWith("-001.png"));
}

TEST_F(AusgabeTest, F7ShowsTheMessageDuringTheSaveAndHidesItBeforeAnError) {
    bool WaehrendSichtbar = false;
    bool OverlayGesperrt = false;
    Meld->Zeigen("x");
    Meld->hide();
    Tool->SetZustandZeichnen();
    Tool->AlsPNGScreenshotSpeichernClick();
    EXPECT_FALSE(Meld->isVisible());
    EXPECT_TRUE(Screen->isEnabled());
    EXPECT_EQ(Meld->InfoLab->text(), "Screenshot abgelegt");
    EXPECT_EQ(Bilder().size(), 1);

    OrdnerUnmoeglich();
    Meldungen.BeiMeldung = [&] {
        WaehrendSichtbar = Meld->isVisible();
        OverlayGesperrt = !Screen->isEnabled();
    };
    Tool->AlsJPGScreenshotSpeichernClick();
    ASSERT_EQ(Meldungen.Liste.size(), 1u);
    EXPECT_FALSE(WaehrendSichtbar);
    EXPECT_TRUE(OverlayGesperrt);
    EXPECT_TRUE(Screen->isEnabled());
}

TEST_F(AusgabeTest, MessageWindowLayout) {
    Meld->Zeigen("Ausdruck wird vorbereitet.||Bitte warten.");
    EXPECT_TRUE(Meld->isVisible());
    EXPECT_EQ(Meld->windowTitle(), "Information");
    EXPECT_EQ(Meld->size(), QSize(313, 97));
    EXPECT_TRUE(Meld->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(Meld->Panel1->geometry(), QRect(8, 8, 297, 81));
    EXPECT_EQ(Meld->InfoLab->geometry(), QRect(6, 6, 281, 65));
    EXPECT_EQ(Meld->InfoLab->text(), "Ausdruck wird vorbereitet.||Bitte warten.");
    EXPECT_EQ(Meld->InfoLab->Shadow(), 0);
    EXPECT_TRUE(Meld->InfoLab->Transparent());
    EXPECT_EQ(Meld->InfoLab->alignment(), Qt::AlignCenter);
    const QRect Schirm = Meld->screen()->geometry();
    EXPECT_LE(std::abs(Meld->frameGeometry().center().x() - Schirm.center().x()), 1);
    EXPECT_LE(std::abs(Meld->frameGeometry().center().y() - Schirm.center().y()), 1);
    Meld->hide();
}

TEST_F(AusgabeTest, FertigStoresTheWholePictureThenEndsDrawingMode) {
    Tool->SetZustandZeichnen();
    ::AutoScreenshot = true;
    Bereich(30, 40, 130, 90);
    GezeichnetUndGeparkt();
    const QImage Gezeichnet = Bild().copy();
    Tool->StartFertigBtnClick();
    EXPECT_EQ(Tool->WinZustand, 0);
    ASSERT_EQ(Bilder().size(), 1);
    EXPECT_EQ(QImage(SchirmOrdner() + "/" + Bilder()[0]).convertToFormat(QImage::Format_RGB32),
              Gezeichnet);
}

TEST_F(AusgabeTest, FertigKeepsDrawingModeWhenNothingWasStored) {
    Tool->SetZustandZeichnen();
    ::AutoScreenshot = true;
    OrdnerUnmoeglich();
    Tool->StartFertigBtnClick();
    EXPECT_EQ(Tool->WinZustand, 1);
    EXPECT_EQ(Meldungen.Liste.size(), 1u);

    // A folder that exists but takes no file: also no end.
    ::ScreenshotDir = Ordner.filePath("Schirm\\Bilder");
    ASSERT_TRUE(QDir().mkpath(SchirmOrdner()));
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit Vorher{};
    getrlimit(RLIMIT_FSIZE, &Vorher);
    rlimit Klein = Vorher;
    Klein.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &Klein), 0);
    Tool->StartFertigBtnClick();
    setrlimit(RLIMIT_FSIZE, &Vorher);
    EXPECT_EQ(Tool->WinZustand, 1);
    EXPECT_EQ(Meldungen.Liste.size(), 2u);
    EXPECT_TRUE(Bilder().isEmpty());
}

TEST_F(AusgabeTest, OpeningAFolderThatCannotBeCreatedSaysSo) {
    OrdnerUnmoeglich();
    Tool->ScreenshotOrdnerOeffnen1Click();
    ASSERT_EQ(Meldungen.Liste.size(), 1u);
    EXPECT_EQ(Meldungen.Liste[0].Text,
              "Screenshot-Ordner konnte nicht erstellt werden:\r\n" +
                  Ordner.filePath("datei/Bilder") +
                  "\r\nKorrigieren Sie ggf. den Ordner in den Einstellungen.");
}

TEST_F(AusgabeTest, SaveMenuItemsActInEveryStateTheirKeysOnlyInDrawingMode) {
    for (QWidget* w : {static_cast<QWidget*>(Tool.get()), static_cast<QWidget*>(Screen.get())}) {
        const QList<QAction*> a = w->actions();
        EXPECT_TRUE(a.contains(Tool->Speichernunter1));
        EXPECT_TRUE(a.contains(Tool->AlsPNGScreenshotSpeichern));
        EXPECT_TRUE(a.contains(Tool->AlsJPGScreenshotSpeichern));
        EXPECT_TRUE(a.contains(Tool->ScreenshotOrdnerOeffnen1));
    }
    EXPECT_EQ(Tool->Speichernunter1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_U));
    EXPECT_EQ(Tool->ScreenshotOrdnerOeffnen1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_TRUE(Tool->AlsPNGScreenshotSpeichern->shortcuts().contains(QKeySequence(Qt::Key_F7)));
    EXPECT_TRUE(Tool->AlsPNGScreenshotSpeichern->shortcuts().contains(
        QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_F7)));
    EXPECT_TRUE(
        Tool->AlsJPGScreenshotSpeichern->shortcuts().contains(QKeySequence(Qt::ALT | Qt::Key_F8)));
    const QList<QAction*> Menu = Tool->SpeichernMenu->actions();
    ASSERT_EQ(Menu.size(), 4);
    EXPECT_EQ(Menu[0]->text(), "&Speichern unter...");
    EXPECT_EQ(Menu[1]->text(), "Als &PNG-Bild in Screenshot-Ordner ablegen");
    EXPECT_EQ(Menu[2]->text(), "Als &JPG-Bild in Screenshot-Ordner ablegen");
    EXPECT_EQ(Menu[3]->text(), "Screenshot-&Ordner öffnen");

    const auto Taste = [](QAction* a) {
        QShortcutEvent e(a->shortcut(), 0);
        QCoreApplication::sendEvent(a, &e);
    };
    // In the ready state, after "Fertig", the key does nothing and the item
    // chosen in the menu acts; in drawing mode the key acts too.
    Taste(Tool->AlsPNGScreenshotSpeichern);
    EXPECT_TRUE(Bilder().isEmpty());
    Tool->AlsPNGScreenshotSpeichern->trigger();
    EXPECT_EQ(Bilder().size(), 1);
    Tool->SetZustandZeichnen();
    Taste(Tool->AlsPNGScreenshotSpeichern);
    EXPECT_EQ(Bilder().size(), 2);
    // So does the e-mail menu's item that opens the screenshot folder.
    Tool->SetZustandBereit();
    OrdnerUnmoeglich();
    Taste(Tool->EMailProgrammOeffnen1);
    EXPECT_TRUE(Meldungen.Liste.empty());
    Tool->EMailProgrammOeffnen1->trigger();
    EXPECT_EQ(Meldungen.Liste.size(), 1u);
}

TEST_F(AusgabeTest, F7RemovesTheToolMarkBeforeStoring) {
    Tool->SetZustandZeichnen();
    const QImage Vorher = Bild().copy();
    Screen->Img1MouseMove(TShiftState(), 100, 100);
    ASSERT_NE(Bild(), Vorher); // the pen's circle mark
    Tool->AlsPNGScreenshotSpeichern->trigger();
    ASSERT_EQ(Bilder().size(), 1);
    EXPECT_EQ(QImage(SchirmOrdner() + "/" + Bilder()[0]).convertToFormat(QImage::Format_RGB32),
              Vorher);
}

TEST_F(AusgabeTest, SaveDialogTitleFilterAndDefaultExtension) {
    EXPECT_EQ(Tool->SaveBMP().windowTitle(), "Bildschirminhalt speichern");
    EXPECT_EQ(Tool->SaveBMP().nameFilters(),
              (QStringList{"PNG (*.png)", "JPEG (*.jpg)", "Bitmap (*.bmp)", "Alle Dateien (*.*)"}));
    EXPECT_EQ(Tool->SaveBMP().defaultSuffix(), "jpg");
    EXPECT_EQ(Tool->SaveBMP().acceptMode(), QFileDialog::AcceptSave);
    // A text without its pattern gets it; an odd last part is no filter.
    EXPECT_EQ(DialogFilter("Bilder|*.png;*.jpg|Alles (*.*)|*.*|ungerade"),
              (QStringList{"Bilder (*.png *.jpg)", "Alles (*.*)"}));
}

TEST_F(AusgabeTest, CopyPutsThePictureOrTheAreaOnTheClipboard) {
    Strich(QPoint(10, 10), QPoint(200, 100));
    Tool->IndieZwischenablage1->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), Bild());
    Bereich(20, 30, 320, 230);
    Tool->ClipBtnClick();
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              Bild().copy(20, 30, 300, 200));
}

TEST_F(AusgabeTest, PasteMakesTheClipboardPictureTheBackgroundAndUndoBringsBothBack) {
    // A picture larger than the primary display: beyond the display's size
    // the old background stays.
    const QSize Schirm = QGuiApplication::primaryScreen()->size();
    const QImage Gross = Testbild(Schirm.width() + 40, Schirm.height() + 30);
    Screen->resize(Gross.size());
    Hintergrund(Gross);
    GezeichnetUndGeparkt();
    const QImage Gezeichnet = Bild().copy();
    QImage Rot(100, 100, QImage::Format_RGB32);
    Rot.fill(qRgb(255, 0, 0));
    QGuiApplication::clipboard()->setImage(Rot);
    Tool->AusZwischenablage1->trigger();
    EXPECT_TRUE(Meldungen.Liste.empty());
    const QImage& o = Tool->OrigScrBmp;
    int Falsch = 0;
    for (int y = 0; y < o.height(); ++y)
        for (int x = 0; x < o.width(); ++x) {
            const QRgb Soll = x < 100 && y < 100                          ? qRgb(255, 0, 0)
                              : x < Schirm.width() && y < Schirm.height() ? qRgb(192, 192, 192)
                                                                          : Gross.pixel(x, y);
            Falsch += o.pixel(x, y) != Soll;
        }
    EXPECT_EQ(Falsch, 0);
    EXPECT_EQ(Bild(), o);
    Tool->RueckgaengigBtnClick();
    EXPECT_EQ(Tool->OrigScrBmp, Gross);
    EXPECT_EQ(Bild(), Gezeichnet);
}

TEST_F(AusgabeTest, PasteWithoutAPictureWarnsAndChangesNothing) {
    GezeichnetUndGeparkt();
    const QImage Gezeichnet = Bild().copy();
    const QImage Backup = Tool->BackupBmp, BackupOrig = Tool->BackupOrigScrBmp;
    QGuiApplication::clipboard()->setText("nur Text");
    Tool->AusZwischenablageeinfuegen1->trigger();
    ASSERT_EQ(Meldungen.Liste.size(), 1u);
    EXPECT_EQ(Meldungen.Liste[0].Typ, TMeldungTyp::Warnung);
    EXPECT_EQ(Meldungen.Liste[0].Text, "In der Zwischenablage befindet sich kein Bild.");
    EXPECT_EQ(Bild(), Gezeichnet);
    EXPECT_EQ(Tool->OrigScrBmp, Testbild());
    EXPECT_EQ(Tool->BackupBmp, Backup);
    EXPECT_EQ(Tool->BackupOrigScrBmp, BackupOrig);
}

TEST_F(AusgabeTest, OneEnabledActionPerWindowCarriesCtrlV) {
    for (QWidget* w : {static_cast<QWidget*>(Tool.get()), static_cast<QWidget*>(Screen.get())}) {
        int n = 0;
        for (const QAction* a : w->actions())
            n += a->isEnabled() && a->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_V));
        EXPECT_EQ(n, 1);
    }
    EXPECT_TRUE(Tool->AusZwischenablageeinfuegen1->isEnabled());
    EXPECT_TRUE(Tool->BlattMenu->actions().contains(Tool->AusZwischenablageeinfuegen1));
}

TEST(AusgabeVorDemStart, CommandsWithoutAPictureDoNothing) {
    TMeldungenFangen Meldungen;
    TToolForm Tool;
    TScreenForm Screen;
    TMeldForm Meld;
    QGuiApplication::clipboard()->setImage(Testbild());
    Tool.IndieZwischenablage1->trigger();
    Tool.AusZwischenablage1->trigger();
    Tool.Speichernunter1->trigger();
    Tool.AlsPNGScreenshotSpeichern->trigger();
    Tool.AlsJPGScreenshotSpeichern->trigger();
    Tool.ScreenshotOrdnerOeffnen1->trigger();
    EXPECT_TRUE(Meldungen.Liste.empty());
    EXPECT_TRUE(Tool.OrigScrBmp.isNull());
    EXPECT_TRUE(Screen.Bild().isNull());
}

TEST(AusgabeVorDemStart, PrintAndMailWaitForAPicture) {
    TMeldungenFangen Meldungen;
    TToolForm Tool;
    TScreenForm Screen;
    TMeldForm Meld;
    TDruckForm Druck;
    // A dialog opened by mistake is closed again at once, so the test ends.
    bool DialogOffen = false;
    QTimer::singleShot(0, &Druck, [&] {
        DialogOffen = Druck.isVisible();
        Druck.reject();
    });
    Tool.Drucken1->trigger();
    EXPECT_FALSE(DialogOffen);
    Tool.AlsEMailversenden1->trigger();
    EXPECT_FALSE(Tool.EmailMenu->isVisible());
    EXPECT_TRUE(Meldungen.Liste.empty());
}
