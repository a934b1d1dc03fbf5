// Taking the picture out as an image file: the output bitmap, the save
// dialog, the screenshots into the screenshot folder with the message
// window, and opening that folder.

#include "app/data.h"
#include "output/bilddatei.h"
#include "output/melde.h"
#include "output/ordner.h"
#include "overlay/scrwin.h"
#include "platform/dokumente.h"
#include "platform/meldung.h"
#include "platform/oeffnen.h"
#include "toolwindow/toolwin2.h"

#include <QAction>
#include <QCursor>
#include <QFileDialog>
#include <QMenu>

namespace {

// Every combination of Shift, Ctrl and Alt with Taste: F7 and F8 act with
// any modifiers held.
QList<QKeySequence> MitJedemUmschalter(Qt::Key Taste) {
    QList<QKeySequence> Folgen;
    for (int i = 0; i < 8; ++i) {
        Qt::KeyboardModifiers m;
        if (i & 1) m |= Qt::ShiftModifier;
        if (i & 2) m |= Qt::ControlModifier;
        if (i & 4) m |= Qt::AltModifier;
        Folgen << QKeySequence(QKeyCombination(m, Taste));
    }
    return Folgen;
}

void MeldFormVerbergen() {
    if (MeldForm) MeldForm->hide();
}

} // namespace

// "Beschreibung|Muster|..." pairs as the dialog takes them: "Beschreibung
// (Muster)" each, the pattern added only where the text lacks it. Patterns
// are separated by ";" there and by blanks in the dialog.
QStringList DialogFilter(const QString& Filter) {
    const QStringList Teile = Filter.split(u'|');
    QStringList Filter2;
    for (qsizetype i = 0; i + 1 < Teile.size(); i += 2) {
        const QString Muster = u'(' + QString(Teile[i + 1]).replace(u';', u' ') + u')';
        Filter2 << (Teile[i].contains(Muster) ? Teile[i] : Teile[i] + QLatin1Char(' ') + Muster);
    }
    return Filter2;
}

void TToolForm::SpeichernMenuErzeugen() {
    SpeichernMenu = new QMenu(this);
    SpeichernMenu->setObjectName(QStringLiteral("SpeichernMenu"));
    const auto Eintrag = [this](const char* Name, const QString& Text,
                                void (TToolForm::*Handler)()) {
        QAction* a = SpeichernMenu->addAction(Text);
        a->setObjectName(QString::fromUtf8(Name));
        // Chosen in the menu the items act in every state once there is a
        // picture; their keys act in drawing mode only (eventFilter). Like
        // the menu, they first bring the overlay in line.
        a->installEventFilter(this);
        connect(a, &QAction::triggered, this, [this, Handler] {
            if (!ScreenForm || ScreenForm->Bild().isNull()) return;
            PopupMenu1Popup();
            (this->*Handler)();
        });
        return a;
    };
    Speichernunter1 = Eintrag("Speichernunter1", QStringLiteral("&Speichern unter..."),
                              &TToolForm::Speichernunter1Click);
    Speichernunter1->setShortcut(Qt::CTRL | Qt::Key_U);
    AlsPNGScreenshotSpeichern = Eintrag(
        "AlsPNGScreenshotSpeichern", QStringLiteral("Als &PNG-Bild in Screenshot-Ordner ablegen"),
        &TToolForm::AlsPNGScreenshotSpeichernClick);
    AlsPNGScreenshotSpeichern->setShortcuts(MitJedemUmschalter(Qt::Key_F7));
    AlsJPGScreenshotSpeichern = Eintrag(
        "AlsJPGScreenshotSpeichern", QStringLiteral("Als &JPG-Bild in Screenshot-Ordner ablegen"),
        &TToolForm::AlsJPGScreenshotSpeichernClick);
    AlsJPGScreenshotSpeichern->setShortcuts(MitJedemUmschalter(Qt::Key_F8));
    ScreenshotOrdnerOeffnen1 =
        Eintrag("ScreenshotOrdnerOeffnen1", QStringLiteral("Screenshot-&Ordner öffnen"),
                &TToolForm::ScreenshotOrdnerOeffnen1Click);
    ScreenshotOrdnerOeffnen1->setShortcut(Qt::CTRL | Qt::Key_O);
    // The overlay takes them when it binds the popup menu.
    addActions(SpeichernMenu->actions());
}

