// The blank sheets, pixel by pixel: line and cross positions for given
// screen sizes, the menu, and sheets on pictures larger than the screen.

#include "toolwindow/blattmuster.h"
#include "zeichenfixture.h"

#include <QGuiApplication>
#include <QScreen>
#include <QToolButton>
#include <functional>

namespace {

const QRgb Grau = qRgb(184, 184, 184);
const QRgb WeissRgb = qRgb(255, 255, 255);
const QRgb Blau = qRgb(0, 0, 255);

// A blue picture of Bild's size with the sheet of area F painted on it; the
// picture is larger than F, so whatever is drawn beyond the sheet shows.
QImage Blatt(QSize Bild, QSize F, const std::function<void(TCanvas&)>& Muster) {
    QImage img(Bild, QImage::Format_RGB32);
    img.fill(Blau);
    TCanvas c(&img);
    MaleEinfarbig(c, F, BlattGrundFarbe);
    Muster(c);
    c.Release();
    return img;
}

// Compares every pixel with the colour Soll(x, y); reports the first miss.
::testing::AssertionResult JederPixel(const QImage& img,
                                      const std::function<QRgb(int, int)>& Soll) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != Soll(x, y))
                return ::testing::AssertionFailure()
                       << "pixel (" << x << ", " << y << ") is " << std::hex << img.pixel(x, y)
                       << ", expected " << Soll(x, y);
    return ::testing::AssertionSuccess();
}

// Background colour of the sheet area F (W + 1 by H + 1 from the corner).
std::function<QRgb(int, int)> Grund(QSize F) {
    return [F](int x, int y) { return x <= F.width() && y <= F.height() ? WeissRgb : Blau; };
}

std::vector<int> GraueZeilen(const QImage& img) {
    std::vector<int> Zeilen;
    for (int y = 0; y < img.height(); ++y)
        if (img.pixel(0, y) == Grau) Zeilen.push_back(y);
    return Zeilen;
}

} // namespace

TEST(BlattGeometrie, SheetAreaIsTheLargerSizeInEachDirection) {
    EXPECT_EQ(BlattFlaeche(QSize(1920, 1080), QSize(1920, 1080)), QSize(1920, 1080));
    EXPECT_EQ(BlattFlaeche(QSize(1920, 1080), QSize(2560, 1440)), QSize(2560, 1440));
    EXPECT_EQ(BlattFlaeche(QSize(1920, 1080), QSize(1280, 1024)), QSize(1920, 1080));
    EXPECT_EQ(BlattFlaeche(QSize(1920, 1080), QSize(1080, 1920)), QSize(1920, 1920));
}

TEST(BlattGeometrie, WhiteAndBlackFillCoverWPlusOneByHPlusOne) {
    const QSize F(1920, 1080);
    EXPECT_TRUE(JederPixel(Blatt(QSize(1925, 1085), F, [](TCanvas&) {}), Grund(F)));
    QImage img(1925, 1085, QImage::Format_RGB32);
    img.fill(Blau);
    TCanvas c(&img);
    MaleEinfarbig(c, F, clBlack);
    c.Release();
    EXPECT_TRUE(JederPixel(img, [F](int x, int y) {
        return x <= F.width() && y <= F.height() ? qRgb(0, 0, 0) : Blau;
    }));
}

TEST(BlattGeometrie, LinedSheetOn1920x1080Has15LinesFrom71To1079) {
    const QSize F(1920, 1080);
    const QImage img = Blatt(QSize(2000, 1200), F, [F](TCanvas& c) { MaleLinien(c, F, 72); });
    std::vector<int> Soll;
    for (int i = 1; i <= 15; ++i)
        Soll.push_back(72 * i - 1);
    EXPECT_EQ(GraueZeilen(img), Soll);
    EXPECT_EQ(Soll.back(), 1079);
    // Each line runs from x = 0 to x = W inclusive, nothing else is grey.
    EXPECT_TRUE(JederPixel(img, [F](int x, int y) {
        if ((y + 1) % 72 == 0 && y <= 1079 && x <= F.width()) return Grau;
        return Grund(F)(x, y);
    }));
}

