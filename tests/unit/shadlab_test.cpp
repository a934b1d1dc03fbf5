#include "controls/shadlab.h"

#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

namespace {

const QRgb Weiss = qRgb(255, 255, 255), Schwarz = qRgb(0, 0, 0), Grau = qRgb(128, 128, 128);

// Unsmoothed text, so every pixel is either text or background.
QFont Schrift(int Punkte) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSize(Punkte);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

struct Label : ::testing::Test {
    TShadowLabel L;
    void SetUp() override {
        QPalette p = L.palette();
        p.setColor(QPalette::Window, Qt::white);
        p.setColor(QPalette::WindowText, Qt::black);
        L.setPalette(p);
        L.setFont(Schrift(12));
        L.SetShadow(0);
    }
    QImage Bild() { return L.grab().toImage().convertToFormat(QImage::Format_RGB32); }
    // Text drawn plainly at the label's size, top left, for comparison.
    QImage Vorlage(const QString& Text, int Punkte, int Flags = Qt::AlignLeft | Qt::AlignTop) {
        QImage b(L.size(), QImage::Format_RGB32);
        b.fill(Weiss);
        QPainter p(&b);
        p.setFont(Schrift(Punkte));
        p.setPen(Qt::black);
        p.drawText(b.rect(), Flags, Text);
        return b;
    }
};

// Rows that hold text pixels.
std::vector<bool> Tintenzeilen(const QImage& b) {
    std::vector<bool> z(b.height());
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            if (b.pixel(x, y) != Weiss) z[y] = true;
    return z;
}

int Baender(const std::vector<bool>& z) {
    int n = 0;
    for (size_t y = 0; y < z.size(); ++y)
        if (z[y] && (y == 0 || !z[y - 1])) ++n;
    return n;
}

} // namespace

TEST(ShadowLabel, NewLabelHasItsDefaults) {
    TShadowLabel L;
    EXPECT_EQ(L.Shadow(), 1);
    EXPECT_EQ(L.ShadowColor(), QColor(Qt::black));
    EXPECT_EQ(L.size(), QSize(120, 30));
    EXPECT_EQ(L.text(), QStringLiteral("ShadowLabel"));
    EXPECT_FALSE(L.AutoSize());
}

TEST_F(Label, BarBreaksTheLine) {
    L.resize(100, 60);
    L.setText(QStringLiteral("a|b"));
    const QImage b = Bild();
    EXPECT_EQ(Baender(Tintenzeilen(b)), 2);
    EXPECT_EQ(b, Vorlage(QStringLiteral("a\nb"), 12));
}

TEST_F(Label, TextThatFitsIsDrawnUnchanged) {
    L.resize(200, 40);
    L.setText(QStringLiteral("Hallo &Welt"));
    EXPECT_EQ(Bild(), Vorlage(QStringLiteral("Hallo &Welt"), 12, Qt::TextShowMnemonic));
}

TEST_F(Label, ShadowIsACopyAtTheOffsetBehindTheText) {
    L.resize(150, 40);
    L.setText(QStringLiteral("Schatten"));
    const QImage Ohne = Bild();
    L.SetShadow(2);
    L.SetShadowColor(QColor(Grau));
    const QImage Mit = Bild();
    int Schattenpunkte = 0;
    for (int y = 0; y < Mit.height(); ++y)
        for (int x = 0; x < Mit.width(); ++x) {
            const bool Text = Ohne.pixel(x, y) == Schwarz;
            const bool Versetzt = x >= 2 && y >= 2 && Ohne.pixel(x - 2, y - 2) == Schwarz;
            const QRgb Soll = Text ? Schwarz : Versetzt ? Grau : Weiss;
            ASSERT_EQ(Mit.pixel(x, y), Soll) << x << "," << y;
            Schattenpunkte += !Text && Versetzt;
        }
    EXPECT_GT(Schattenpunkte, 20);
}

TEST_F(Label, LongTextShrinksToSevenPointsThenLosesWords) {
    const QStringList Woerter =
        QStringLiteral("Dieser Text passt nie und nimmer in ein so kleines Feld").split(QChar(' '));
    L.resize(120, 20);
    L.setText(Woerter.join(QChar(' ')));
    ASSERT_GT(QFontMetrics(Schrift(7)).horizontalAdvance(L.text()), 120);
    const QImage b = Bild();
    int Treffer = -1;
    for (int k = 1; k < Woerter.size(); ++k)
        if (b == Vorlage(QStringList(Woerter.mid(0, k)).join(QChar(' ')) + " ...", 7)) Treffer = k;
    EXPECT_GT(Treffer, 1);
    // The label's own font is untouched.
    EXPECT_EQ(L.font().pointSize(), 12);
}

