// Moving rectangles into bounds, with integers and with reals.

#include "overlay/einpassen.h"

#include <array>
#include <gtest/gtest.h>

namespace {

std::array<int32_t, 4> Int(int32_t L, int32_t T, int32_t R, int32_t B, int32_t minX, int32_t minY,
                           int32_t maxX, int32_t maxY) {
    RectEinpassen(L, T, R, B, minX, minY, maxX, maxY);
    return {L, T, R, B};
}

std::array<float, 4> Real(float L, float T, float R, float B, float minX, float minY, float maxX,
                          float maxY) {
    FloatRectEinpassen(L, T, R, B, minX, minY, maxX, maxY);
    return {L, T, R, B};
}

} // namespace

TEST(Einpassen, EinPassendesRechteckBleibt) {
    EXPECT_EQ(Int(10, 20, 30, 40, 0, 0, 100, 100), (std::array<int32_t, 4>{10, 20, 30, 40}));
    EXPECT_EQ(Int(0, 0, 100, 100, 0, 0, 100, 100), (std::array<int32_t, 4>{0, 0, 100, 100}));
}

TEST(Einpassen, UeberDieRaenderWirdVerschobenNichtVerkleinert) {
    EXPECT_EQ(Int(-5, -7, 15, 13, 0, 0, 100, 100), (std::array<int32_t, 4>{0, 0, 20, 20}));
    EXPECT_EQ(Int(90, 95, 110, 105, 0, 0, 100, 100), (std::array<int32_t, 4>{80, 90, 100, 100}));
}

TEST(Einpassen, ZuGrossEndetAnDerUnterenGrenzeUndWirdObenAbgeschnitten) {
    EXPECT_EQ(Int(-10, 0, 150, 10, 0, 0, 100, 100), (std::array<int32_t, 4>{0, 0, 100, 10}));
    EXPECT_EQ(Int(50, 30, 250, 40, 0, 0, 100, 100), (std::array<int32_t, 4>{0, 30, 100, 40}));
}

TEST(Einpassen, RealeKoordinatenMitBruchteilen) {
    EXPECT_EQ(Real(-1.5f, 2.25f, 318.5f, 242.25f, -1.0f, -1.0f, 321.0f, 241.0f),
              (std::array<float, 4>{-1.0f, 1.0f, 319.0f, 241.0f}));
}

TEST(Einpassen, EntartetesRechteckKlemmtEinenPunkt) {
    // The zoom view's offsets: clamped into minX..0 and minY..0.
    EXPECT_EQ(Real(5.0f, -5000.0f, 5.0f, -5000.0f, -1920.0f, -1080.0f, 0.0f, 0.0f),
              (std::array<float, 4>{0.0f, -1080.0f, 0.0f, -1080.0f}));
    EXPECT_EQ(Real(-960.5f, -20.0f, -960.5f, -20.0f, -1920.0f, -1080.0f, 0.0f, 0.0f),
              (std::array<float, 4>{-960.5f, -20.0f, -960.5f, -20.0f}));
    // A lower bound above 0 wins.
    EXPECT_EQ(Real(-3.0f, 7.0f, -3.0f, 7.0f, 10.0f, 2.0f, 0.0f, 0.0f)[0], 10.0f);
    EXPECT_EQ(Real(-3.0f, 7.0f, -3.0f, 7.0f, 10.0f, 2.0f, 0.0f, 0.0f)[1], 2.0f);
}
