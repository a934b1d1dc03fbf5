#include "platform/farbwahl.h"

#include <QColorDialog>

namespace {

TFarbWaehler& Waehler() {
    static TFarbWaehler w;
    return w;
}

} // namespace

void SetFarbWaehler(TFarbWaehler w) {
    Waehler() = std::move(w);
}

bool FarbeWaehlen(TColor& Farbe) {
    if (Waehler()) return Waehler()(Farbe);
    // Qt's own picker shows the full colour editor at once.
    const QColor Neu = QColorDialog::getColor(QColor::fromRgb(TColorToQRgb(Farbe)), nullptr,
                                              QString(), QColorDialog::DontUseNativeDialog);
    if (!Neu.isValid()) return false;
    Farbe = QRgbToTColor(Neu.rgb());
    return true;
}
