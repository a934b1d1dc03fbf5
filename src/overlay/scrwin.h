#pragma once
// The overlay: a borderless window over one monitor that shows the frozen
// picture and turns mouse input into drawing. Its code is split by concern:
// scrwin.cpp (life of the window), scrwin_zeichnen.cpp (the drawing step),
// scrwin_maus.cpp (mouse handlers and the undo snapshot), scrwin_marken.cpp
// (tool marks), one file per tool family, scrwin_lupe.cpp (the lens),
// scrwin_zoom.cpp (the zoom view), scrwin_zoominfo.cpp (its read-out),
// scrwin_mausrad.cpp (the wheel), scrwin_bereich.cpp (area selection),
// scrwin_zeiger.cpp (pointers), scrwin_pipette.cpp (the colour picker) and
// scrwin_tasten.cpp (the overlay's keys).

#include "overlay/dirtytiles.h"
#include "overlay/image32.h"
#include "overlay/img1.h"
#include "overlay/infopanel.h"
#include "overlay/mauszeiger.h"
#include "overlay/shiftstate.h"
#include "overlay/zoominfopan.h"
#include "platform/tcolor.h"
#include "toolwindow/toolwin2.h"

#include <QTextEdit>
#include <QWidget>
#include <cstdint>
#include <thread>

// The tools dragged from a press to a release with a rubber band: line,
// rectangle, arrow, double arrow, ellipse, filled rectangle, filled ellipse.
bool IstFormModus(int32_t Modus);
// The tools whose drag draws lines from the anchor: the shapes and the area.
bool HatGummiband(int32_t Modus);

// The area read-out: " (L,T) - (R-1,B-1)  B:w H:h".
QString BereichText(const TRect& R);
// The read-out while selecting: empty while the pointer is parked, the
// pointer "(x,y)" without an anchor, else the corners and size of the
// rectangle from anchor to pointer, both included.
QString FadenkreuzText(int32_t Sx, int32_t Sy, int32_t Lx, int32_t Ly);

class TScreenForm : public QWidget {
    Q_OBJECT
public:
    explicit TScreenForm(QWidget* Parent = nullptr);
    ~TScreenForm() override;

    // The single drawing step: removes the marks at (Sx, Sy), moves the
    // pointer to (xneu, yneu), applies the tool and draws the marks again.
    // Callers pass Sx and Sy as xalt and yalt.
    void Zeichenbewegung(TShiftState Shift, int32_t xalt, int32_t yalt, int32_t xneu, int32_t yneu);
    // Removes every tool mark from the picture (the step to (-1, -1)). A
    // shape being dragged is dropped, not committed to (-1, -1).
    void Parken();
    // Ends a drag in progress without committing it: the rubber band goes,
    // and the left button still held counts as up until it is released.
    void ZiehenAbbrechen();

