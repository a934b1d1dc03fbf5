#include "controls/buttons2.h"
#include "controls/numedit.h"
#include "output/druck.h"
#include "overlay/auswahl.h"
#include "settings/einstellungen.h"
#include "settings/info.h"

#include <QDialog>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QColor Face(212, 208, 200), Hell(255, 255, 255), Dunkel(0, 0, 0), Schatten(128, 128, 128);

QImage Bild(QWidget& w) {
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A dialog button of 97 by 25 with fixed colours and unsmoothed text.
struct Knopf : ::testing::Test {
    TBitBtn2 B{QStringLiteral("Abbrechen")};
    void SetUp() override {
        QPalette p;
        p.setColor(QPalette::Button, Face);
        p.setColor(QPalette::Light, Hell);
        p.setColor(QPalette::Shadow, Dunkel);
        p.setColor(QPalette::Dark, Schatten);
        p.setColor(QPalette::ButtonText, Qt::black);
        B.setPalette(p);
        B.SetColor(Face);
        QFont f(QStringLiteral("Liberation Sans"));
        f.setPixelSize(12);
        f.setStyleStrategy(QFont::NoAntialias);
        B.setFont(f);
        B.SetShadow(0);
        B.SetStyle3D(1);
        B.resize(97, 25);
    }
    // Pixels of the caption area in the given colour.
    static QSet<QPair<int, int>> Punkte(const QImage& b, QColor c) {
        QSet<QPair<int, int>> s;
        for (int y = 3; y < b.height() - 3; ++y)
            for (int x = 3; x < b.width() - 3; ++x)
                if (b.pixelColor(x, y) == c) s.insert({x, y});
        return s;
    }
    void Fokus(Qt::FocusReason Grund, QEvent::Type Art = QEvent::FocusIn) {
        QFocusEvent e(Art, Grund);
        QApplication::sendEvent(&B, &e);
    }
};

} // namespace

TEST_F(Knopf, RaisedFrameAroundTheFace) {
    const QImage b = Bild(B);
    EXPECT_EQ(b.pixelColor(0, 0), Hell);
    EXPECT_EQ(b.pixelColor(0, 23), Hell);
    EXPECT_EQ(b.pixelColor(95, 0), Hell);
    EXPECT_EQ(b.pixelColor(96, 0), Dunkel);
    EXPECT_EQ(b.pixelColor(0, 24), Dunkel);
    EXPECT_EQ(b.pixelColor(96, 24), Dunkel);
    EXPECT_EQ(b.pixelColor(1, 1), Face);
    EXPECT_EQ(b.pixelColor(95, 23), Face);
    EXPECT_FALSE(Punkte(b, Qt::black).isEmpty());
}

TEST_F(Knopf, PressedFaceIsFlatAndTheCaptionMovesOnePixel) {
    const QImage Oben = Bild(B);
    B.setDown(true);
    const QImage Unten = Bild(B);
    EXPECT_EQ(Unten.pixelColor(1, 1), Schatten);
    EXPECT_EQ(Unten.pixelColor(95, 23), Schatten);
    EXPECT_EQ(Unten.pixelColor(95, 1), Schatten);
    EXPECT_EQ(Unten.pixelColor(2, 2), Face);
    QSet<QPair<int, int>> Verschoben;
    for (auto [x, y] : Punkte(Oben, Qt::black))
        Verschoben.insert({x + 1, y + 1});
    EXPECT_EQ(Punkte(Unten, Qt::black), Verschoben);
    EXPECT_GT(Verschoben.size(), 50);
}

TEST_F(Knopf, DisabledCaptionIsEmbossed) {
    const auto Normal = Punkte(Bild(B), Qt::black);
    B.setEnabled(false);
    const QImage b = Bild(B);
    const auto Grau = Punkte(b, Schatten);
    const auto Weiss = Punkte(b, Hell);
    EXPECT_TRUE(Punkte(b, Qt::black).isEmpty());
    EXPECT_EQ(Grau, Normal);
    for (auto [x, y] : Normal) {
        if (!Normal.contains({x + 1, y + 1})) {
            EXPECT_TRUE(Weiss.contains({x + 1, y + 1}));
        }
    }
    for (auto [x, y] : Weiss)
        EXPECT_TRUE(Normal.contains({x - 1, y - 1}));
}

