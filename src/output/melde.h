#pragma once
// The transient message window: a small always-on-top window with one
// centred text, shown while a longer operation runs and hidden again by the
// caller. Created once at start and kept hidden.

#include <QDialog>

class QFrame;
class TShadowLabel;

class TMeldForm : public QDialog {
    Q_OBJECT
public:
    explicit TMeldForm(QWidget* Parent = nullptr);
    ~TMeldForm() override;

    // Shows s ("|" breaks a line) without taking the keyboard, paints at
    // once and lets pending events run; the window stays until hidden.
    void Zeigen(const QString& s);

    QFrame* Panel1;
    TShadowLabel* InfoLab;

private:
    void Zentrieren();
};

extern TMeldForm* MeldForm;
