#include "controls/buttons2.h"

#include "controls/fokuswechsel.h"
#include "controls/schriftgroesse.h"

#include <QDialog>
#include <QKeyEvent>
#include <QPainter>
#include <QShortcut>

namespace {

constexpr int CaptionFlags =
    Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;

} // namespace

// --- TButtonGlyph ---

void TButtonGlyph::SetGlyph(const QImage& Picture) {
    FOriginal = Picture.convertToFormat(QImage::Format_RGB32);
}

void TButtonGlyph::SetNumGlyphs(int Value) {
    if (Value <= 0) return;
    FNumGlyphs = Value > 4 ? 4 : Value;
}

// The state's image stretched to Groesse; none for a disabled button.
QImage TButtonGlyph::Bild(TButtonState State, QSize Groesse, bool Transp,
                          const QColor& Face) const {
    if (State == TButtonState::Disabled || FOriginal.isNull() || Groesse.isEmpty()) return {};
    int k = static_cast<int>(State);
    if (State == TButtonState::Down && FNumGlyphs < 3) k = 0;
    if (k >= FNumGlyphs) k = 0;
    const int Breite = FOriginal.width() / FNumGlyphs;
    QImage Teil = FOriginal.copy(k * Breite, 0, Breite, FOriginal.height());
    if (Transp) {
        const QRgb Durchsichtig = FOriginal.pixel(0, FOriginal.height() - 1);
        for (int y = 0; y < Teil.height(); ++y) {
            auto* Zeile = reinterpret_cast<QRgb*>(Teil.scanLine(y));
            for (int x = 0; x < Teil.width(); ++x)
                if (Zeile[x] == Durchsichtig) Zeile[x] = Face.rgb();
        }
    }
    return Teil.scaled(Groesse, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QRect TButtonGlyph::Draw(QPainter& Canvas, const QRect& Client, const QString& Caption, int Margin,
                         TButtonState State, int Shadow, bool Transp, int Style3D,
                         const TFarben& Farben) const {
    const int W = Client.width(), H = Client.height();
    QPoint GlyphPos = Client.topLeft() + QPoint(Margin + 2, 2);
    QSize GlyphGroesse(W - 4, H - 4);
    QRect CaptionRect;
    if (!Caption.isEmpty())
        CaptionRect = QRect(Client.topLeft() + QPoint(2, 2), QSize(W - 4, H - 4));
    const bool Unten = State == TButtonState::Down;
    if (Unten) {
        GlyphPos += QPoint(1, 1);
        CaptionRect.setTopLeft(CaptionRect.topLeft() + QPoint(1, 1));
    }
    if (Style3D == 1) {
        GlyphPos -= QPoint(1, 1);
        GlyphGroesse += QSize(1, 1);
    }
    const QImage Glyph = Bild(State, GlyphGroesse, Transp, Farben.Face);
    if (!Glyph.isNull()) Canvas.drawImage(GlyphPos, Glyph);
    if (Unten) CaptionRect.setBottomRight(CaptionRect.bottomRight() + QPoint(1, 1));
    if (!CaptionRect.isNull())
        DrawCaption(Canvas, CaptionRect, Caption, State, Shadow, Farben.Caption);
    return CaptionRect;
}

void TButtonGlyph::DrawCaption(QPainter& Canvas, QRect R, const QString& Caption,
                               TButtonState State, int Shadow, const QColor& Farbe) const {
    QFont Schrift = Canvas.font();
    int Punkte = Punktgroesse(Schrift, Canvas.device()->logicalDpiY());
    while (QFontMetrics(Schrift, Canvas.device()).boundingRect(R, CaptionFlags, Caption).width() >
               R.width() &&
           Punkte > 1)
        Schrift.setPointSize(--Punkte);
    Canvas.save();
    Canvas.setFont(Schrift);
    auto Schreiben = [&](const QRect& r, const QColor& c) {
        Canvas.setClipRect(r);
        Canvas.setPen(c);
        Canvas.drawText(r, CaptionFlags, Caption);
    };
    if (State == TButtonState::Disabled) {
        Schreiben(R.translated(1, 1), QColor(255, 255, 255));
        Schreiben(R, QColor(128, 128, 128));
    } else {
        Schreiben(R.translated(Shadow, Shadow), Qt::black);
        Schreiben(R, Farbe);
    }
    Canvas.restore();
}

// --- TBitBtn2 ---

TBitBtn2::TBitBtn2(QWidget* Owner) : TBitBtn2(QString(), Owner) {}

TBitBtn2::TBitBtn2(const QString& Caption, QWidget* Owner) : QPushButton(Caption, Owner) {
    FColor = palette().color(QPalette::Button);
    connect(this, &QAbstractButton::clicked, this, &TBitBtn2::ModalResultSetzen);
}

TBitBtn2* DialogKnopf(const QString& Caption, QWidget* Owner) {
    auto* b = new TBitBtn2(Caption, Owner);
    b->SetStyle3D(1);
    b->SetShadow(0);
    return b;
}

void TBitBtn2::SetShadow(int32_t Value) {
    FShadow = Value;
    update();
}

void TBitBtn2::SetTransparent(bool Value) {
    FTransparent = Value;
    update();
}

void TBitBtn2::SetMargin(int32_t Value) {
    if (Value < -1) return;
    FMargin = Value;
    update();
}

void TBitBtn2::SetStyle3D(int32_t Value) {
    FStyle3D = Value;
    update();
}

void TBitBtn2::SetColor(const QColor& Value) {
    FColor = Value;
    update();
}

void TBitBtn2::SetGlyph(const QImage& Picture) {
    FGlyph.SetGlyph(Picture);
    update();
}

void TBitBtn2::SetNumGlyphs(int Value) {
    FGlyph.SetNumGlyphs(Value);
    update();
}

void TBitBtn2::SetCancel(bool Value) {
    if (Value == Cancel()) return;
    if (Value) {
        FCancel = new QShortcut(QKeySequence(Qt::Key_Escape), this);
        FCancel->setContext(Qt::WindowShortcut);
        connect(FCancel, &QShortcut::activated, this, &QAbstractButton::click);
    } else {
        delete FCancel;
        FCancel = nullptr;
    }
}

void TBitBtn2::ModalResultSetzen() {
    if (FModalResult == mrNone) return;
    if (auto* Dialog = qobject_cast<QDialog*>(window())) Dialog->done(FModalResult);
}

// Of the classic raised frame only the outer ring shows: light at the top
// and left, dark at the right and bottom; the face covers the rest.
void TBitBtn2::DrawFrame(QPainter& p, const QRect& R) const {
    p.fillRect(R.adjusted(1, 1, -1, -1), FColor);
    p.setPen(palette().color(QPalette::Light));
    p.drawLine(R.left(), R.bottom() - 1, R.left(), R.top());
    p.drawLine(R.left(), R.top(), R.right() - 1, R.top());
    p.setPen(palette().color(QPalette::Shadow));
    p.drawLine(R.right(), R.top(), R.right(), R.bottom());
    p.drawLine(R.left(), R.bottom(), R.right(), R.bottom());
}

void TBitBtn2::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect Client = rect();
    const bool Gedrueckt = isDown();
    const TButtonState State = !isEnabled() ? TButtonState::Disabled
                               : Gedrueckt  ? TButtonState::Down
                                            : TButtonState::Up;
    // The outline stays visible around the frame, which moves one pixel in.
    QRect Rahmen = Client;
    if (FIsFocused || hasFocus()) {
        p.setPen(palette().color(QPalette::Shadow));
        p.setBrush(Qt::NoBrush);
        p.drawRect(Client.adjusted(0, 0, -1, -1));
        Rahmen = Client.adjusted(1, 1, -1, -1);
    }
    if (Gedrueckt) {
        p.setPen(palette().color(QPalette::Dark));
        p.setBrush(FColor);
        p.drawRect(Client.adjusted(1, 1, -2, -2));
    } else {
        DrawFrame(p, Rahmen);
    }
    p.setFont(font());
    FGlyph.Draw(p, Client, text(), FMargin, State, FShadow, FTransparent, FStyle3D,
                {FColor, palette().color(QPalette::ButtonText)});
    if (FIsFocused) {
        // A dotted focus rectangle: every other pixel of its border inverted.
        const QRect F = Client.adjusted(3, 3, -3, -3);
        p.setCompositionMode(QPainter::RasterOp_NotDestination);
        for (int x = F.left(); x <= F.right(); ++x)
            for (int y : {F.top(), F.bottom()})
                if ((x + y) % 2 == 0) p.drawPoint(x, y);
        for (int y = F.top() + 1; y < F.bottom(); ++y)
            for (int x : {F.left(), F.right()})
                if ((x + y) % 2 == 0) p.drawPoint(x, y);
    }
}

void TBitBtn2::keyPressEvent(QKeyEvent* Event) {
    const bool Return = Event->key() == Qt::Key_Return || Event->key() == Qt::Key_Enter;
    if (Return && (Event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(Event);
}

void TBitBtn2::focusInEvent(QFocusEvent* Event) {
    FIsFocused = true;
    QPushButton::focusInEvent(Event);
    update();
}

void TBitBtn2::focusOutEvent(QFocusEvent* Event) {
    if (IstFokuswechsel(*Event)) FIsFocused = false;
    QPushButton::focusOutEvent(Event);
    update();
}
