#pragma once
// The info box, created once at start and kept hidden until asked for.

#include <QDialog>

class TInfoBox : public QDialog {
    Q_OBJECT
public:
    explicit TInfoBox(QWidget* Parent = nullptr);
    ~TInfoBox() override;
};

extern TInfoBox* InfoBox;
