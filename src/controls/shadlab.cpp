#include "controls/shadlab.h"

#include "controls/kvxspez.h"
#include "controls/schriftgroesse.h"

#include <QPaintEvent>
#include <QPainter>

namespace {

// The text with every "|" turned into a line break.
QString Zeilen(const QString& Text) {
    return ReplaceText(Text, QStringLiteral("|"), QStringLiteral("\n"));
}

// Removes leading and trailing blanks and control characters.
QString Beschneiden(const QString& S) {
    qsizetype Anfang = 0, Ende = S.size();
    while (Anfang < Ende && S[Anfang].unicode() <= 0x20)
        ++Anfang;
    while (Ende > Anfang && S[Ende - 1].unicode() <= 0x20)
        --Ende;
    return S.mid(Anfang, Ende - Anfang);
}

} // namespace

TShadowLabel::TShadowLabel(QWidget* Owner) : QLabel(Owner) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    resize(120, 30);
    setText(QStringLiteral("ShadowLabel"));
}

void TShadowLabel::SetShadow(int32_t Value) {
    if (Value == FShadow) return;
    FShadow = Value;
    update();
}

void TShadowLabel::SetShadowColor(const QColor& Value) {
    if (Value == FShadowColor) return;
    FShadowColor = Value;
    update();
}

void TShadowLabel::SetTransparent(bool Value) {
    if (Value == FTransparent) return;
    FTransparent = Value;
    update();
}

void TShadowLabel::SetAutoSize(bool Value) {
    if (Value == FAutoSize) return;
    FAutoSize = Value;
    GroesseAnpassen();
    update();
}

int TShadowLabel::Schriftflags() const {
    int Flags = (alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignTop | Qt::TextExpandTabs |
                Qt::TextShowMnemonic;
    if (wordWrap()) Flags |= Qt::TextWordWrap;
    return Flags;
}

// The rectangle S needs when drawn into the label's client rectangle.
QRect TShadowLabel::Messen(const QFont& Schrift, const QString& S) const {
    return QFontMetrics(Schrift, this).boundingRect(rect(), Schriftflags(), S);
}

QSize TShadowLabel::sizeHint() const {
    if (!FAutoSize) return QLabel::sizeHint();
    return QFontMetrics(font(), this)
        .boundingRect(QRect(0, 0, wordWrap() ? width() : 32767, 32767), Schriftflags(),
                      Zeilen(text()))
        .size();
}

void TShadowLabel::GroesseAnpassen() {
    if (FAutoSize) resize(sizeHint());
}

void TShadowLabel::changeEvent(QEvent* Event) {
    QLabel::changeEvent(Event);
    if (Event->type() == QEvent::FontChange) GroesseAnpassen();
}

// Fits S into the label: first a smaller font, down to 7 points, then words
// cut from the end. Returns the text to draw; Schrift holds the font to draw with.
QString TShadowLabel::Anpassen(QFont& Schrift, QString S) const {
    const int W = width(), H = height();
    auto ZuGross = [&](const QRect& r) { return r.width() > W || r.height() > H; };
    QRect Gemessen = Messen(Schrift, S);
    int Punkte = Punktgroesse(Schrift, logicalDpiY());
    while (ZuGross(Gemessen) && Punkte > 7) {
        Schrift.setPointSize(--Punkte);
        Gemessen = Messen(Schrift, S);
    }
    QString Suffix;
    while (ZuGross(Gemessen) && !S.isEmpty()) {
        S = Beschneiden(S);
        const qsizetype Blank = S.lastIndexOf(QChar(' '));
        S = S.left(Blank < 0 ? 0 : Blank);
        Suffix = S.isEmpty() ? QStringLiteral("...") : QStringLiteral(" ...");
        Gemessen = Messen(Schrift, S + Suffix);
    }
    return S + Suffix;
}

void TShadowLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    QRect R = rect();
    if (!FTransparent) p.fillRect(R, palette().color(QPalette::Window));
    QFont Schrift = font();
    QString S = Zeilen(text());
    if (!FAutoSize) S = Anpassen(Schrift, S);
    p.setFont(Schrift);

    const Qt::Alignment Senkrecht = alignment() & Qt::AlignVertical_Mask;
    if (Senkrecht & (Qt::AlignBottom | Qt::AlignVCenter)) {
        int Frei = height() - Messen(Schrift, S).height();
        if (Senkrecht & Qt::AlignVCenter) Frei /= 2;
        R.translate(0, IMax(Frei, 0));
    }
    if (FShadow > 0) {
        p.setPen(FShadowColor);
        const QRect Schatten = R.translated(FShadow, FShadow);
        p.setClipRect(Schatten);
        p.drawText(Schatten, Schriftflags(), S);
    }
    p.setPen(palette().color(QPalette::WindowText));
    p.setClipRect(R);
    p.drawText(R, Schriftflags(), S);
}