TEST_F(Label, SingleWordThatNeverFitsBecomesDots) {
    L.resize(40, 20);
    L.setText(QStringLiteral("Donaudampfschifffahrt"));
    EXPECT_EQ(Bild(), Vorlage(QStringLiteral("..."), 7));
}

TEST_F(Label, SlightlyTooLongTextOnlyShrinks) {
    L.setText(QStringLiteral("Mittellang"));
    const QFontMetrics m12(Schrift(12)), m11(Schrift(11));
    L.resize(m12.horizontalAdvance(L.text()) - 2, 30);
    ASSERT_LE(m11.horizontalAdvance(L.text()), L.width());
    EXPECT_EQ(Bild(), Vorlage(L.text(), 11));
}

TEST_F(Label, AutoSizeNeitherShrinksNorCuts) {
    L.setText(QStringLiteral("Ein recht langer Text ohne Ende"));
    L.SetAutoSize(true);
    EXPECT_GT(L.width(), 120);
    EXPECT_EQ(Bild(), Vorlage(L.text(), 12));
}

TEST_F(Label, AlignmentBothWays) {
    L.resize(200, 60);
    L.setText(QStringLiteral("Mitte"));
    L.setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    const int h = QFontMetrics(Schrift(12)).height();
    QImage Soll(L.size(), QImage::Format_RGB32);
    Soll.fill(Weiss);
    QPainter p(&Soll);
    p.setFont(Schrift(12));
    p.drawText(QRect(0, (60 - h) / 2, 200, 60), Qt::AlignHCenter | Qt::AlignTop, L.text());
    p.end();
    EXPECT_EQ(Bild(), Soll);
    // Taller than the label: stays at the top edge.
    L.resize(200, 20);
    L.setText(QStringLiteral("a|b|c"));
    L.SetAutoSize(true);
    L.resize(200, 20);
    EXPECT_EQ(Bild(), Vorlage(QStringLiteral("a\nb\nc"), 12, Qt::AlignHCenter | Qt::AlignTop));
}

TEST_F(Label, TransparentLabelLeavesTheBackground) {
    L.resize(100, 30);
    L.setText(QString());
    EXPECT_EQ(Bild().pixel(5, 5), Weiss);
    L.SetTransparent(true);
    QWidget Eltern;
    Eltern.setAutoFillBackground(true);
    QPalette p;
    p.setColor(QPalette::Window, QColor(10, 200, 30));
    Eltern.setPalette(p);
    L.setParent(&Eltern);
    L.setPalette(QPalette(Qt::white)); // the label's own colour must not show
    EXPECT_EQ(Eltern.grab().toImage().pixel(5, 5), qRgb(10, 200, 30));
    L.setParent(nullptr);
}

TEST_F(Label, SettersRepaintOnlyOnChange) {
    struct Zaehler : QObject {
        int n = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            n += e->type() == QEvent::Paint;
            return false;
        }
    } z;
    L.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&L));
    QCoreApplication::processEvents();
    L.installEventFilter(&z);
    L.SetShadow(0);
    L.SetShadowColor(Qt::black);
    QCoreApplication::processEvents();
    EXPECT_EQ(z.n, 0);
    L.SetShadow(3);
    QCoreApplication::processEvents();
    EXPECT_EQ(z.n, 1);
    L.SetShadowColor(Qt::red);
    QCoreApplication::processEvents();
    EXPECT_EQ(z.n, 2);
}

TEST_F(Label, WordWrapBreaksBetweenWords) {
    L.resize(60, 80);
    L.setWordWrap(true);
    L.setText(QStringLiteral("Haus Baum Boot"));
    const QImage b = Bild();
    EXPECT_EQ(Baender(Tintenzeilen(b)), 3);
    EXPECT_EQ(b, Vorlage(L.text(), 12, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap));
}

TEST_F(Label, TabsAreExpanded) {
    L.resize(200, 30);
    L.setText(QStringLiteral("a\tb"));
    const QImage b = Bild();
    EXPECT_EQ(b, Vorlage(L.text(), 12, Qt::AlignLeft | Qt::AlignTop | Qt::TextExpandTabs));
    // The "b" stands at the first tab stop, far beyond a blank's width.
    int Rechts = -1;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            if (b.pixel(x, y) != Weiss) Rechts = std::max(Rechts, x);
    EXPECT_GT(Rechts, QFontMetrics(Schrift(12)).horizontalAdvance(QStringLiteral("a  b")) + 10);
}
