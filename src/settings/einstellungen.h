#pragma once
// The settings dialog: pointer, automatic start and end, wheel zoom,
// automatic screenshot, the monitor to freeze, the two folders, the size of
// the tool buttons and the extra colours. Each opening loads the controls
// from the settings variables; Uebernehmen copies them back and refreshes
// the tool window and the overlay at once. Created once at start and kept
// hidden between uses.

#include "platform/tcolor.h"

#include <QDialog>
#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QCheckBox;
class TBitBtn2;
class TNumEditZ;

// The folders an empty folder field stands for.
extern const QString StandardScreenshotDir;
extern const QString StandardEmailDir;

class TEinstellungenForm : public QDialog {
    Q_OBJECT
public:
    explicit TEinstellungenForm(QWidget* Parent = nullptr);
    ~TEinstellungenForm() override;

    // Loads every control from the settings variables.
    void FormActivate();
    // Lets the user pick a new colour for panel n (1 to 10); only the panel
    // changes until the dialog is confirmed.
    void ZusatzColPanClick(int n);
    // Copies the controls into the settings variables, in order, and
    // refreshes the tool window and the overlay; never fails half-way.
    void Uebernehmen();

    TColor PanelFarbe(int n) const;
    void SetPanelFarbe(int n, TColor Farbe);

    QRadioButton* RadioMauszeiger1;
    QRadioButton* RadioMauszeiger2;
    QCheckBox* AutoOpenCheck;
    QCheckBox* AutoCloseCheck;
    QCheckBox* MausradZoomCheck;
    QCheckBox* AutoScreenshotCheck;
    QRadioButton* RadioScreen0;
    QRadioButton* RadioScreen1;
    QRadioButton* RadioScreen2;
    QLabel* ToolSizeXLab;
    TNumEditZ* ToolSizeXEdit;
    QLabel* ToolSizeYLab;
    TNumEditZ* ToolSizeYEdit;
    QLabel* ScreenshotOrdnerLab;
    QLineEdit* ScreenshotDirEdit;
    QLabel* EmailOrdnerLab;
    QLineEdit* EmailDirEdit;
    QPlainTextEdit* Memo1;
    QLabel* AnzZusatzFarbenLab;
    QComboBox* AnzZusatzColCombo;
    // Index 1 to 10.
    std::array<QLabel*, 11> ZusatzColPan{};
    TBitBtn2* OkBtn;
    TBitBtn2* AbbrBtn;

protected:
    bool event(QEvent* Event) override;
    bool eventFilter(QObject* Objekt, QEvent* Event) override;

private:
    void LinkeSpalteErzeugen();
    void GroesseErzeugen();
    void OrdnerErzeugen();
    void ZusatzfarbenErzeugen();
};

extern TEinstellungenForm* EinstellungenForm;