TEST(BlattGeometrie, LinedSheetOn1366x768Has11LinesTheLastOutsideThePicture) {
    const QSize F(1366, 768);
    const QImage Gross = Blatt(QSize(1400, 850), F, [F](TCanvas& c) { MaleLinien(c, F, 72); });
    const std::vector<int> Zeilen = GraueZeilen(Gross);
    ASSERT_EQ(Zeilen.size(), 11u);
    EXPECT_EQ(Zeilen.front(), 71);
    EXPECT_EQ(Zeilen.back(), 791);
    // On the screen-sized picture itself only ten of them are visible.
    const QImage Genau = Blatt(F, F, [F](TCanvas& c) { MaleLinien(c, F, 72); });
    EXPECT_EQ(GraueZeilen(Genau).size(), 10u);
}

TEST(BlattGeometrie, SquaredSheetOn1920x1080StartsAtZeroAndEndsAt1056And1920) {
    const QSize F(1920, 1080);
    const QImage img = Blatt(QSize(2000, 1200), F, [F](TCanvas& c) { MaleKaros(c, F, 48); });
    // Horizontal lines y = 0, 48, ..., 1056 (Round(22.5) = 22) over x = 0..W;
    // vertical lines x = 0, 48, ..., 1920 (Round(40) = 40) over y = 0..H.
    EXPECT_TRUE(JederPixel(img, [F](int x, int y) {
        const bool Waagrecht = y % 48 == 0 && y <= 1056 && x <= F.width();
        const bool Senkrecht = x % 48 == 0 && x <= 1920 && y <= F.height();
        return Waagrecht || Senkrecht ? Grau : Grund(F)(x, y);
    }));
    EXPECT_EQ(img.pixel(1920, 1080), Grau);
    EXPECT_EQ(img.pixel(1920, 1081), Blau);
    EXPECT_EQ(img.pixel(1919, 1104), Blau);
}

TEST(BlattGeometrie, PointGridOn1920x1080Has23RowsOf41CrossesOfArm2) {
    const QSize F(1920, 1080);
    const QImage img = Blatt(QSize(2000, 1200), F, [F](TCanvas& c) { MalePunktraster(c, F, 48); });
    const auto ImKreuz = [](int x, int y) {
        for (int c = 0; c < 23; ++c)
            for (int f = 0; f < 41; ++f) {
                const int cx = 48 * f, cy = 48 * c;
                if ((y == cy && x >= cx - 2 && x <= cx + 2) ||
                    (x == cx && y >= cy - 2 && y <= cy + 2))
                    return true;
            }
        return false;
    };
    EXPECT_TRUE(
        JederPixel(img, [&](int x, int y) { return ImKreuz(x, y) ? Grau : Grund(F)(x, y); }));
    // A cross in the middle, 5 pixels each way; the corner one is cut off.
    for (int d = -2; d <= 2; ++d) {
        EXPECT_EQ(img.pixel(480 + d, 240), Grau);
        EXPECT_EQ(img.pixel(480, 240 + d), Grau);
    }
    EXPECT_EQ(img.pixel(477, 240), WeissRgb);
    EXPECT_EQ(img.pixel(483, 240), WeissRgb);
    EXPECT_EQ(img.pixel(481, 241), WeissRgb);
    EXPECT_EQ(img.pixel(2, 0), Grau);
    EXPECT_EQ(img.pixel(3, 0), WeissRgb);
    // The last row and column lie at 1056 and 1920; there is none after them.
    EXPECT_EQ(img.pixel(1920, 1056), Grau);
    EXPECT_EQ(img.pixel(1922, 1056), Grau);
    EXPECT_EQ(img.pixel(1968, 1056), Blau);
    EXPECT_EQ(img.pixel(1920, 1104), Blau);
}

class BlattTest : public ZeichenTest {};

