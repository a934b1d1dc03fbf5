// The sheet menu: back to the frozen screen, or a generated blank sheet as
// the new background. Every sheet keeps the old background in the undo copy
// and then clears the drawings, so one undo brings both back.

#include "app/codes.h"
#include "app/data.h"
#include "toolwindow/blattmuster.h"
#include "toolwindow/toolwin2.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

// Opaque red, yellow, green and blue, the hues of the transparent colours.

QSize PrimaerSchirm() {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->size() : QSize();
}

void KeinMuster(TCanvas&, QSize, int32_t) {}

} // namespace

void TToolForm::BlattMenuErzeugen() {
    BlattMenu = new QMenu(this);
    const auto Eintrag = [this](const QString& Text, void (TToolForm::*Handler)()) {
        QAction* a = BlattMenu->addAction(Text);
        connect(a, &QAction::triggered, this, Handler);
        return a;
    };
    AktuellesBild = Eintrag(QStringLiteral("Aktueller Bildschirm"), &TToolForm::AktuellesBildClick);
    BlattMenu->addSeparator();
    WeiesBlatt1 = Eintrag(QStringLiteral("Weißes Blatt"), &TToolForm::WeiesBlatt1Click);
    SchwarzesBlatt1 = Eintrag(QStringLiteral("Schwarzes Blatt"), &TToolForm::SchwarzesBlatt1Click);
    KariertesBlatt1 = Eintrag(QStringLiteral("Kariert"), &TToolForm::KariertesBlatt1Click);
    KleineKreuze1 = Eintrag(QStringLiteral("Punktraster"), &TToolForm::KleineKreuze1Click);
    LiniertesBlatt1 = Eintrag(QStringLiteral("Linien"), &TToolForm::LiniertesBlatt1Click);
    BlattMenu->addSeparator();
    // Pasting a picture as the background belongs to the clipboard commands,
    // which connect and enable this entry.
    AusZwischenablageeinfuegen1 =
        BlattMenu->addAction(QStringLiteral("Aus Zwischenablage einfügen"));
    AusZwischenablageeinfuegen1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    AusZwischenablageeinfuegen1->setEnabled(false);
}

void TToolForm::BlattBtnClick() {
    // The shortcut works in the ready state too, where the button lies
    // below the visible Start button; the menu then opens below the window.
    const bool KnopfSichtbar =
        BlattBtn && BlattBtn->isVisible() &&
        (BlattBtn->window() != this ||
         rect().contains(BlattBtn->mapTo(this, QPoint(0, BlattBtn->height() - 1))));
    BlattMenu->popup(KnopfSichtbar ? BlattBtn->mapToGlobal(QPoint(0, BlattBtn->height()))
                                   : mapToGlobal(QPoint(0, height())));
}

void TToolForm::BlattErzeugen(TColor Grund, void (*Muster)(TCanvas&, QSize, int32_t), int32_t a) {
    if (OrigScrBmp.isNull()) return; // no picture before the first Start
    BackupOrigScrBmp = OrigScrBmp;
    if (OrigScrBmp.format() != QImage::Format_RGB32)
        OrigScrBmp = OrigScrBmp.convertToFormat(QImage::Format_RGB32);
    const QSize F = BlattFlaeche(PrimaerSchirm(), OrigScrBmp.size());
    TCanvas c(&OrigScrBmp);
    MaleEinfarbig(c, F, Grund);
    Muster(c, F, a);
    c.Release();
    ClearBtnClick();
}

void TToolForm::BlattEinfarbig(TColor Farbe) {
    BlattErzeugen(Farbe, KeinMuster, 0);
}

void TToolForm::BlattKariert(int32_t a) {
    BlattErzeugen(BlattGrundFarbe, MaleKaros, a);
}

void TToolForm::BlattLiniert(int32_t a) {
    BlattErzeugen(BlattGrundFarbe, MaleLinien, a);
}

void TToolForm::BlattPunktraster(int32_t a) {
    BlattErzeugen(BlattGrundFarbe, MalePunktraster, a);
}

void TToolForm::AktuellesBildClick() {
    // Saved like every other background change, so that an undo right after
    // it brings the sheet back instead of an older background.
    BackupOrigScrBmp = OrigScrBmp;
    OrigScrBmp = OrigScrStartBmp;
    ClearBtnClick();
}

void TToolForm::WeiesBlatt1Click() {
    BlattEinfarbig(clWhite);
}

void TToolForm::SchwarzesBlatt1Click() {
    BlattEinfarbig(clBlack);
    // The transparent marker ANDs with the picture and would leave black
    // unchanged; switch to the opaque colour of the same hue.
    if (IstMarkFarbe(FarbMode)) FarbBtnClick(FarbMode + fmMarkZuDeck);
}

void TToolForm::KariertesBlatt1Click() {
    BlattKariert(KariertAbstand);
}

void TToolForm::KleineKreuze1Click() {
    BlattPunktraster(PunktrasterAbstand);
}

void TToolForm::LiniertesBlatt1Click() {
    BlattLiniert(LinienAbstand);
}
