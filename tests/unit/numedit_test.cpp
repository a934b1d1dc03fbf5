#include "controls/kvxspez.h"
#include "controls/numedit.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QLocale>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A window with the field under test and a second field to move on to.
struct Fenster : ::testing::Test {
    QWidget W;
    QLineEdit* Anderes = nullptr;
    QLocale Vorher;

    void SetUp() override {
        Anderes = new QLineEdit(&W);
        Anderes->move(0, 40);
    }
    void TearDown() override { QLocale::setDefault(Vorher); }

    void Zeigen(QWidget* Feld) {
        W.show();
        W.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&W));
        Feld->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(Feld->hasFocus());
    }
    // The user tabs to the other field.
    void Verlassen(QWidget* Feld) {
        Anderes->setFocus(Qt::TabFocusReason);
        ASSERT_FALSE(Feld->hasFocus());
    }
    void Deutsch() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
};

QString Nach(Fenster& F, TEdit2* Feld, const QString& Text) {
    Feld->setFocus(Qt::TabFocusReason);
    Feld->setText(Text);
    F.Verlassen(Feld);
    return Feld->text();
}

} // namespace

TEST_F(Fenster, KeyFilterRefusesWhatCannotBelongToANumber) {
    auto* Q = new TNumEditQ(&W);
    auto* Z = new TNumEditZ(&W);
    Q->clear();
    Z->clear();
    QTest::keyClicks(Q, QStringLiteral("a1 b,2.-x9"));
    QTest::keyClick(Z, Qt::Key_A, Qt::AltModifier);
    QTest::keyClicks(Z, QStringLiteral("a1 ,2.-x9"));
    EXPECT_EQ(Q->text(), QStringLiteral("1,2.-9"));
    EXPECT_EQ(Z->text(), QStringLiteral("12-9"));
}