    void Img1MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    void Img1MouseMove(TShiftState Shift, int X, int Y);
    void Img1MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);

    // Tool marks, drawn inverted into the picture; each does nothing while
    // Sx or Sy is negative, and a second call at the same place removes it.
    void StiftMarke(int32_t r);
    void RadiererMarke(int32_t hw, int32_t hh);
    void Textrahmen();
    void HaekchenMarke();
    void KreuzMarke();
    void BereichFadenkreuz();

    // Area selection. SetAuswahlBereich takes the area from anchor and
    // pointer (no area without a drag); AuswahlBereichZeigen places and shows
    // the edges and the read-out above the area, or hides them.
    void SetAuswahlBereich();
    void AuswahlBereichZeigen();
    void SetFadenkreuzInfo();
    // Moves the area by (dx, dy), keeping it whole on the picture. Does
    // nothing while no area is set.
    void SetAuswahlBereichOffset(int32_t dx, int32_t dy);
    void BereichInfoPanMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    void BereichInfoPanMouseMove(TShiftState Shift, int X, int Y);

    // Pointers: SetMauszeiger sets those of the picture and the zoom view
    // for the current tool; SetZoomZeiger changes the zoom view's pointer
    // unless MauszeigerMode 2 hides it.
    void SetMauszeiger();
    void SetZoomZeiger(TZeiger Zeiger);
    // The hand of a drag in the zoom view, over the zoom view and, while
    // the button is held, everywhere; the release takes it away again.
    void ZiehzeigerZeigen();
    void ZiehzeigerBeenden();
    // The zoom view's pointer at a drawing step: the picker with the Shift
    // key, the hand while dragging, none while Ctrl shows the hairlines.
    void ZoomSchrittZeiger(TShiftState Shift);
    // Shift and a left press in the zoom view: the colour code under the
    // pointer goes to the clipboard as text; with F held the colour also
    // becomes the opaque drawing colour.
    void FarbeAufnehmen();

    // The overlay's own keys, seen before those of its controls. Shift holds
    // the keyboard's modifiers; Ziffernblock tells a key of the numeric keypad.
    void FormKeyDown(int Key, TShiftState Shift, bool Ziffernblock = false);
    void FormKeyUp(int Key, TShiftState Shift);

    // Canvas pen of strokes and outlines: colour Scol, mode Smode, width
    // Sdicke, solid; clear brush.
    void SetLinienStift();
    // Canvas pen of filled shapes: colour Scol, mode Smode, width 1, solid;
    // solid brush of colour Scol.
    void SetFuellStift();

    // Shapes. The rubber band of the tool between the anchor (Lx, Ly) and the
    // pointer (Sx, Sy), inverted; nothing while any of the four is negative.
    void ObjektVorschau();
    // The rectangle whose corner pixels are both (x1, y1) and (x2, y2).
    static TRect NormRect(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
    // Arrow with its head at (x2, y2), drawn with the canvas's current pen.
    void ZeichnePfeil(int32_t x1, int32_t y1, int32_t x2, int32_t y2, bool Schaft);
    void ZeichneDoppelpfeil(int32_t x1, int32_t y1, int32_t x2, int32_t y2);
    // Stamps a bold glyph centred on (x, y) with a black shadow.
    void SetzeZeichen(int32_t x, int32_t y, const QString& Text, const QString& FontName,
                      TColor Col);

    // Text tool.
    void Memo1Change();
    // Key is set to 0 when the key is swallowed.
    void Memo1KeyPress(QChar& Key);
    void TextUebernehmen();
    bool TextfeldOffen() const { return !Memo1->isHidden(); }
    TColor TextFarbe() const;
    // The colour changed while the text tool is active: the open field
    // shows its text in the new colour and keeps the keyboard focus.
    void TextFarbeSetzen(TColor Col);
    // An open text field is written into the picture (the pointer left the
    // overlay for the tool window, or a command needs the finished picture).
    void OffenenTextUebernehmen();

    // Sets the text field's font to s points, gives the canvas the same font
    // and fits the field's height to its lines.
    void SetMemoSchrift(int32_t s);

    // Replaces the drawing bitmap by Src. With GleichDemBackup the caller
    // guarantees that the undo copy already holds the same picture.
    // With Teilen the picture shares Src's pixels until it is drawn on.
    void BildLaden(const QImage& Src, bool GleichDemBackup, bool Teilen = false);
    // Brings the undo copy of the drawing bitmap up to date.
    void BildSichern();

    // The pointer fields of the undo snapshot: saves Sx, Sy, Lx, Ly into
    // their undo copies, or brings them back, together with the figure of
    // the tool mark that the saved picture holds at the saved position.
    void PunkteSichern();
    void PunkteZurueckholen();

    // Takes a new capture: the drawing bitmap and Img2 show it, no pointer
    // position or undo position is kept. The tool window's undo copy must
    // already hold the same picture.
    void AufnahmeLaden(const QImage& Aufnahme);
    // Lets go of the pictures of the hidden overlay before a new capture.
    void BilderFreigeben();
    // Shows the overlay borderless over exactly the monitor rectangle.
    void AufMonitorZeigen(const QRect& Monitor);
    // Before a Start: the hidden window takes the monitor's place and gets
    // its window buffer, faulted in on a worker thread; the first paint
    // of the overlay then writes into memory that is there. Freigeben gives
    // it back if no Start came.
    void FensterpufferVorbereiten(const QRect& Monitor);
    void FensterpufferFreigeben();

    // Lens (14) and zoom view (15). Img2 shows a copy of the picture taken
    // when the tool is chosen; its layer is the lens.
    void Lupe();
    // Sets the zoom view's offsets, clamped so that the enlarged picture
    // covers the whole view.
    void SetZoomOffset(float Ax, float Ay);
    // The read-out panel: zoom factor, picture coordinates and colour under
    // (Sx, Sy); keeps PipetteCol current.
    void SetZoomInfo();
    // Shows the hairlines around the enlarged pixel under (Sx, Sy), or hides them.
    void ZoomFadenkreuz(bool zeigen);
    // The picture pixel under overlay point (x, y) in the zoom view.
    QPoint BildpunktUnter(int32_t x, int32_t y) const;
    // The wheel zoom; Delta > 0 is a turn away from the user.
    void MausradNachricht(int32_t Delta);
    // The picture the lens and the zoom view show from now on.
    void Img2BildUebernehmen();

    QImage& Bild() { return Img1->Bitmap(); }
    // The size the area must fit in: the frozen picture's, or before the
    // first Start the primary screen's.
    QSize Bildgroesse() const;
    TCanvas& Canvas() { return Img1->Canvas(); }

    TBildAnzeige* Img1;
    TImage32* Img2;
    TZoomInfoPan* ZoomInfoPan;
    QTextEdit* Memo1;
    // The edges of the selected area (X: left and right, Y: top and bottom)
    // and the read-outs of the area and of the pointer while selecting.
    TKantenPanel *BereichX1Pan, *BereichX2Pan, *BereichY1Pan, *BereichY2Pan;
    TInfoPanel* BereichInfoPan;
    TInfoPanel* FadenkreuzInfoPan;

    int32_t Sx = -1, Sy = -1;
    int32_t Lx = -1, Ly = -1;
    int32_t Ax = 0, Ay = 0;
    int32_t BakSx = -1, BakSy = -1, BakLx = -1, BakLy = -1;
    TShiftState MausShift;
    TColor PipetteCol = clBlack;
    bool UmschaltFGedrueckt = false;

protected:
    void showEvent(QShowEvent* Event) override;
    void closeEvent(QCloseEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
    void keyReleaseEvent(QKeyEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    // Waits for the worker faulting in the window buffer: the buffer must
    // not go or be painted while it reads.
    void FensterpufferAbwarten();
    // A window buffer made ahead of a Start that has not shown yet.
    bool FPufferVorbereitet = false;
    std::thread FPufferArbeit;
    // What the tool mark now in the picture was drawn with, so that a change
    // of tool or width can remove it with the same figure.
    struct TMarke {
        int32_t Modus = 0;
        int32_t Dicke = 0;
        int32_t TextHoehe = 0;
        bool operator==(const TMarke&) const = default;
    };
    TMarke AktuelleMarke() const;
    void AlteMarkeEntfernen();
    void MarkeZeichnen(const TMarke& M);
    void KreisFigur(int32_t r);
    void RechteckFigur(int32_t hw, int32_t hh);
    void TextrahmenFigur(int32_t h);
    void HaekchenFigur(int32_t k);
    void KreuzFigur(int32_t k);
    void VorschauFigur(int32_t Modus, int32_t Dicke);
    void PfeilFigur(int32_t x1, int32_t y1, int32_t x2, int32_t y2, bool Schaft, int32_t L);
    void MarkeMerken() { FMarke = AktuelleMarke(); }
    void Zeilenabstand();

    void UndoSchnappschuss();
    TShiftState Normalisiert(TShiftState Shift);

    // Branches of the drawing step, one per tool family.
    void StiftZweig(TShiftState Shift, int32_t xneu, int32_t yneu);
    void RadiererZweig(TShiftState Shift, int32_t xneu, int32_t yneu);
    void FormenZweig(TShiftState Shift, int32_t xneu, int32_t yneu);
    void ShiftBeschraenkung();
    void FormUebernehmen(int32_t r);
    void ZeichenZweig(TShiftState Shift, int32_t xneu, int32_t yneu);
    void TextZweig(TShiftState Shift, int32_t xneu, int32_t yneu);
    void BereichZweig(TShiftState Shift, int32_t xneu, int32_t yneu);
    void BereichsPanelsErzeugen();
    void LupeZweig(int32_t xneu, int32_t yneu);
    void ZoomZweig(TShiftState Shift, int32_t xneu, int32_t yneu);

    TMarke FMarke;
    TMarke BakMarke;
    // The right or middle button ended the left button's gesture: the left
    // button counts as up until it is really released.
    bool FLinksGesperrt = false;
    TDirtyTiles FBackupKacheln;
    bool FHandUeberall = false;
    // Hands the application's wheel events to MausradNachricht.
    void MausradHakenSetzen();
    QObject* FMausradHaken = nullptr;
};

extern TScreenForm* ScreenForm;
