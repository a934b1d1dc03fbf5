#pragma once
// The label and the buttons shrink their font one point at a time until the
// text fits. Fonts given in pixels (the dialogs use Arial of 12 pixels) are
// counted in whole points too, from the device's resolution.

#include <QFont>

int Punktgroesse(const QFont& Schrift, int DpiY);
