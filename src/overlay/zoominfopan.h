#pragma once
// The zoom view's read-out panel: zoom percentage, picture coordinates in
// brackets, a swatch and the code of the colour under the pointer.

#include "platform/tcolor.h"

#include <QFrame>
#include <QString>

class QLabel;

// "#" and two upper-case hexadecimal digits each for red, green and blue.
QString FarbCode(TColor c);

class TZoomInfoPan : public QFrame {
    Q_OBJECT
public:
    explicit TZoomInfoPan(QWidget* Parent = nullptr);

    // The panel's colour, which the swatch takes when there is no colour.
    static constexpr TColor Grundfarbe = clWhite;
    void SwatchFarbe(TColor c);

    QLabel* ZoomPanZoomLab;
    QLabel* ZoomPanKlammern;
    QLabel* ZoomPanXLab;
    QLabel* ZoomPanYLab;
    QLabel* ZoomPanColLab2;
    QLabel* ZoomPanColLab;
};