TEST_F(BlattTest, MenuShowsTheSheetsInOrderWithSeparators) {
    QStringList Texte;
    for (const QAction* a : Tool->BlattMenu->actions())
        Texte << (a->isSeparator() ? QStringLiteral("-") : a->text());
    EXPECT_EQ(Texte, QStringList({"Aktueller Bildschirm", "-", "Weißes Blatt", "Schwarzes Blatt",
                                  "Kariert", "Punktraster", "Linien", "-",
                                  "Aus Zwischenablage einfügen"}));
    EXPECT_EQ(Tool->AusZwischenablageeinfuegen1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_V));
}

TEST_F(BlattTest, MenuOpensAtTheLowerLeftCornerOfTheButton) {
    QWidget Fenster;
    Fenster.setGeometry(100, 100, 200, 200);
    QToolButton Btn(&Fenster);
    Btn.setGeometry(30, 40, 36, 28);
    Fenster.show();
    Tool->BlattBtn = &Btn;
    Tool->BlattBtnClick();
    EXPECT_TRUE(Tool->BlattMenu->isVisible());
    EXPECT_EQ(Tool->BlattMenu->pos(), Btn.mapToGlobal(QPoint(0, 28)));
    Tool->BlattMenu->hide();
}

TEST_F(BlattTest, MenuEntriesRunTheirSheets) {
    Tool->WeiesBlatt1->trigger();
    EXPECT_EQ(Tool->OrigScrBmp.pixel(5, 5), WeissRgb);
    Tool->SchwarzesBlatt1->trigger();
    EXPECT_EQ(Tool->OrigScrBmp.pixel(5, 5), qRgb(0, 0, 0));
    Tool->KariertesBlatt1->trigger();
    EXPECT_EQ(Tool->OrigScrBmp.pixel(48, 5), Grau);
    EXPECT_EQ(Tool->OrigScrBmp.pixel(5, 71), WeissRgb);
    Tool->LiniertesBlatt1->trigger();
    EXPECT_EQ(Tool->OrigScrBmp.pixel(48, 5), WeissRgb);
    EXPECT_EQ(Tool->OrigScrBmp.pixel(5, 71), Grau);
    Tool->KleineKreuze1->trigger();
    EXPECT_EQ(Tool->OrigScrBmp.pixel(49, 48), Grau);
    EXPECT_EQ(Tool->OrigScrBmp.pixel(5, 71), WeissRgb);
    Tool->AktuellesBild->trigger();
    EXPECT_EQ(AnzahlVerschieden(Tool->OrigScrBmp, Testbild()), 0);
}

TEST_F(BlattTest, SheetCoversAPictureLargerThanThePrimaryScreen) {
    const QSize Schirm = QGuiApplication::primaryScreen()->size();
    const QSize Gross = Schirm + QSize(100, 150);
    Hintergrund(Testbild(Gross.width(), Gross.height()));
    Tool->WeiesBlatt1Click();
    EXPECT_EQ(
        AnzahlVerschieden(Tool->OrigScrBmp, Einfarbig(WeissRgb, Gross.width(), Gross.height())), 0);
    // The lines keep their places and continue over the extra area.
    Tool->LiniertesBlatt1Click();
    const int n = Round(Gross.height() / 72.0);
    std::vector<int> Soll;
    for (int i = 1; i <= n && 72 * i - 1 < Gross.height(); ++i)
        Soll.push_back(72 * i - 1);
    EXPECT_EQ(GraueZeilen(Tool->OrigScrBmp), Soll);
    EXPECT_GT(Soll.back(), Schirm.height());
    for (int y : Soll)
        EXPECT_EQ(Tool->OrigScrBmp.pixel(Gross.width() - 1, y), Grau);
    EXPECT_EQ(AnzahlVerschieden(Bild(), Tool->OrigScrBmp), 0);
}

TEST(BlattOhneBild, SheetsBeforeTheFirstStartLeaveThePicturesEmpty) {
    TEinstellungenSichern Einstellungen;
    TToolForm Tool;
    TScreenForm Screen;
    Tool.KariertesBlatt1Click();
    Tool.SchwarzesBlatt1Click();
    EXPECT_TRUE(Tool.OrigScrBmp.isNull());
    EXPECT_TRUE(Tool.BackupOrigScrBmp.isNull());
}
