// Pictures through the clipboard: the picture or area out, a picture in as
// the new background.

#include "output/zwischenablage.h"
#include "overlay/scrwin.h"
#include "toolwindow/toolwin2.h"

#include <QAction>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace {

constexpr TColor EinfuegenGrund = 0x00C0C0C0;

QSize PrimaerSchirm() {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->size() : QSize();
}

} // namespace

void TToolForm::ClipBtnClick() {
    // Before the first Start there is no picture to copy.
    if (!ScreenForm || ScreenForm->Bild().isNull()) return;
    SetAuswahlBmp();
    BildInZwischenablage(AuswahlBmp);
}

void TToolForm::AusZwischenablageeinfuegen1Click() {
    // Before the first Start there is no background to replace.
    if (!ScreenForm || OrigScrBmp.isNull()) return;
    QImage Eingefuegt;
    if (!BildAusZwischenablage(Eingefuegt)) return;
    BackupOrigScrBmp = OrigScrBmp;
    if (OrigScrBmp.format() != QImage::Format_RGB32)
        OrigScrBmp = OrigScrBmp.convertToFormat(QImage::Format_RGB32);
    // Grey over exactly the primary display's size (not the frozen
    // monitor's), the picture unscaled at the top left corner, both cut at
    // the bitmap's edge.
    QPainter p(&OrigScrBmp);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(QRect(QPoint(0, 0), PrimaerSchirm()), QColor::fromRgb(TColorToQRgb(EinfuegenGrund)));
    p.drawImage(0, 0, Eingefuegt);
    p.end();
    ClearBtnClick();
}

void TToolForm::AusgabeVerbinden() {
    connect(Speichern1, &QAction::triggered, this, [this] { SaveBtnClick(); });
    connect(IndieZwischenablage1, &QAction::triggered, this, [this] {
        // From the overlay's keys the tool mark may still be in the picture.
        PopupMenu1Popup();
        ClipBtnClick();
    });
    for (QAction* a : {AusZwischenablage1, AusZwischenablageeinfuegen1})
        connect(a, &QAction::triggered, this, [this] { AusZwischenablageeinfuegen1Click(); });
    for (QAction* a :
         {Speichern1, IndieZwischenablage1, AusZwischenablage1, AusZwischenablageeinfuegen1})
        a->setEnabled(true);
}
