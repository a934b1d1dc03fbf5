#pragma once
// The tool window: the program's main window. It owns the drawing state (tool,
// colour, stroke mode and width, zoom values, selected area) and the bitmaps
// of drawing mode; the overlay reads them from here.

#include "app/codes.h"
#include "overlay/shiftstate.h"
#include "platform/canvas.h"
#include "platform/tcolor.h"

#include <QImage>
#include <QKeySequence>
#include <QMargins>
#include <QMenu>
#include <QRect>
#include <QStringList>
#include <QWidget>
#include <array>
#include <cstdint>
#include <vector>

class QAction;
class QActionGroup;
class QFileDialog;
class QMenu;
class QPushButton;
class QShortcut;
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

// Ends each message about an output folder that could not be made.
inline const QString OrdnerKorrigieren =
    QStringLiteral("\r\nKorrigieren Sie ggf. den Ordner in den Einstellungen.");

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
    // An end asked for from outside (logout, SIGTERM): drawing mode ends as
    // "Fertig" would, with its automatic screenshot, and the window closes
    // the normal way, asking nothing. False when the program is ending already.
    bool ErzwungenesEnde();
    void Timer1Timer();

    // Start in the ready state, Fertig in drawing mode.
    void StartFertigBtnClick();
    // Requests from outside (the desktop's shortcuts): drawing mode starts,
    // or nothing happens while it lasts; Start or Fertig; the window comes
    // to the front. Before the first activation a start waits for it, as
    // AutoOpen does.
    void ZeichnenStarten();
    void ZeichnenUmschalten();
    void Hervorholen();
    // Freezes the chosen monitor into the picture and shows the overlay on
    // it; false when the capture failed (the user has been told).
    bool BildschirmEinfrieren();
    void SetZustandBereit();
    void SetZustandZeichnen();
    void UpdateStartFertigBtn();
    // Applies the translation file beside the program, if there is one;
    // once, at the first activation (toolwin2_uebersetzung.cpp).
    void LoadTranslation();

    // The window's components. ToolBar1 holds the tool buttons two per row;
    // InfoBtn is its last row.
    QPushButton* StartFertigBtn;
    QWidget* ToolBar1;
    QToolButton* InfoBtn = nullptr;
    QAction* StartFertig1;
    QTimer* Timer1;
    // Enter, Return and Escape click the Start/Fertig button.
    std::vector<QShortcut*> StartTasten;

    // Drawing state.
    int32_t Modus = mStift;
    int32_t VorZoomModus = mStift;
    int32_t BakModus = mStift;
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
    // The first activation enters drawing mode, as with AutoOpen.
    bool ZeichnenBeimStart = false;
    // Set once the window has closed for good.
    bool Beendet = false;
    // Set by LoadSettings: only loaded settings are saved again.
    bool EinstellungenGeladen = false;

    // The bitmaps of drawing mode, all of the frozen monitor's size.
    QImage OrigScrBmp;       // the background: frozen screen or sheet
    QImage OrigScrStartBmp;  // the frozen screen as captured at Start
    QImage BackupBmp;        // undo copy of the drawing bitmap
    QImage BackupOrigScrBmp; // undo copy of OrigScrBmp
    QImage AuswahlBmp;       // the picture or area cut out for output

    QStringList EmailDateiList;
    QStringList ChronikDateiList;

    // The lens and the zoom view (toolwin2_zoom.cpp).
    void LupeBtnClick();
    // Enters the zoom view at 200 %, keeping the picture point under
    // (Sx, Sy) of the overlay in place.
    void ZoomInit(float Sx, float Sy);
    // Zooms one step about the overlay's centre; ZoomInBtnClick enters the
    // zoom view when it is not shown.
    void ZoomInBtnClick();
    void ZoomOutBtnClick();
    // Sets the zoom to fak keeping the picture point under (Sx, Sy) in
    // place; at factor 1 the zoom view ends.
    void UpdateZoom(float Sx, float Sy, float fak);

    // Undo and "Alles löschen" (toolwin2_undo.cpp).
    void RueckgaengigBtnClick();

    // The info box, modal (toolwin2_info.cpp): InfoBtnClick by button, menu
    // and F1; InfoSofortEinstellungen by Alt+F1 in drawing mode, which opens
    // the settings dialog in the info box at once.
    void InfoBtnClick();
    void InfoSofortEinstellungen();
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

    // ---- Tool, colour and width choice, popup menu, keys, settings store ----
    // (toolwin2_auswahl.cpp, toolwin2_menu.cpp, toolwin2_tasten.cpp,
    // einstellungen_speicher.cpp)

    // Reads the stored settings, tool and window position; once, at the
    // first activation.
    void LoadSettings();
    // Writes every stored value; once, when the window closes.
    void SaveSettings();
    // Re-applies the stored width, colour and tool to state, buttons and menu.
    void SetButtonEinstellungen();
    // While text is typed on the overlay, gives it the current colour.
    void UpdateTextFarbe();
    // Runs when PopupMenu1 opens: ends a shape drag and parks the pointer.
    void PopupMenu1Popup();
    // Brings the overlay in line with the tool whenever the pointer is over
    // this window: commits an open text and parks the pointer
    // (toolwin2_panels.cpp).
    void CheckPanels();
    void ToolBar1MouseMove();
    // Creates the buttons of ToolBar1 in their order, with the gaps
    // between their groups (toolwin2_groesse.cpp).
    void ErzeugeWerkzeugButtons();
    // Applies AnzZusatzCol, WerkzeugGroesseX and WerkzeugGroesseY to the
    // buttons, ToolBar1, the Start button and the window.
    void SetToolWindowSize();
    // Moves the window up or left as far as needed to lie wholly on its
    // monitor; it never moves down or right.
    void AufMonitorHalten();
    // The frame and grip around the window inside the overlay.
    static QMargins OverlayRaender();

    // The extra colours (toolwin2_zusatzfarben.cpp). Their glyphs are solid
    // squares of ZusatzCol[1..10].
    void SetImageListZusatzCol();
    // Chooses extra colour n (1 to 10): opaque, FarbMode 20 + n.
    void ZusatzColBtnClick(int32_t n);
    // Unchecks the ten fixed colour menu items.
    void ClearFarbMenuChecks();
    // Makes PopupMenu1 the context menu of W and its shortcuts work there.
    void PopupMenu1Anbinden(QWidget* W);

    // Handlers shared by button, menu item and shortcut.
    void DickeBtnClick(int32_t Nr);
    void FarbBtnClick(int32_t NeuFarbMode);
    void WerkzeugBtnClick(int32_t NeuModus);
    void Dicke1BtnClick() { DickeBtnClick(1); }
    void Dicke2BtnClick() { DickeBtnClick(2); }
    void Dicke3BtnClick() { DickeBtnClick(3); }
    void Dicke4BtnClick() { DickeBtnClick(4); }
    void MarkCol1BtnClick() { FarbBtnClick(fmMarkRot); }
    void MarkCol2BtnClick() { FarbBtnClick(fmMarkGelb); }
    void MarkCol3BtnClick() { FarbBtnClick(fmMarkGruen); }
    void MarkCol4BtnClick() { FarbBtnClick(fmMarkBlau); }
    void DeckCol1BtnClick() { FarbBtnClick(fmDeckRot); }
    void DeckCol2BtnClick() { FarbBtnClick(fmDeckGelb); }
    void DeckCol3BtnClick() { FarbBtnClick(fmDeckGruen); }
    void DeckCol4BtnClick() { FarbBtnClick(fmDeckBlau); }
    void DeckCol5BtnClick() { FarbBtnClick(fmDeckWeiss); }
    void DeckCol6BtnClick() { FarbBtnClick(fmDeckSchwarz); }
    void StiftBtnClick() { WerkzeugBtnClick(mStift); }
    void SchwammBtnClick() { WerkzeugBtnClick(mRadierer); }
    void LinieBtnClick() { WerkzeugBtnClick(mLinie); }
    void RechteckBtnClick() { WerkzeugBtnClick(mRechteck); }
    void PfeilBtnClick() { WerkzeugBtnClick(mPfeil); }
    void TextBtnClick() { WerkzeugBtnClick(mText); }
    void HaekchenBtnClick() { WerkzeugBtnClick(mHaekchen); }
    void KreuzBtnClick() { WerkzeugBtnClick(mKreuz); }
    void DoppelpfeilBtnClick() { WerkzeugBtnClick(mDoppelpfeil); }
    void EllipseBtnClick() { WerkzeugBtnClick(mEllipse); }
    void RechteckGefuelltBtnClick() { WerkzeugBtnClick(mRechteckGefuellt); }
    void EllipseGefuelltBtnClick() { WerkzeugBtnClick(mEllipseGefuellt); }
    void BereichBtnClick() { WerkzeugBtnClick(mBereich); }
    void ZusatzCol1BtnClick() { ZusatzColBtnClick(1); }
    void ZusatzCol2BtnClick() { ZusatzColBtnClick(2); }
    void ZusatzCol3BtnClick() { ZusatzColBtnClick(3); }
    void ZusatzCol4BtnClick() { ZusatzColBtnClick(4); }
    void ZusatzCol5BtnClick() { ZusatzColBtnClick(5); }
    void ZusatzCol6BtnClick() { ZusatzColBtnClick(6); }
    void ZusatzCol7BtnClick() { ZusatzColBtnClick(7); }
    void ZusatzCol8BtnClick() { ZusatzColBtnClick(8); }
    void ZusatzCol9BtnClick() { ZusatzColBtnClick(9); }
    void ZusatzCol10BtnClick() { ZusatzColBtnClick(10); }

    QMenu* PopupMenu1 = nullptr;
    QMenu* Strichdicke1 = nullptr;
    QMenu* Farbe1 = nullptr;
    // One exclusive group each for widths, colours and tools.
    QActionGroup* DickeGruppe = nullptr;
    QActionGroup* FarbGruppe = nullptr;
    QActionGroup* WerkzeugGruppe = nullptr;
    QAction *Dicke1 = nullptr, *Dicke2 = nullptr, *Dicke3 = nullptr, *Dicke4 = nullptr;
    QAction *MarkCol1 = nullptr, *MarkCol2 = nullptr, *MarkCol3 = nullptr, *MarkCol4 = nullptr;
    QAction *DeckCol1 = nullptr, *DeckCol2 = nullptr, *DeckCol3 = nullptr, *DeckCol4 = nullptr,
            *DeckCol5 = nullptr, *DeckCol6 = nullptr;
    QAction *Stift1 = nullptr, *Radiergummi1 = nullptr, *Linie1 = nullptr, *Rechteck1 = nullptr,
            *Pfeil1 = nullptr, *Text1 = nullptr, *Haekchen1 = nullptr, *Kreuz1 = nullptr,
            *DoppelPfeil1 = nullptr, *Ellipse1 = nullptr, *RechteckGefuellt1 = nullptr,
            *EllipseGefuellt1 = nullptr, *Bereich1 = nullptr, *Lupe1 = nullptr, *Zoom1 = nullptr;
    QAction *Auswahlbereich1 = nullptr, *Hineinzoomen1 = nullptr, *Herauszoomen1 = nullptr,
            *Rckgngig1 = nullptr, *Alleslschen1 = nullptr, *LeeresBlatt1 = nullptr,
            *Drucken1 = nullptr, *Speichern1 = nullptr, *AlsEMailversenden1 = nullptr,
            *IndieZwischenablage1 = nullptr, *AusZwischenablage1 = nullptr, *Info1 = nullptr;
    // The extra colours' actions, index 1 to 10; members of FarbGruppe, on
    // buttons only.
    std::array<QAction*, AnzZusatzColMax + 1> ZusatzColAktion{};
    // The buttons of the extra colours, index 1 to 10.
    std::array<QToolButton*, AnzZusatzColMax + 1> ZusatzColBtn{};

    // ---- Output: image files, screenshot folders, clipboard ----
    // (toolwin2_speichern.cpp, toolwin2_zwischenablage.cpp)

    // Fills AuswahlBmp with the selected area, or the whole picture when no
    // area is selected.
    void SetAuswahlBmp();
    // The folders of the settings ScreenshotDir and EmailDir with their
    // placeholders expanded.
    QString GetScreenshotDir() const;
    QString GetEmailDir() const;
    // Stores the area (Auswahl true and an area selected) or the whole
    // picture under a new time-stamped name in the screenshot folder, as PNG
    // (Format 0) or JPEG (1). False, after an error box, when the folder
    // cannot be created or the file cannot be written.
    bool SaveScreenshot(bool Auswahl, int32_t Format);

    void SaveBtnClick();
    void Speichernunter1Click();
    void AlsPNGScreenshotSpeichernClick();
    void AlsJPGScreenshotSpeichernClick();
    void ScreenshotOrdnerOeffnen1Click();
    void ClipBtnClick();
    void AusZwischenablageeinfuegen1Click();

    // The save menu below SaveBtn; its keys work in both windows.
    QMenu* SpeichernMenu = nullptr;
    QAction* Speichernunter1 = nullptr;
    QAction* AlsPNGScreenshotSpeichern = nullptr;
    QAction* AlsJPGScreenshotSpeichern = nullptr;
    QAction* ScreenshotOrdnerOeffnen1 = nullptr;
    // The save dialog "Bildschirminhalt speichern", made at its first use:
    // a file dialog costs megabytes that most runs never need. Until then
    // its title and "|" filter wait here, where the translation sets them.
    QFileDialog& SaveBMP();
    QFileDialog* SaveBMPGemacht = nullptr; // null until the first use
    QString SaveBMPTitel = QStringLiteral("Bildschirminhalt speichern");
    QString SaveBMPFilter = QStringLiteral(
        "PNG (*.png)|*.png|JPEG (*.jpg)|*.jpg|Bitmap (*.bmp)|*.bmp|Alle Dateien (*.*)|*.*");
    // ---- end of output ----

    // ---- Printing and e-mail (toolwin2_drucken.cpp, toolwin2_email.cpp) ----

    // Shows the print dialog.
    void DruckBtnClick();
    // Opens EmailMenu below the e-mail button.
    void EmailBtnClick();
    void EmailPNGMenuItemClick() { EmailScreenshot(0); }
    void EmailJPGMenuItemClick() { EmailScreenshot(1); }
    // A new message in the mail program, and the screenshot folder.
    void EMailProgrammOeffnen1Click();
    // Writes the area or picture into the e-mail folder as PNG (0) or JPEG
    // (1) and hands it to the mail program; a file not handed over is
    // deleted again.
    void EmailScreenshot(int32_t Format);
    // At close: offers to delete the e-mail files of this run. False when
    // the user refuses the close.
    bool EmailDateienAufraeumen();

    QMenu* EmailMenu = nullptr;
    QAction* EmailPNGMenuItem = nullptr;
    QAction* EmailJPGMenuItem = nullptr;
    QAction* EMailProgrammOeffnen1 = nullptr;

    // The key-down and key-up handling of the window; acts only in drawing mode.
    void FormKeyDown(int Key, TShiftState Shift, bool Ziffernblock = false);
    void FormKeyUp(int Key, TShiftState Shift);

