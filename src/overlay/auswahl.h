#pragma once
// The area dialog: sets the selected area by numbers. Created once at start
// and kept hidden until asked for ("Auswahlbereich...", F2).

#include <QDialog>

class QGroupBox;
class QLabel;
class TBitBtn2;
class TNumEditZ;

class TAuswahlForm : public QDialog {
    Q_OBJECT
public:
    explicit TAuswahlForm(QWidget* Parent = nullptr);
    ~TAuswahlForm() override;

    // Shows the dialog over the overlay, or the tool window before the first
    // Start, and waits until it is closed.
    int Zeigen();

    // Loads the fields from the area (-1, 0, -1, 0 without one).
    void FormActivate();
    void OkBtnClick();
    void LoeschenBtnClick();

    QGroupBox* GroupBox1;
    QLabel *LinksLab, *ObenLab, *BreiteLab, *HoeheLab;
    TNumEditZ *LinksEdit, *ObenEdit, *BreiteEdit, *HoeheEdit;
    TBitBtn2 *OkBtn, *LoeschenBtn, *AbbrechenBtn;

protected:
    void showEvent(QShowEvent* Event) override;
};

extern TAuswahlForm* AuswahlForm;
