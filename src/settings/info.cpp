#include "settings/info.h"

TInfoBox* InfoBox = nullptr;

TInfoBox::TInfoBox(QWidget* Parent) : QDialog(Parent) {
    InfoBox = this;
    setWindowTitle(QStringLiteral("Info"));
}

TInfoBox::~TInfoBox() {
    if (InfoBox == this) InfoBox = nullptr;
}
