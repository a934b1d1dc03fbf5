// Arrows and double arrows. The head lines are computed per quadrant from a
// sine and the Pythagorean remainder, with single-precision intermediate
// values, so that every head lands on the same pixels everywhere.

#include "overlay/groessen.h"
#include "overlay/pfeil.h"
#include "overlay/scrwin.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double Pi = std::numbers::pi;
constexpr float Oeffnung = 0.34906584f; // half opening angle, 20 degrees

// Direction from (x1, y1) to (x2, y2) in [0, 2 pi), y pointing down.
float Richtung(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    if (x2 == x1) return static_cast<float>(y2 > y1 ? Pi / 2 : 3 * Pi / 2);
    float h = static_cast<float>(std::atan(static_cast<double>(y2 - y1) / (x2 - x1)));
    if (x1 > x2)
        h = static_cast<float>(h + Pi);
    else if (y2 < y1)
        h = static_cast<float>(h + 2 * Pi);
    return h;
}

// dx from the side s of the right triangle with hypotenuse L.
int32_t Rest(int32_t L, float s) {
    const double ss = static_cast<double>(s) * static_cast<double>(s);
    return Round(std::sqrt(static_cast<double>(L * L) - ss));
}

QPoint ErsteLinie(double a, int32_t L) {
    if (a <= 0 || a > 3 * Pi / 2) {
        const float s = static_cast<float>(L * std::sin(-a));
        return {-Rest(L, s), Round(s)};
    }
    if (a <= Pi / 2) {
        const float s = static_cast<float>(L * std::sin(Pi - a));
        return {-Rest(L, s), -Round(s)};
    }
    if (a <= Pi) {
        const float s = static_cast<float>(L * std::sin(Pi - a));
        return {Rest(L, s), -Round(s)};
    }
    const float s = static_cast<float>(L * std::sin(a - Pi));
    return {Rest(L, s), Round(s)};
}

QPoint ZweiteLinie(double a, int32_t L) {
    if (a <= Pi / 2 || a > 2 * Pi) {
        const float s = static_cast<float>(L * std::sin(a));
        return {-Rest(L, s), -Round(s)};
    }
    if (a <= Pi) {
        const float s = static_cast<float>(L * std::sin(Pi - a));
        return {Rest(L, s), -Round(s)};
    }
    const float s = static_cast<float>(L * std::sin(a - Pi));
    if (a <= 3 * Pi / 2) return {Rest(L, s), Round(s)};
    return {-Rest(L, s), Round(s)};
}

} // namespace

TPfeilKopf PfeilKopf(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t L) {
    const double h = Richtung(x1, y1, x2, y2);
    const QPoint Spitze(x2, y2);
    return {Spitze + ErsteLinie(h - static_cast<double>(Oeffnung), L),
            Spitze + ZweiteLinie(h + static_cast<double>(Oeffnung), L)};
}

void TScreenForm::PfeilFigur(int32_t x1, int32_t y1, int32_t x2, int32_t y2, bool Schaft,
                             int32_t L) {
    TCanvas& c = Canvas();
    if (Schaft) c.Line(x1, y1, x2, y2);
    const TPfeilKopf k = PfeilKopf(x1, y1, x2, y2, L);
    c.Line(x2, y2, k.Ende1.x(), k.Ende1.y());
    c.Line(x2, y2, k.Ende2.x(), k.Ende2.y());
}

void TScreenForm::ZeichnePfeil(int32_t x1, int32_t y1, int32_t x2, int32_t y2, bool Schaft) {
    PfeilFigur(x1, y1, x2, y2, Schaft, PfeilLaenge(ToolForm->Sdicke));
}

void TScreenForm::ZeichneDoppelpfeil(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    ZeichnePfeil(x1, y1, x2, y2, true);
    ZeichnePfeil(x2, y2, x1, y1, false);
}
