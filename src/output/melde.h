#pragma once
// The transient message window, created once at start and kept hidden.

#include <QDialog>

class TMeldForm : public QDialog {
    Q_OBJECT
public:
    explicit TMeldForm(QWidget* Parent = nullptr);
    ~TMeldForm() override;
};

extern TMeldForm* MeldForm;