protected:
    bool event(QEvent* Event) override;
    void closeEvent(QCloseEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
    void keyReleaseEvent(QKeyEvent* Event) override;

private:
    void FormCreate();
    void KomponentenErzeugen();
    void SetClientHoehe(int Hoehe);
    // A part of ToolBar1: a button, or (Knopf nullptr) a gap of Luecke
    // pixels that ends a row.
    struct TLeistenTeil {
        QToolButton* Knopf;
        int Luecke;
    };
    std::vector<TLeistenTeil> Leiste;
    // Places the shown buttons of Leiste two per row; returns the height.
    int LeisteAnordnen();
    // Keeps the tool window above the overlay while drawing mode lasts.
    void FensterReihenfolge();
    // In a Wayland session nothing keeps a window above a full-screen one:
    // while drawing mode lasts this window lives inside the overlay, as its
    // child at the place it had on the monitor (toolwin2_imoverlay.cpp).
    // Platz is the window's geometry before Start.
    void InsOverlay(const QRect& Platz, const QList<QRect>& Monitore);
    // Back out as a window of its own where it was before Start.
    void AusDemOverlay();
    bool ImOverlay = false;
    // Set while Start captures the screen.
    bool FriertEin = false;
    QRect PlatzVorStart;
    // The window's place on its monitor as the program keeps it: given at
    // start and by the settings, and inside the overlay by the user's drag.
    // A window of Qt's Wayland platform never learns where it is.
    QPoint EigenerOrt;
    // The place the settings store.
    QPoint GespeicherterOrt() const;
    Qt::WindowFlags FensterArt;
    void BlattMenuErzeugen();
    // Replaces the background by a sheet of colour Grund with the pattern
    // Muster painted over the sheet area, then clears the drawings.
    void BlattErzeugen(TColor Grund, void (*Muster)(TCanvas&, QSize, int32_t), int32_t a);
    void ButtonsNachUndo();
    void ErzeugeAktionen();
    void ErzeugeZusatzColAktionen();
    // Connects the commands whose handlers live in other files of the window.
    void BefehleVerbinden();
    // Lets the pointer's moves over W and its children reach ToolBar1MouseMove.
    void ToolBar1MouseMoveVerfolgen(QWidget* W);
    bool eventFilter(QObject* Objekt, QEvent* Event) override;
    // Shows a button's hint with the shortcut of its command; the hint
    // itself stays as the translation sets it.
    bool HinweisZeigen(QObject* Objekt, QEvent* Event);
    void ErzeugePopupMenu1();
    void EmailMenuErzeugen();
    // ---- end of tool, colour and width choice ----
    void SpeichernMenuErzeugen();
    void AusgabeVerbinden();
    // F7 and F8: the screenshot with the message window, the overlay taking
    // no input meanwhile.
    void ScreenshotMitMeldung(int32_t Format);
};

extern TToolForm* ToolForm;

// A file dialog filter written as "Text|Muster|Text|Muster..." (the form the
// translation file uses) as the list the file dialog takes.
QStringList DialogFilter(const QString& Filter);

// The hint as a tooltip shows it: with the shortcut in the desktop's
// language in brackets, e.g. "Zeichenstift (Alt+S)".
QString HinweisMitTaste(const QString& Hint, const QKeySequence& Taste);
