#pragma once
// Nearest-neighbour enlargement row by row, shared by the zoom view and the
// lens: each target column shows one picture column.

#include <QRgb>
#include <algorithm>
#include <cstdint>
#include <vector>

struct TSpaltenAbbildung {
    std::vector<int32_t> Quelle; // the picture column of each target column
    // The target columns Anfang to Ende - 1 lie inside the picture. They form
    // one run, because the picture column never decreases from left to right.
    int Anfang = 0, Ende = 0;
};

// Spalte(i) gives the picture column of target column i; Breite is the
// picture's width.
template <typename F> TSpaltenAbbildung SpaltenAbbilden(int n, int32_t Breite, F Spalte) {
    TSpaltenAbbildung a;
    a.Quelle.resize(static_cast<size_t>(n));
    a.Anfang = n;
    for (int i = 0; i < n; ++i) {
        const int32_t s = Spalte(i);
        a.Quelle[static_cast<size_t>(i)] = s;
        if (s >= 0 && s < Breite) {
            a.Anfang = std::min(a.Anfang, i);
            a.Ende = i + 1;
        }
    }
    a.Ende = std::max(a.Ende, a.Anfang);
    return a;
}

// Fills the target row d from the picture row s; Rand outside the picture.
inline void ZeileAbbilden(QRgb* d, const QRgb* s, const TSpaltenAbbildung& a, QRgb Rand) {
    const int n = static_cast<int>(a.Quelle.size());
    const int32_t* q = a.Quelle.data();
    std::fill(d, d + a.Anfang, Rand);
    for (int i = a.Anfang; i < a.Ende; ++i)
        d[i] = s[q[i]];
    std::fill(d + a.Ende, d + n, Rand);
}
