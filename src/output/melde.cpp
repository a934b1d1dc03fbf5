#include "output/melde.h"

TMeldForm* MeldForm = nullptr;

TMeldForm::TMeldForm(QWidget* Parent) : QDialog(Parent) {
    MeldForm = this;
    setWindowTitle(QStringLiteral("Information"));
}

TMeldForm::~TMeldForm() {
    if (MeldForm == this) MeldForm = nullptr;
}
