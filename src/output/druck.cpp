#include "output/druck.h"

TDruckForm* DruckForm = nullptr;

TDruckForm::TDruckForm(QWidget* Parent) : QDialog(Parent) {
    DruckForm = this;
    setWindowTitle(QStringLiteral("Bildschirminhalt drucken"));
}

TDruckForm::~TDruckForm() {
    if (DruckForm == this) DruckForm = nullptr;
}
