#pragma once
// The print dialog "Bildschirminhalt drucken": where on the paper and how
// large the picture (or the selected area) is printed, in cm from the
// paper's top-left corner, optionally keeping the picture's aspect ratio;
// the current printer, which "Einrichten..." changes for the rest of the
// run. Created once at start and kept hidden until asked for.

#include "output/drucspez.h"

#include <QDialog>
#include <memory>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPrinter;
class TBitBtn2;
class TNumEditQ;

class TDruckForm : public QDialog {
    Q_OBJECT
public:
    explicit TDruckForm(QWidget* Parent = nullptr);
    ~TDruckForm() override;

    // Width divided by height of what will be printed; 0 when that has no
    // ratio (a height or width of 0), and the ratio rules then rest.
    double fakxy = 0.0;

    void FormActivate();
    void ShowPrinterInfo();
    void DrEinrBtnClick();
    void SeitRatioClick();
    void BreiteEditChange();
    void HoeheEditChange();
    // Prints one page; the dialog closes only when the page went out.
    void DruckBtnClick();

    // The stored print values (cm) into the fields and back, through the
    // fields' own number format.
    void FelderAusEinstellungen();
    void FelderInEinstellungen();

    // Made at the first use: the print system is not touched (nor its
    // libraries' memory) before anybody prints.
    QPrinter& Drucker();

    QGroupBox* PosGroupBox;
    QGroupBox* DruckerGroupBox;
    QLabel *LiRandLab, *ObRandLab, *BreiteLab, *HoeheLab;
    TNumEditQ *LiRandEdit, *ObRandEdit, *BreiteEdit, *HoeheEdit;
    QCheckBox* SeitRatio;
    QLabel* DruckerInfo;
    TBitBtn2 *DruckBtn, *AbbrBtn, *DrEinrBtn;

protected:
    bool event(QEvent* Event) override;

private:
    void KomponentenErzeugen();
    // Prints AuswahlBmp; false after a failure the user has been told of.
    bool Drucken();
    // Makes the page; false when the printer refused it.
    bool SeiteDrucken(TDruckMasse m);
    std::unique_ptr<QPrinter> FDrucker;
};

extern TDruckForm* DruckForm;
