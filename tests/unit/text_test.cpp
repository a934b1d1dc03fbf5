// The text tool: opening and moving the field, the keys in it, writing the
// text with and without shadow, and the undo copy of the press.

#include "zeichenfixture.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace {

const QRgb WeissRgb = qRgb(255, 255, 255);
const TColor Rot = 0x000000FF;

} // namespace

class TextTest : public ZeichenTest {
protected:
    void SetUp() override {
        ZeichenTest::SetUp();
        Hintergrund(Einfarbig(WeissRgb));
    }
    void Taste(int Key, Qt::KeyboardModifiers Mod = Qt::NoModifier, const QString& Text = {}) {
        QKeyEvent Ev(QEvent::KeyPress, Key, Mod, Text);
        QCoreApplication::sendEvent(Screen->Memo1, &Ev);
    }
    void Tippen(const QString& Text) {
        for (QChar c : Text)
            Taste(c.unicode(), Qt::NoModifier, QString(c));
    }
    void Oeffnen(int x, int y) {
        Druecken(x, y);
        Loslassen(x, y);
    }
    int ZeilenHoehe() { return Screen->Canvas().TextHeight(QStringLiteral("X")); }

    // What the text must look like: drawn with the field's font from the
    // field's corner, the optional shadow first.
    QImage Erwartet(const QImage& Vorlage, QPoint Ecke, const QString& Text, TColor Farbe,
                    bool Schatten) {
        QImage b = Vorlage.copy();
        TCanvas c(&b);
        c.Font = Screen->Memo1->font();
        c.Brush.Style = bsClear;
        if (Schatten) {
            c.FontColor = clBlack;
            c.DrawText(Ecke.x() + 1, Ecke.y() + 1, Text);
        }
        c.FontColor = Farbe;
        c.DrawText(Ecke.x(), Ecke.y(), Text);
        c.Release();
        return b;
    }
};