TEST_F(Knopf, TooWideCaptionShrinksUntilItFits) {
    B.setText(QStringLiteral("Einstellungen..."));
    B.resize(60, 25);
    ASSERT_GT(QFontMetrics(B.font()).horizontalAdvance(B.text()), 56);
    const QImage b = Bild(B);
    int Links = 1000, Rechts = -1;
    for (auto [x, y] : Punkte(b, Qt::black)) {
        Links = std::min(Links, x);
        Rechts = std::max(Rechts, x);
    }
    EXPECT_GE(Links, 2);
    EXPECT_LE(Rechts, 57);
    EXPECT_GT(Rechts - Links, 30);
    EXPECT_EQ(B.font().pixelSize(), 12);
}

TEST_F(Knopf, FocusOutlineAndFocusRectangle) {
    Fokus(Qt::TabFocusReason);
    ASSERT_TRUE(B.IsFocused());
    const QImage b = Bild(B);
    for (QPoint p : {QPoint(0, 0), QPoint(96, 0), QPoint(0, 24), QPoint(96, 24), QPoint(40, 0)})
        EXPECT_EQ(b.pixelColor(p), Dunkel) << p.x() << "," << p.y();
    EXPECT_EQ(b.pixelColor(1, 1), Hell);
    EXPECT_EQ(b.pixelColor(95, 23), Dunkel);
    const QColor Invertiert(255 - Face.red(), 255 - Face.green(), 255 - Face.blue());
    EXPECT_EQ(b.pixelColor(3, 3), Invertiert);
    EXPECT_EQ(b.pixelColor(4, 3), Face);
    EXPECT_EQ(b.pixelColor(5, 3), Invertiert);
    EXPECT_EQ(b.pixelColor(3, 21), Invertiert);
    EXPECT_EQ(b.pixelColor(3, 20), Face);
}

TEST_F(Knopf, FocusMarksStayWhileAnotherWindowHasTheFocus) {
    Fokus(Qt::TabFocusReason);
    Fokus(Qt::ActiveWindowFocusReason, QEvent::FocusOut);
    EXPECT_TRUE(B.IsFocused());
    Fokus(Qt::TabFocusReason, QEvent::FocusOut);
    EXPECT_FALSE(B.IsFocused());
    EXPECT_EQ(Bild(B).pixelColor(0, 0), Hell);
}

TEST(BitBtn2, DefaultButtonShowsNoOutlineWhileAFieldHasTheFocus) {
    QDialog d;
    auto* Feld = new TNumEditZ(&d);
    auto* Ok = new TBitBtn2(QStringLiteral("OK"), &d);
    Ok->setDefault(true);
    Ok->setGeometry(0, 40, 97, 25);
    d.show();
    d.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    Feld->setFocus(Qt::TabFocusReason);
    const QImage b = Bild(*Ok);
    EXPECT_EQ(b.pixel(0, 0), Ok->palette().color(QPalette::Light).rgb());
    Ok->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(Bild(*Ok).pixel(0, 0), Ok->palette().color(QPalette::Shadow).rgb());
}

