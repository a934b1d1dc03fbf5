#include "settings/einstellungen.h"

TEinstellungenForm* EinstellungenForm = nullptr;

TEinstellungenForm::TEinstellungenForm(QWidget* Parent) : QDialog(Parent) {
    EinstellungenForm = this;
    setWindowTitle(QStringLiteral("Einstellungen"));
}

TEinstellungenForm::~TEinstellungenForm() {
    if (EinstellungenForm == this) EinstellungenForm = nullptr;
}
