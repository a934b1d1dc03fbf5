#pragma once
// The tool window: the program's main window. It owns the drawing state (tool,
// colour, stroke mode and width, zoom values, selected area) and the bitmaps
// of drawing mode; the overlay reads them from here.

#include "platform/canvas.h"
#include "platform/tcolor.h"

#include <QImage>
#include <QMenu>
#include <QRect>
#include <QStringList>
#include <QWidget>
#include <array>
#include <cstdint>

class QAction;
class QGridLayout;
class QPushButton;
class QTimer;
class QToolButton;

// A rectangle of four signed sides, right and bottom exclusive; all four are
// -1 when no area is selected.
struct TRect {
    int32_t Left = -1, Top = -1, Right = -1, Bottom = -1;
    bool operator==(const TRect&) const = default;
};

constexpr TRect KeinBereich{-1, -1, -1, -1};

bool AuswahlbereichAktiv(const TRect& R);

// Caption and hint of the Start/Fertig switch, indexed by WinZustand 0 and 1;
// the translation may replace them.
extern std::array<QString, 2> StartFertigCaption;
extern std::array<QString, 2> StartFertigHint;

class TToolForm : public QWidget {
    Q_OBJECT
public:
    explicit TToolForm(QWidget* Parent = nullptr);
    ~TToolForm() override;

    // Runs after every change of tool or width: refreshes the overlay for the
    // new tool and draws its mark under the pointer.
    void SetWerkzeug();

    // First activation only: the one-time set-up and the automatic start.
    void FormActivate();
    // Closing the tool window; false refuses the close.
    bool FormClose();
    void Timer1Timer();

    // Start in the ready state, Fertig in drawing mode.
    void StartFertigBtnClick();
    // Freezes the chosen monitor into the picture and shows the overlay on it.
    void BildschirmEinfrieren();
    void SetZustandBereit();
    void SetZustandZeichnen();
    void UpdateStartFertigBtn();

    // The window's components. ToolBar1 holds the tool buttons in a grid of
    // two columns; InfoBtn is its last row.
    QPushButton* StartFertigBtn;
    QWidget* ToolBar1;
    QGridLayout* ToolBar1Raster;
    QToolButton* InfoBtn;
    QAction* StartFertig1;
    QTimer* Timer1;
    // The grid row of InfoBtn: the last of the tool bar's 24 button rows and
    // four separator rows.
    static constexpr int InfoBtnZeile = 27;

    // Drawing state.
    int32_t Modus = 1;
    int32_t VorZoomModus = 1;
    int32_t BakModus = 1;
    TColor Scol = clBlack;
    uint8_t Smode = pmBlack;
    int32_t Sdicke = 0;
    int32_t LupeFak = 2;
    int32_t ZoomfakNr = 2;
    float ZoomFak = 2.0f;
    TRect BereichRect = KeinBereich;
    TRect BakBereichRect = KeinBereich;

    // Program state: 0 ready, 1 drawing, 2 while "Fertig" closes the overlay.
    int32_t WinZustand = 0;
    bool Start = true;

    // The bitmaps of drawing mode, all of the frozen monitor's size.
    QImage OrigScrBmp;       // the background: frozen screen or sheet
    QImage OrigScrStartBmp;  // the frozen screen as captured at Start
    QImage BackupBmp;        // undo copy of the drawing bitmap
    QImage BackupOrigScrBmp; // undo copy of OrigScrBmp
    QImage AuswahlBmp;       // the picture or area cut out for output

    QStringList EmailDateiList;
    QStringList ChronikDateiList;

    // Undo and "Alles löschen" (toolwin2_undo.cpp).
    void RueckgaengigBtnClick();
    void ClearBtnClick();

    // The sheet menu and the sheets (toolwin2_blatt.cpp). The generators
    // replace the background OrigScrBmp and then clear the drawings.
    void BlattBtnClick();
    void AktuellesBildClick();
    void WeiesBlatt1Click();
    void SchwarzesBlatt1Click();
    void KariertesBlatt1Click();
    void KleineKreuze1Click();
    void LiniertesBlatt1Click();
    void BlattEinfarbig(TColor Farbe);
    void BlattKariert(int32_t a);
    void BlattLiniert(int32_t a);
    void BlattPunktraster(int32_t a);

    QMenu* BlattMenu = nullptr;
    QAction* AktuellesBild = nullptr;
    QAction* WeiesBlatt1 = nullptr;
    QAction* SchwarzesBlatt1 = nullptr;
    QAction* KariertesBlatt1 = nullptr;
    QAction* KleineKreuze1 = nullptr;
    QAction* LiniertesBlatt1 = nullptr;
    QAction* AusZwischenablageeinfuegen1 = nullptr;
    // The button below which the sheet menu opens.
    QWidget* BlattBtn = nullptr;

protected:
    bool event(QEvent* Event) override;
    void closeEvent(QCloseEvent* Event) override;

private:
    void FormCreate();
    void KomponentenErzeugen();
    void SetClientHoehe(int Hoehe);
    // Keeps the tool window above the overlay while drawing mode lasts.
    void FensterReihenfolge();
    void BlattMenuErzeugen();
    // Replaces the background by a sheet of colour Grund with the pattern
    // Muster painted over the sheet area, then clears the drawings.
    void BlattErzeugen(TColor Grund, void (*Muster)(TCanvas&, QSize, int32_t), int32_t a);
    void WaehleDeckendeFarbe(int32_t n);
    void ButtonsNachUndo();
};

extern TToolForm* ToolForm;
