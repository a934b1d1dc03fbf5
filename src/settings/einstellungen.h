#pragma once
// The settings dialog, created once at start and kept hidden until asked for.

#include <QDialog>

class TEinstellungenForm : public QDialog {
    Q_OBJECT
public:
    explicit TEinstellungenForm(QWidget* Parent = nullptr);
    ~TEinstellungenForm() override;
};

extern TEinstellungenForm* EinstellungenForm;
