#pragma once
// The print dialog, created once at start and kept hidden until asked for.

#include <QDialog>

class TDruckForm : public QDialog {
    Q_OBJECT
public:
    explicit TDruckForm(QWidget* Parent = nullptr);
    ~TDruckForm() override;
};

extern TDruckForm* DruckForm;