QFileDialog& TToolForm::SaveBMP() {
    if (SaveBMPGemacht) return *SaveBMPGemacht;
    auto* d = SaveBMPGemacht = new QFileDialog(this, SaveBMPTitel);
    d->setObjectName(QStringLiteral("SaveBMP"));
    d->setAcceptMode(QFileDialog::AcceptSave);
    d->setNameFilters(DialogFilter(SaveBMPFilter));
    d->setDefaultSuffix(QStringLiteral("jpg"));
    return *d;
}

void TToolForm::SetAuswahlBmp() {
    QImage& Bild = ScreenForm->Bild();
    if (!AuswahlbereichAktiv(BereichRect)) {
        // Shared until the next drawing, which then works on its own copy.
        ScreenForm->Canvas().Release();
        AuswahlBmp = Bild;
        return;
    }
    const TRect& r = BereichRect;
    AuswahlBmp = Bild.copy(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
}

QString TToolForm::GetScreenshotDir() const {
    return OrdnerErweitern(ScreenshotDir, ProgramDir, DokumenteOrdner());
}

QString TToolForm::GetEmailDir() const {
    return OrdnerErweitern(EmailDir, ProgramDir, DokumenteOrdner());
}

bool TToolForm::SaveScreenshot(bool Auswahl, int32_t Format) {
    if (Auswahl) {
        SetAuswahlBmp();
    } else {
        ScreenForm->Canvas().Release();
        AuswahlBmp = ScreenForm->Bild();
    }
    const QString Dir = GetScreenshotDir();
    if (!OrdnerBenutzbar(Dir)) {
        MeldFormVerbergen();
        Meldung(TMeldungTyp::Fehler,
                QStringLiteral("Verzeichnis für automatische Screenshots konnte nicht erstellt "
                               "werden:\r\n") +
                    Dir + OrdnerKorrigieren);
        return false;
    }
    const int32_t VorherNr = ScreenshotNr;
    const QString Name = FreierZeitstempelName(Dir, QDateTime::currentDateTime(), ScreenshotNr,
                                               BildFormatEndung(Format));
    if (BitmapDateiSchreiben(AuswahlBmp, Name, TZielVorhanden::Behalten)) return true;
    // Nothing was stored: the number is free again, and at "Fertig" the
    // drawing must stay.
    ScreenshotNr = VorherNr;
    MeldFormVerbergen();
    BitmapDateiFehler(Name);
    return false;
}

void TToolForm::SaveBtnClick() {
    // Before the first Start there is no picture to save.
    if (!ScreenForm || ScreenForm->Bild().isNull()) return;
    const QWidget* SaveBtn = findChild<QWidget*>(QStringLiteral("SaveBtn"));
    SpeichernMenu->popup(SaveBtn ? SaveBtn->mapToGlobal(QPoint(0, SaveBtn->height()))
                                 : QCursor::pos());
}

void TToolForm::Speichernunter1Click() {
    QFileDialog& Dialog = SaveBMP();
    if (Dialog.exec() != QDialog::Accepted || Dialog.selectedFiles().isEmpty()) return;
    const QString Name = Dialog.selectedFiles().constFirst();
    const QString Endung = DateiEndung(Name);
    if (Endung != QLatin1String(".bmp") && Endung != QLatin1String(".png") &&
        Endung != QLatin1String(".jpg")) {
        Meldung(
            TMeldungTyp::Fehler,
            QStringLiteral("Speichern fehlgeschlagen wegen ungültiger Dateinamenserweiterung."));
        return;
    }
    SetAuswahlBmp();
    SaveBitmapFile(AuswahlBmp, Name);
}

void TToolForm::ScreenshotMitMeldung(int32_t Format) {
    ScreenForm->setEnabled(false);
    if (MeldForm) MeldForm->Zeigen(QStringLiteral("Screenshot abgelegt"));
    SaveScreenshot(true, Format);
    MeldFormVerbergen();
    ScreenForm->setEnabled(true);
}

void TToolForm::AlsPNGScreenshotSpeichernClick() {
    ScreenshotMitMeldung(BildPng);
}

void TToolForm::AlsJPGScreenshotSpeichernClick() {
    ScreenshotMitMeldung(BildJpg);
}

void TToolForm::ScreenshotOrdnerOeffnen1Click() {
    const QString Dir = GetScreenshotDir();
    if (!OrdnerBenutzbar(Dir)) {
        Meldung(TMeldungTyp::Fehler,
                QStringLiteral("Screenshot-Ordner konnte nicht erstellt werden:\r\n") + Dir +
                    OrdnerKorrigieren);
        return;
    }
    // Whether the desktop could show the folder is not reported.
    ImDesktopOeffnen(Dir);
}
