#pragma once
// The sheet dialog, created once at start and kept hidden until asked for.

#include <QDialog>

class TBlattAnzahlForm : public QDialog {
    Q_OBJECT
public:
    explicit TBlattAnzahlForm(QWidget* Parent = nullptr);
    ~TBlattAnzahlForm() override;
};

extern TBlattAnzahlForm* BlattAnzahlForm;
