#include "controls/kvxspez.h"

#include <QCoreApplication>
#include <QTimer>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <stdexcept>

TEST(TextHelfer, ReplaceCharKeepsLengthAndPadsNumbers) {
    EXPECT_EQ(ReplaceChar(QString(), ' ', '0'), QString());
    EXPECT_EQ(ReplaceChar(QStringLiteral("  7"), ' ', '0'), QStringLiteral("007"));
    EXPECT_EQ(ReplaceChar(QStringLiteral("1.5"), '.', ','), QStringLiteral("1,5"));
}

TEST(TextHelfer, ReplaceTextNeverRescansInsertedText) {
    EXPECT_EQ(ReplaceText(QStringLiteral("a-b-c"), QStringLiteral("-"), QStringLiteral("--")),
              QStringLiteral("a--b--c"));
    EXPECT_EQ(ReplaceText(QStringLiteral("abc"), QString(), QStringLiteral("x")),
              QStringLiteral("abc"));
    EXPECT_EQ(ReplaceText(QStringLiteral("%docdir%\\a"), QStringLiteral("%docdir%"),
                          QStringLiteral("/home/u")),
              QStringLiteral("/home/u\\a"));
}

TEST(TextHelfer, DeleteAllRemovesOccurrencesThatDeletionCreates) {
    EXPECT_EQ(DeleteAll(QStringLiteral("1 000 000"), QStringLiteral(" ")),
              QStringLiteral("1000000"));
    EXPECT_EQ(DeleteAll(QStringLiteral("aabb"), QStringLiteral("ab")), QString());
    EXPECT_EQ(DeleteAll(QStringLiteral("abc"), QString()), QStringLiteral("abc"));
}

TEST(Zahlen, FloatToStrWDRoundsHalvesAwayFromZeroAndPads) {
    EXPECT_EQ(FloatToStrWD(150, 0, 0), QStringLiteral("150"));
    EXPECT_EQ(FloatToStrWD(7, 2, 0), QStringLiteral(" 7"));
    EXPECT_EQ(FloatToStrWD(1.25L, 0, 1), QStringLiteral("1.3"));
    EXPECT_EQ(FloatToStrWD(-1.25L, 0, 1), QStringLiteral("-1.3"));
    EXPECT_EQ(FloatToStrWD(2.5L, 0, 0), QStringLiteral("3"));
    EXPECT_EQ(FloatToStrWD(0.04L, 6, 1), QStringLiteral("   0.0"));
    EXPECT_EQ(FloatToStrWD(9.96L, 0, 1), QStringLiteral("10.0"));
    EXPECT_EQ(FloatToStrWD(16, 0, 1), QStringLiteral("16.0"));
    EXPECT_EQ(FloatToStrWD(0.5L, 0, 0), QStringLiteral("1"));
    EXPECT_EQ(FloatToStrWD(1234567.891L, 0, 2), QStringLiteral("1234567.89"));
}

TEST(Zahlen, FloatToStrWDGibtUnendlichUndNaNAlsFestenText) {
    const long double Inf = std::numeric_limits<long double>::infinity();
    const long double NaN = std::numeric_limits<long double>::quiet_NaN();
    EXPECT_EQ(FloatToStrWD(Inf, 0, 2), QStringLiteral("INF"));
    EXPECT_EQ(FloatToStrWD(-Inf, 0, 0), QStringLiteral("-INF"));
    EXPECT_EQ(FloatToStrWD(NaN, 0, 1), QStringLiteral("NAN"));
    EXPECT_EQ(FloatToStrWD(-NaN, 0, 1), QStringLiteral("NAN"));
    EXPECT_EQ(FloatToStrWD(Inf, 6, 1), QStringLiteral("   INF"));
    EXPECT_EQ(FloatToStrWD(NaN, 2, 3), QStringLiteral("NAN"));
    // The largest finite values still go through the digits.
    EXPECT_EQ(FloatToStrWD(std::numeric_limits<double>::max(), 0, 0).size(), 309);
    EXPECT_EQ(FloatToStrWD(-std::numeric_limits<long double>::denorm_min(), 0, 2),
              QStringLiteral("0.00"));
}

TEST(Zahlen, StrToIntRoundToleratesBlanksAndRoundsHalvesToEven) {
    EXPECT_EQ(StrToIntRound(QStringLiteral(" 1 2 ")), 12);
    EXPECT_EQ(StrToIntRound(QStringLiteral("12,5")), 0);
    EXPECT_EQ(StrToIntRound(QString()), 0);
    EXPECT_EQ(StrToIntRound(QStringLiteral("-")), 0);
    EXPECT_EQ(StrToIntRound(QStringLiteral("1e2")), 100);
    EXPECT_EQ(StrToIntRound(QStringLiteral("0.5")), 0);
    EXPECT_EQ(StrToIntRound(QStringLiteral("1.5")), 2);
    EXPECT_EQ(StrToIntRound(QStringLiteral("2.5")), 2);
    EXPECT_EQ(StrToIntRound(QStringLiteral("3.5")), 4);
    EXPECT_EQ(StrToIntRound(QStringLiteral("-2.5")), -2);
    EXPECT_EQ(StrToIntRound(QStringLiteral("\t5")), 0);
    EXPECT_EQ(StrToIntRound(QStringLiteral("+7")), 7);
    EXPECT_THROW(StrToIntRound(QStringLiteral("3e9")), std::range_error);
    EXPECT_EQ(StrToIntRound(QStringLiteral("-2147483648")), INT32_MIN);
}

TEST(Zahlen, MinMaxSignAndRange) {
    EXPECT_EQ(IMin(3, -2), -2);
    EXPECT_EQ(IMax(3, -2), 3);
    EXPECT_EQ(LimitRange(5, 10, 0), 0);
    EXPECT_EQ(LimitRange(-5, 0, 10), 0);
    EXPECT_EQ(LimitRange(50, 0, 10), 10);
    EXPECT_EQ(RealSign(-0.0), 0);
    EXPECT_EQ(RealSign(-1e-300), -1);
    EXPECT_EQ(RealSign(2.0), 1);
    EXPECT_EQ(Round(10.5), 10);
    EXPECT_EQ(Round(11.5), 12);
    EXPECT_EQ(Round(-0.5), 0);
}

TEST(Zahlen, SwapMemExchangesBlocks) {
    int32_t a = 5, b = -9;
    SwapMem(&a, &b, 4);
    EXPECT_EQ(a, -9);
    EXPECT_EQ(b, 5);
}

TEST(Warten, DelayMsZeroStillProcessesPendingEvents) {
    bool Lief = false;
    QTimer::singleShot(0, [&] { Lief = true; });
    DelayMs(0);
    EXPECT_TRUE(Lief);
}

TEST(Warten, DelayMsWaitsAtLeastItsTime) {
    const uint32_t t0 = GetTickCount();
    DelayMs(30);
    EXPECT_GE(GetTickCount() - t0, 30u);
}

TEST(Warten, WaitUntilTickInThePastReturnsAtOnce) {
    const uint32_t t0 = GetTickCount();
    WaitUntilTick(t0 - 1000);
    EXPECT_LT(GetTickCount() - t0, 500u);
}
