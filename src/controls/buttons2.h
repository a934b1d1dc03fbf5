#pragma once
// The push button of all dialogs, drawn by the program itself: a 3D frame,
// or a flat face with a one-pixel shadow border while pressed (caption and
// glyph then move one pixel right and down); a black outline while the
// button has the focus and a dotted focus rectangle 3 pixels inside; the
// caption centred on one line, its font shrunk one point at a time (not
// below 1) until it fits, with a black shadow Shadow pixels away, and
// embossed (white under grey) when the button is disabled. Return clicks the
// focused button; a double click counts as a second press.
//
// A dialog button is used like any QPushButton (clicked, setDefault). A
// ModalResult other than mrNone ends the QDialog holding the button with that
// result when it is clicked (exec() returns it after every clicked handler
// has run); with Cancel set, Escape in the button's window clicks it.

#include <QColor>
#include <QImage>
#include <QPushButton>
#include <cstdint>

class QShortcut;

// Results a button gives its dialog; mrOk equals QDialog::Accepted.
enum TModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3 };

// Button states, also the index of a glyph's images.
enum class TButtonState { Up = 0, Disabled = 1, Down = 2 };

// Holds a button's glyph and paints glyph and caption. The glyph is a
// picture of NumGlyphs images of equal width side by side, for the states
// up, disabled and down; it is stretched over the face. The colour of its
// bottom-left pixel counts as transparent.
class TButtonGlyph {
public:
    const QImage& Glyph() const { return FOriginal; }
    void SetGlyph(const QImage& Picture);
    int NumGlyphs() const { return FNumGlyphs; }
    // 1 to 4: larger values become 4, 0 is ignored.
    void SetNumGlyphs(int Value);

    struct TFarben {
        QColor Face;    // face colour, behind the glyph and its transparent pixels
        QColor Caption; // the font's colour
    };
    // Paints glyph and caption into Client; returns the caption rectangle.
    QRect Draw(QPainter& Canvas, const QRect& Client, const QString& Caption, int Margin,
               TButtonState State, int Shadow, bool Transp, int Style3D,
               const TFarben& Farben) const;

private:
    QImage Bild(TButtonState State, QSize Groesse, bool Transp, const QColor& Face) const;
    void DrawCaption(QPainter& Canvas, QRect R, const QString& Caption, TButtonState State,
                     int Shadow, const QColor& Farbe) const;

    QImage FOriginal;
    int FNumGlyphs = 1;
};

class TBitBtn2 : public QPushButton {
    Q_OBJECT
public:
    explicit TBitBtn2(QWidget* Owner = nullptr);
    explicit TBitBtn2(const QString& Caption, QWidget* Owner = nullptr);

    int32_t Shadow() const { return FShadow; }
    void SetShadow(int32_t Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    // Distance of the glyph from the left edge, added to 2; below -1 ignored.
    int32_t Margin() const { return FMargin; }
    void SetMargin(int32_t Value);
    // 1: the glyph lies one pixel further up and left and is one pixel larger
    // in each direction.
    int32_t Style3D() const { return FStyle3D; }
    void SetStyle3D(int32_t Value);
    // Face colour; the palette's Button colour for a new button.
    QColor Color() const { return FColor; }
    void SetColor(const QColor& Value);
    const QImage& Glyph() const { return FGlyph.Glyph(); }
    void SetGlyph(const QImage& Picture);
    int NumGlyphs() const { return FGlyph.NumGlyphs(); }
    void SetNumGlyphs(int Value);

    int ModalResult() const { return FModalResult; }
    void SetModalResult(int Value) { FModalResult = Value; }
    bool Cancel() const { return FCancel != nullptr; }
    void SetCancel(bool Value);

    // True from the moment the focus comes to this button until it goes to
    // another control (see controls/fokuswechsel.h).
    bool IsFocused() const { return FIsFocused; }

protected:
    void paintEvent(QPaintEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
    void focusInEvent(QFocusEvent* Event) override;
    void focusOutEvent(QFocusEvent* Event) override;

private:
    void ModalResultSetzen();
    void DrawFrame(QPainter& p, const QRect& R) const;

    int32_t FShadow = 1;
    bool FTransparent = false;
    int32_t FMargin = 0;
    bool FIsFocused = false;
    QColor FColor;
    int32_t FStyle3D = 2;
    TButtonGlyph FGlyph;
    int FModalResult = 0;
    QShortcut* FCancel = nullptr;
};

// A button of the program's dialogs: caption only, Style3D 1 and no caption
// shadow.
TBitBtn2* DialogKnopf(const QString& Caption, QWidget* Owner);