TEST_F(TextTest, ShadowOnlyForLargeColouredText) {
    struct Fall {
        int DickeNr;
        TColor Farbe;
        bool Schatten;
    };
    for (const Fall& f : {Fall{3, Rot, true}, Fall{2, Rot, false}, Fall{3, clBlack, false},
                          Fall{4, 0x00FF0000, true}, Fall{1, 0x00FF0000, false}}) {
        SCOPED_TRACE(testing::Message() << f.DickeNr << " " << f.Farbe);
        Hintergrund(Einfarbig(WeissRgb));
        Waehle(6, f.DickeNr);
        Farbe(f.Farbe, pmCopy);
        const QImage Vorher = Bild().copy();
        Oeffnen(40, 120);
        const QPoint Ecke(40, 120 - ZeilenHoehe());
        EXPECT_EQ(Screen->Memo1->pos(), Ecke);
        Tippen(QStringLiteral("Hallo Welt"));
        Taste(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        EXPECT_FALSE(Screen->TextfeldOffen());
        EXPECT_TRUE(Screen->Memo1->toPlainText().isEmpty());
        Screen->Parken();
        EXPECT_EQ(
            AnzahlVerschieden(Bild(), Erwartet(Vorher, Ecke, "Hallo Welt", f.Farbe, f.Schatten)),
            0);
        // A shadow leaves dark pixels that coloured text alone never has.
        int Dunkel = 0;
        for (int y = 0; y < 240; ++y)
            for (int x = 0; x < 320; ++x) {
                const QColor p(Bild().pixel(x, y));
                if (p.red() < 100 && p.green() < 100 && p.blue() < 100) ++Dunkel;
            }
        if (f.Farbe == clBlack)
            EXPECT_GT(Dunkel, 50);
        else if (f.Schatten)
            EXPECT_GT(Dunkel, 20);
        else
            EXPECT_EQ(Dunkel, 0);
    }
}

TEST_F(TextTest, TwoLinesWithCtrlEnterGrowTheFieldByOneLine) {
    Waehle(6, 3);
    const QImage Vorher = Bild().copy();
    Oeffnen(30, 100);
    const int h = ZeilenHoehe();
    EXPECT_EQ(Screen->Memo1->height(), h);
    Tippen(QStringLiteral("ab"));
    const int Breite = Screen->Memo1->width();
    EXPECT_EQ(Breite, Screen->Canvas().TextWidth(QStringLiteral("abxxx")));
    Taste(Qt::Key_Return, Qt::ControlModifier, QStringLiteral("\n"));
    EXPECT_EQ(Screen->Memo1->document()->blockCount(), 2);
    EXPECT_EQ(Screen->Memo1->height(), 2 * h);
    EXPECT_EQ(Screen->Memo1->pos(), QPoint(30, 100 - h)); // grows downwards
    Tippen(QStringLiteral("zweite Zeile"));
    EXPECT_EQ(Screen->Memo1->width(),
              Screen->Canvas().TextWidth(QStringLiteral("zweite Zeilexxx")));
    Taste(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    Screen->Parken();
    EXPECT_EQ(
        AnzahlVerschieden(Bild(), Erwartet(Vorher, {30, 100 - h}, "ab\nzweite Zeile", Rot, true)),
        0);
}

TEST_F(TextTest, EnterInAnEmptyFieldChangesNothing) {
    Waehle(6, 3);
    const QImage Vorher = Bild().copy();
    Ziehen(100, 100, TShiftState());
    EXPECT_GT(AnzahlVerschieden(Vorher, Bild()), 0); // the text bar
    Oeffnen(100, 100);
    EXPECT_TRUE(Screen->TextfeldOffen());
    EXPECT_EQ(AnzahlVerschieden(Vorher, Bild()), 0); // no bar while typing
    Taste(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    EXPECT_FALSE(Screen->TextfeldOffen());
    Screen->Parken();
    EXPECT_EQ(AnzahlVerschieden(Vorher, Bild()), 0);
}

TEST_F(TextTest, EscDropsTheText) {
    Waehle(6, 3);
    const QImage Vorher = Bild().copy();
    Oeffnen(100, 100);
    Tippen(QStringLiteral("weg damit"));
    Taste(Qt::Key_Escape);
    EXPECT_FALSE(Screen->TextfeldOffen());
    EXPECT_TRUE(Screen->Memo1->toPlainText().isEmpty());
    EXPECT_EQ(Screen->Memo1->height(), ZeilenHoehe());
    // The pointer moves on: the bar comes back and goes again cleanly.
    Ziehen(150, 150, TShiftState());
    EXPECT_GT(AnzahlVerschieden(Vorher, Bild()), 0);
    Screen->Parken();
    EXPECT_EQ(AnzahlVerschieden(Vorher, Bild()), 0);
}

TEST_F(TextTest, UndoCopyIsThePictureFromBeforeThePress) {
    Waehle(6, 3);
    const QImage Vorher = Bild().copy();
    Ziehen(200, 50, TShiftState()); // the bar is in the picture at the press
    Oeffnen(200, 50);
    Tippen(QStringLiteral("Notiz"));
    Taste(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    EXPECT_GT(AnzahlVerschieden(Vorher, Bild()), 0);
    EXPECT_EQ(AnzahlVerschieden(Vorher, Tool->BackupBmp), 0);
    EXPECT_EQ(Screen->BakSx, -1);
    EXPECT_EQ(Screen->BakLx, -1);
    // Restoring the snapshot, as undo does, gives the picture without text.
    Screen->BildLaden(Tool->BackupBmp, true);
    Screen->Sx = Screen->BakSx;
    Screen->Sy = Screen->BakSy;
    Screen->Parken();
    EXPECT_EQ(AnzahlVerschieden(Vorher, Bild()), 0);
}

TEST_F(TextTest, PressElsewhereMovesTheOpenFieldWithItsText) {
    Waehle(6, 2);
    const QImage Vorher = Bild().copy();
    Oeffnen(50, 60);
    Tippen(QStringLiteral("unterwegs"));
    Oeffnen(120, 200);
    EXPECT_TRUE(Screen->TextfeldOffen());
    EXPECT_EQ(Screen->Memo1->toPlainText(), QStringLiteral("unterwegs"));
    EXPECT_EQ(Screen->Memo1->pos(), QPoint(120, 200 - ZeilenHoehe()));
    EXPECT_EQ(AnzahlVerschieden(Vorher, Bild()), 0);
    Taste(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    EXPECT_EQ(AnzahlVerschieden(
                  Bild(), Erwartet(Vorher, {120, 200 - ZeilenHoehe()}, "unterwegs", Rot, false)),
              0);
}

TEST_F(TextTest, ColourChangeWhileTypingRecoloursTheText) {
    Waehle(6, 3);
    const QImage Vorher = Bild().copy();
    Oeffnen(20, 150);
    Tippen(QStringLiteral("blau"));
    EXPECT_EQ(Screen->TextFarbe(), Rot);
    Farbe(0x00FF0000, pmMask); // the stroke mode plays no part for text
    Screen->TextFarbeSetzen(Tool->Scol);
    EXPECT_EQ(Screen->Memo1->palette().color(QPalette::Text), QColor(0, 0, 255));
    Taste(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    EXPECT_EQ(AnzahlVerschieden(
                  Bild(), Erwartet(Vorher, {20, 150 - ZeilenHoehe()}, "blau", 0x00FF0000, true)),
              0);
}

TEST_F(TextTest, LeavingForTheToolWindowWritesTheOpenText) {
    Waehle(6, 2);
    const QImage Vorher = Bild().copy();
    Oeffnen(60, 90);
    Tippen(QStringLiteral("fertig"));
    Screen->OffenenTextUebernehmen();
    EXPECT_FALSE(Screen->TextfeldOffen());
    Screen->Parken();
    EXPECT_EQ(
        AnzahlVerschieden(Bild(), Erwartet(Vorher, {60, 90 - ZeilenHoehe()}, "fertig", Rot, false)),
        0);
    // In another tool, or with the field closed, it does nothing.
    const QImage Danach = Bild().copy();
    Screen->OffenenTextUebernehmen();
    EXPECT_EQ(AnzahlVerschieden(Danach, Bild()), 0);
}

TEST_F(TextTest, WrittenTextLiesWhereTheFieldShowedIt) {
    // Black text, so that no shadow is added; the ink's coverage of a pixel
    // is measured against the field's silver and the picture's white.
    Farbe(clBlack, pmCopy);
    for (int d = 1; d <= 4; ++d) {
        SCOPED_TRACE(d);
        Hintergrund(Einfarbig(WeissRgb));
        Waehle(6, d);
        Oeffnen(10, 100);
        Tippen(QStringLiteral("Zeile"));
        Taste(Qt::Key_Return, Qt::ControlModifier, QStringLiteral("\n"));
        Tippen(QStringLiteral("zwei"));
        Screen->Memo1->setCursorWidth(0); // no caret in the comparison
        const QImage Feld = Screen->Memo1->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QPoint Ecke = Screen->Memo1->pos();
        ASSERT_EQ(Feld.size(), Screen->Memo1->size());
        Taste(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        Screen->Parken();
        int Voll = 0;
        for (int y = 0; y < Feld.height(); ++y)
            for (int x = 0; x < Feld.width(); ++x) {
                const int f = 255 - qGreen(Feld.pixel(x, y)) * 255 / 192;
                const int b = 255 - qGreen(Bild().pixel(Ecke.x() + x, Ecke.y() + y));
                Voll += f == 255;
                ASSERT_NEAR(b, f, 4) << x << "," << y;
            }
        EXPECT_GT(Voll, 40);
    }
}
