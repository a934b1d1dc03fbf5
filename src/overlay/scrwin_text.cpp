// Text tool: a press opens a borderless entry field at the press point; Enter
// writes its text into the picture, Esc drops it. The canvas font equals the
// field's font, so the canvas measures the text exactly as it will be drawn.

#include "app/codes.h"
#include "controls/kvxspez.h"
#include "overlay/scrwin.h"
#include "overlay/tastenregeln.h"
#include "toolwindow/toolwin2.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace {

constexpr char16_t Enter = u'\r';
constexpr char16_t Escape = 0x1B;
constexpr char16_t Zeilenumbruch = u'\n';

// Large coloured text gets a black shadow so that it reads on any picture.
constexpr int SchattenAbPunkte = 20;

} // namespace

TColor TScreenForm::TextFarbe() const {
    return QRgbToTColor(Memo1->palette().color(QPalette::Text).rgb());
}

void TScreenForm::TextFarbeSetzen(TColor Col) {
    QPalette p = Memo1->palette();
    p.setColor(QPalette::Text, QColor::fromRgb(TColorToQRgb(Col)));
    Memo1->setPalette(p);
    if (TextfeldOffen()) Memo1->setFocus();
}

void TScreenForm::TextZweig(TShiftState Shift, int32_t xneu, int32_t yneu) {
    Textrahmen();
    Sx = xneu;
    Sy = yneu;
    if (Shift.Has(ssLeft)) {
        Lx = Sx;
        Ly = Sy;
        TextFarbeSetzen(ToolForm->Scol);
        Memo1->move(Sx, Sy - Memo1->height());
        Memo1Change();
        Memo1->show();
        Memo1->setFocus();
        Sx = Sy = Lx = Ly = -1;
    }
    Textrahmen();
}

void TScreenForm::Zeilenabstand() {
    // The field shows its lines exactly one text height apart, as they will
    // be written, not at the font's wider line spacing.
    QTextDocument Probe;
    Probe.setDefaultFont(Memo1->font());
    Probe.setDocumentMargin(0);
    Probe.setPlainText(QStringLiteral("X"));
    const qreal Natuerlich = Probe.documentLayout()->blockBoundingRect(Probe.firstBlock()).height();
    QTextBlockFormat f;
    f.setLineHeight(Canvas().TextHeight(QStringLiteral("X")) - Natuerlich,
                    QTextBlockFormat::LineDistanceHeight);
    const QSignalBlocker Ruhe(Memo1);
    QTextCursor c(Memo1->document());
    c.select(QTextCursor::Document);
    c.mergeBlockFormat(f);
}

void TScreenForm::Memo1Change() {
    Zeilenabstand();
    const TCanvas& c = Canvas();
    const QString xxx = QStringLiteral("xxx");
    int32_t Breite = c.TextWidth(xxx);
    const QStringList Zeilen = Memo1->toPlainText().split(QLatin1Char('\n'));
    for (const QString& z : Zeilen)
        Breite = IMax(Breite, c.TextWidth(z + xxx));
    const int32_t Zeile = Memo1->textCursor().blockNumber();
    const int32_t Hoehe =
        c.TextHeight(QStringLiteral("X")) * IMax(Zeile + 1, static_cast<int32_t>(Zeilen.size()));
    Memo1->resize(Breite, Hoehe);
    // The field fits its text, so nothing may stay scrolled out of view from
    // the moment before it grew.
    Memo1->verticalScrollBar()->setValue(0);
    Memo1->horizontalScrollBar()->setValue(0);
}

void TScreenForm::Memo1KeyPress(QChar& Key) {
    if (Key == Enter) {
        TextUebernehmen();
        Key = QChar();
        Textrahmen();
        MarkeMerken();
    } else if (Key == Escape) {
        Memo1->clear();
        Memo1->hide();
        Key = QChar();
        Textrahmen();
        MarkeMerken();
    } else if (Key == Zeilenumbruch) {
        Memo1Change();
    }
}

bool TScreenForm::eventFilter(QObject* Watched, QEvent* Event) {
    // The overlay's own keys come first, as for every other key.
    if (Watched == Memo1 && Event->type() == QEvent::KeyPress) {
        const auto* k = static_cast<QKeyEvent*>(Event);
        FormKeyDown(k->key(), TastenShift(k, true), Ziffernblock(k));
    } else if (Watched == Memo1 && Event->type() == QEvent::KeyRelease) {
        const auto* k = static_cast<QKeyEvent*>(Event);
        FormKeyUp(k->key(), TastenShift(k, false));
    }
    if (Watched != Memo1 || Event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(Watched, Event);
    const auto* k = static_cast<QKeyEvent*>(Event);
    QChar Key;
    if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter)
        Key = k->modifiers() & Qt::ControlModifier ? Zeilenumbruch : Enter;
    else if (k->key() == Qt::Key_Escape)
        Key = Escape;
    else
        return false;
    Memo1KeyPress(Key);
    // The field itself would treat Ctrl+Enter as a plain Enter; the line
    // break goes in here.
    if (Key == Zeilenumbruch) Memo1->textCursor().insertBlock();
    return true;
}

void TScreenForm::TextUebernehmen() {
    TCanvas& c = Canvas();
    c.Font = Memo1->font();
    c.Brush.Style = bsClear;
    c.TextAlign = TA_LEFT | TA_TOP;
    Memo1->hide();
    const QString Text = Memo1->toPlainText();
    const int32_t x = Memo1->x(), y = Memo1->y();
    if (!Text.isEmpty()) {
        if (FontPunkte(Memo1->font()) >= SchattenAbPunkte && ToolForm->Scol != clBlack) {
            c.FontColor = clBlack;
            c.DrawText(x + 1, y + 1, Text);
        }
        c.FontColor = TextFarbe();
        c.DrawText(x, y, Text);
    }
    Memo1->clear();
}

void TScreenForm::OffenenTextUebernehmen() {
    if (ToolForm->Modus != mText || !TextfeldOffen()) return;
    TextUebernehmen();
    Textrahmen();
    MarkeMerken();
}
