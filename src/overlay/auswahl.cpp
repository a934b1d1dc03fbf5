#include "overlay/auswahl.h"

TAuswahlForm* AuswahlForm = nullptr;

TAuswahlForm::TAuswahlForm(QWidget* Parent) : QDialog(Parent) {
    AuswahlForm = this;
    setWindowTitle(QStringLiteral("Auswahlbereich"));
}

TAuswahlForm::~TAuswahlForm() {
    if (AuswahlForm == this) AuswahlForm = nullptr;
}
