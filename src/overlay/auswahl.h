#pragma once
// The area dialog, created once at start and kept hidden until asked for.

#include <QDialog>

class TAuswahlForm : public QDialog {
    Q_OBJECT
public:
    explicit TAuswahlForm(QWidget* Parent = nullptr);
    ~TAuswahlForm() override;
};

extern TAuswahlForm* AuswahlForm;