TEST(BitBtn2, ReturnClicksTheFocusedButtonWithoutModifiers) {
    TBitBtn2 B(QStringLiteral("OK"));
    int Klicks = 0;
    QObject::connect(&B, &QAbstractButton::clicked, [&] { ++Klicks; });
    QTest::keyClick(&B, Qt::Key_Return);
    QTest::keyClick(&B, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(Klicks, 2);
    QTest::keyClick(&B, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(&B, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(Klicks, 2);
}

TEST(BitBtn2, DoubleClickCountsAsSecondPress) {
    TBitBtn2 B(QStringLiteral("OK"));
    B.resize(97, 25);
    int Klicks = 0;
    QObject::connect(&B, &QAbstractButton::clicked, [&] { ++Klicks; });
    const QPointF p(40, 12);
    for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                           QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        QMouseEvent e(t, p, B.mapToGlobal(p), Qt::LeftButton,
                      t == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
        QApplication::sendEvent(&B, &e);
    }
    EXPECT_EQ(Klicks, 2);
}

TEST(BitBtn2, ModalResultEndsTheDialogAfterTheClickHandlers) {
    QDialog d;
    auto* Weg = new TBitBtn2(QStringLiteral("Auswahl löschen"), &d);
    Weg->SetModalResult(mrAbort);
    bool Gelaufen = false;
    QObject::connect(Weg, &QAbstractButton::clicked, [&] { Gelaufen = true; });
    QTimer::singleShot(0, Weg, &QAbstractButton::click);
    EXPECT_EQ(d.exec(), mrAbort);
    EXPECT_TRUE(Gelaufen);
    auto* Ohne = new TBitBtn2(QStringLiteral("Einrichten..."), &d);
    d.setResult(0);
    Ohne->click();
    EXPECT_EQ(d.result(), 0);
}

TEST(BitBtn2, EscapeClicksTheCancelButton) {
    QDialog d;
    auto* Feld = new TNumEditZ(&d);
    auto* Abbr = new TBitBtn2(QStringLiteral("Abbrechen"), &d);
    Abbr->move(0, 40);
    Abbr->SetCancel(true);
    Abbr->SetModalResult(mrCancel);
    int Klicks = 0;
    QObject::connect(Abbr, &QAbstractButton::clicked, [&] { ++Klicks; });
    d.show();
    d.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    Feld->setFocus();
    QTest::keyClick(Feld, Qt::Key_Escape);
    EXPECT_EQ(Klicks, 1);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), mrCancel);
    Abbr->SetCancel(false);
    EXPECT_FALSE(Abbr->Cancel());
}

TEST_F(Knopf, GlyphShowsTheImageOfTheStateStretchedOverTheFace) {
    QImage g(36, 18, QImage::Format_RGB32);
    g.fill(Qt::red);
    for (int y = 0; y < 18; ++y)
        for (int x = 18; x < 36; ++x)
            g.setPixel(x, y, qRgb(0, 0, 255));
    g.setPixel(0, 17, qRgb(0, 255, 0)); // the transparent colour
    B.setText(QString());
    B.SetGlyph(g);
    B.SetNumGlyphs(2);
    B.SetNumGlyphs(0);
    EXPECT_EQ(B.NumGlyphs(), 2);
    // Style3D 1: from (Margin + 1, 1), 94 by 22 pixels.
    QImage b = Bild(B);
    EXPECT_EQ(b.pixelColor(1, 2), QColor(Qt::red));
    EXPECT_EQ(b.pixelColor(94, 2), QColor(Qt::red));
    EXPECT_EQ(b.pixelColor(95, 2), Face);
    EXPECT_EQ(b.pixelColor(1, 22), QColor(0, 255, 0));
    B.SetTransparent(true);
    b = Bild(B);
    EXPECT_EQ(b.pixelColor(1, 22), Face);
    EXPECT_EQ(b.pixelColor(2, 2), QColor(Qt::red));
    B.setDown(true); // fewer than three images: the down state shows the first
    EXPECT_EQ(Bild(B).pixelColor(2, 3), QColor(Qt::red));
    B.setDown(false);
    B.setEnabled(false); // no image for a disabled button
    EXPECT_EQ(Bild(B).pixelColor(40, 12), Face);
    B.setEnabled(true);
    B.SetNumGlyphs(9);
    EXPECT_EQ(B.NumGlyphs(), 4);
    B.SetMargin(-2);
    EXPECT_EQ(B.Margin(), 0);
}

// Every dialog button has Style3D 1 and no caption shadow: captioned in
// blue, it shows no black pixel inside its frame.
TEST(BitBtn2, DialogButtonsDrawTheirCaptionWithoutShadow) {
    TAuswahlForm Auswahl;
    TEinstellungenForm Einstellungen;
    TInfoBox Info;
    TDruckForm Druck;
    for (QDialog* d : std::initializer_list<QDialog*>{&Auswahl, &Einstellungen, &Info, &Druck})
        for (TBitBtn2* b : d->findChildren<TBitBtn2*>()) {
            QPalette p = b->palette();
            p.setColor(QPalette::ButtonText, Qt::blue);
            b->setPalette(p);
            QFont f = b->font();
            f.setStyleStrategy(QFont::NoAntialias);
            b->setFont(f);
            EXPECT_TRUE(Knopf::Punkte(Bild(*b), Qt::black).isEmpty()) << b->text().toStdString();
            EXPECT_EQ(b->Style3D(), 1) << b->text().toStdString();
        }
}