TEST_F(Fenster, ControlKeysPassTheFilter) {
    auto* Z = new TNumEditZ(&W);
    Zeigen(Z);
    Z->setText(QStringLiteral("123"));
    QTest::keyClick(Z, Qt::Key_Backspace);
    EXPECT_EQ(Z->text(), QStringLiteral("12"));
    QTest::keyClick(Z, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(Z, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(Z, Qt::Key_End);
    QTest::keyClick(Z, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Z->text(), QStringLiteral("1212"));
    QTest::keyClick(Z, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Z->text(), QStringLiteral("12"));
    QTest::keyClick(Z, Qt::Key_Home);
    QTest::keyClick(Z, Qt::Key_Delete);
    EXPECT_EQ(Z->text(), QStringLiteral("2"));
}

TEST_F(Fenster, PastedLettersAreNotFilteredAndBecomeZero) {
    Deutsch();
    auto* Q = new TNumEditQ(&W);
    Zeigen(Q);
    Q->clear();
    QApplication::clipboard()->setText(QStringLiteral("abc"));
    QTest::keyClick(Q, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Q->text(), QStringLiteral("abc"));
    Verlassen(Q);
    EXPECT_EQ(Q->text(), QStringLiteral("0,0"));
}

TEST_F(Fenster, DecimalFieldUsesTheLocaleSeparator) {
    auto* Q = new TNumEditQ(&W);
    Zeigen(Q);
    Deutsch();
    EXPECT_EQ(Nach(*this, Q, QStringLiteral("2.5")), QStringLiteral("2,5"));
    EXPECT_EQ(Nach(*this, Q, QStringLiteral("1,26")), QStringLiteral("1,3"));
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(Nach(*this, Q, QStringLiteral("2.5")), QStringLiteral("2.5"));
    EXPECT_EQ(Nach(*this, Q, QStringLiteral("2,5")), QStringLiteral("2.5"));
}

TEST_F(Fenster, NewDecimalFieldShowsZeroWithOneDecimalAndIs81Wide) {
    Deutsch();
    auto* Q = new TNumEditQ;
    EXPECT_EQ(Q->text(), QStringLiteral("0,0"));
    auto* Layout = new QHBoxLayout(&W);
    Layout->addWidget(Q);
    Layout->addWidget(new TNumEditZ);
    W.resize(600, 60);
    W.show();
    EXPECT_EQ(Q->width(), 81);
    Q->SetNkst(2);
    Q->SetFloat(-1.005L);
    EXPECT_EQ(Q->text(), QStringLiteral("-1,01"));
}

TEST(NumEditQ, GetFloatReadsBothSeparatorsAndNothingElse) {
    TNumEditQ Q;
    auto Lesen = [&](const char* t) {
        Q.setText(QString::fromUtf8(t));
        return Q.GetFloat();
    };
    EXPECT_EQ(Lesen("2,5"), 2.5L);
    EXPECT_EQ(Lesen("2.5"), 2.5L);
    EXPECT_EQ(Lesen("  -2.5e1"), -25.0L);
    EXPECT_EQ(Lesen("+.5"), 0.5L);
    EXPECT_EQ(Lesen("1.234,5"), 0);
    EXPECT_EQ(Lesen("2.5 "), 0);
    EXPECT_EQ(Lesen(""), 0);
    EXPECT_EQ(Lesen("."), 0);
    EXPECT_EQ(Lesen("-7,9"), -7.9L);
    EXPECT_EQ(Q.GetInt(), -7);
    Lesen("1e30");
    EXPECT_EQ(Q.GetInt(), INT32_MAX);
}

TEST_F(Fenster, DecimalBeyondEveryRealBecomesZeroInsteadOfGarbage) {
    Deutsch();
    auto* Q = new TNumEditQ(&W);
    Zeigen(Q);
    EXPECT_EQ(Nach(*this, Q, QStringLiteral("1e5000")), QStringLiteral("0,0"));
}

TEST_F(Fenster, IntegerFieldClampsAndRewritesWhenLeft) {
    auto* Z = new TNumEditZ(&W);
    Z->SetMinValue(25);
    Z->SetMaxValue(100);
    Zeigen(Z);
    EXPECT_EQ(Nach(*this, Z, QStringLiteral("7")), QStringLiteral("25"));
    EXPECT_EQ(Nach(*this, Z, QStringLiteral("500")), QStringLiteral("100"));
    EXPECT_EQ(Nach(*this, Z, QString()), QStringLiteral("25"));
    EXPECT_EQ(Nach(*this, Z, QStringLiteral(" 0 4 2 ")), QStringLiteral("42"));
    EXPECT_EQ(Nach(*this, Z, QStringLiteral("42,5")), QStringLiteral("25"));
    EXPECT_EQ(Nach(*this, Z, QStringLiteral("42.5")), QStringLiteral("42"));
    EXPECT_EQ(Nach(*this, Z, QStringLiteral("43.5")), QStringLiteral("44"));
    EXPECT_EQ(Nach(*this, Z, QStringLiteral("0099")), QStringLiteral("99"));
}

TEST_F(Fenster, IntegerBeyond32BitsGivesTheBoundOnItsSide) {
    auto* Z = new TNumEditZ(&W);
    Z->SetMinValue(25);
    Z->SetMaxValue(100);
    Zeigen(Z);
    Z->setText(QStringLiteral("99999999999"));
    EXPECT_EQ(Z->GetInt(), 100);
    EXPECT_EQ(Z->Value(), 100);
    Z->setText(QStringLiteral("-99999999999"));
    EXPECT_EQ(Z->GetInt(), 25);
    EXPECT_NO_THROW(Nach(*this, Z, QStringLiteral("99999999999")));
    EXPECT_EQ(Z->text(), QStringLiteral("100"));
    EXPECT_EQ(Nach(*this, Z, QStringLiteral("-1e99")), QStringLiteral("25"));
    // Typed key by key into a field without bounds.
    auto* Frei = new TNumEditZ(&W);
    Frei->show();
    Frei->setFocus(Qt::TabFocusReason);
    Frei->clear();
    EXPECT_NO_THROW(QTest::keyClicks(Frei, QStringLiteral("99999999999")));
    Verlassen(Frei);
    EXPECT_EQ(Frei->text(), QStringLiteral("2147483647"));
}

TEST(NumEditZ, SetIntClampsIntoTheBounds) {
    TNumEditZ Z;
    EXPECT_EQ(Z.text(), QStringLiteral("0"));
    EXPECT_EQ(Z.MinValue(), 0);
    EXPECT_EQ(Z.MaxValue(), INT32_MAX);
    Z.SetMinValue(1);
    Z.SetMaxValue(999);
    Z.SetInt(0);
    EXPECT_EQ(Z.text(), QStringLiteral("1"));
    Z.SetInt(1000);
    EXPECT_EQ(Z.text(), QStringLiteral("999"));
    Z.SetInt(-5);
    EXPECT_EQ(Z.text(), QStringLiteral("1"));
    // Before the field is left, GetInt gives the text's value as it is.
    Z.setText(QStringLiteral("5000"));
    EXPECT_EQ(Z.GetInt(), 5000);
}

TEST(NumEditZ, CrossedBoundsLetMaxValueWin) {
    TNumEditZ Z;
    Z.SetMinValue(50);
    Z.SetMaxValue(10);
    Z.SetInt(5);
    EXPECT_EQ(Z.text(), QStringLiteral("10"));
    Z.SetInt(70);
    EXPECT_EQ(Z.text(), QStringLiteral("10"));
    Z.setText(QStringLiteral("-99999999999"));
    EXPECT_EQ(Z.GetInt(), 10);
}

TEST_F(Fenster, PopupOrOtherWindowLeavesTheHalfTypedValue) {
    auto* Z = new TNumEditZ(&W);
    Z->SetMinValue(25);
    Z->SetMaxValue(100);
    Zeigen(Z);
    Z->setText(QStringLiteral("7"));
    for (Qt::FocusReason Grund : {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason}) {
        QFocusEvent Weg(QEvent::FocusOut, Grund);
        QApplication::sendEvent(Z, &Weg);
        EXPECT_EQ(Z->text(), QStringLiteral("7")) << Grund;
    }
    // A second window taking the focus is no move to another control either.
    QLineEdit Zweites;
    Zweites.show();
    Zweites.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Zweites));
    EXPECT_EQ(Z->text(), QStringLiteral("7"));
    W.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&W));
    EXPECT_TRUE(Z->hasFocus());
    Verlassen(Z);
    EXPECT_EQ(Z->text(), QStringLiteral("25"));
}

TEST(StrToIntRoundNoThrow, GivesTheBoundsInsteadOfThrowing) {
    EXPECT_EQ(StrToIntRoundNoThrow(QStringLiteral("3e9")), INT32_MAX);
    EXPECT_EQ(StrToIntRoundNoThrow(QStringLiteral("-3e9")), INT32_MIN);
    EXPECT_EQ(StrToIntRoundNoThrow(QStringLiteral("1e999"), 1, 999), 999);
    EXPECT_EQ(StrToIntRoundNoThrow(QStringLiteral("-1e999"), 1, 999), 1);
    EXPECT_EQ(StrToIntRoundNoThrow(QStringLiteral(" 2 . 5 "), 1, 999), 2);
    EXPECT_EQ(StrToIntRoundNoThrow(QStringLiteral("x"), 1, 999), 0);
    EXPECT_EQ(StrToIntRoundNoThrow(QStringLiteral("-2147483648")), INT32_MIN);
}
