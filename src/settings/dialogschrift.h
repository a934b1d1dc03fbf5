#pragma once
// The font of the info box and the settings dialog: Arial of 12 pixels,
// which Liberation Sans matches metric for metric.

#include <QFont>

inline QFont DialogSchrift(int Pixel = 12, bool Fett = false) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(Pixel);
    f.setBold(Fett);
    return f;
}
