#include "toolwindow/blattanzahl.h"

TBlattAnzahlForm* BlattAnzahlForm = nullptr;

TBlattAnzahlForm::TBlattAnzahlForm(QWidget* Parent) : QDialog(Parent) {
    BlattAnzahlForm = this;
}

TBlattAnzahlForm::~TBlattAnzahlForm() {
    if (BlattAnzahlForm == this) BlattAnzahlForm = nullptr;
}
