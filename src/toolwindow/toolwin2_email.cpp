// Handing the picture to the e-mail program: the e-mail menu, the files in
// the e-mail folder with their running numbers, and the question at close
// about the files of this run.

#include "app/data.h"
#include "output/bilddatei.h"
#include "output/kvxmail.h"
#include "output/ordner.h"
#include "overlay/scrwin.h"
#include "platform/meldung.h"
#include "toolwindow/toolwin2.h"

#include <QAction>
#include <QCursor>
#include <QDateTime>
#include <QFile>
#include <QMenu>
#include <QToolButton>

namespace {

const QString OrdnerFehlerText =
    QStringLiteral("Verzeichnis für E-Mail-Versand konnte nicht erstellt werden:\r\n");
const QString MailtoAdresse = QStringLiteral("mailto:?subject=Screenshot");

// Just below the visible button showing a, its left edge at the button's;
// at the pointer when no button shows it.
QPoint UnterDemKnopf(const QAction* a) {
    for (QObject* o : a->associatedObjects()) {
        const auto* b = qobject_cast<const QToolButton*>(o);
        if (b && b->isVisible()) return b->mapToGlobal(QPoint(0, b->height()));
    }
    return QCursor::pos();
}

} // namespace

void TToolForm::EmailMenuErzeugen() {
    EmailMenu = new QMenu(this);
    EmailMenu->setObjectName(QStringLiteral("EmailMenu"));
    const auto Eintrag = [this](const char* Name, const QString& Text,
                                void (TToolForm::*Handler)()) {
        QAction* a = EmailMenu->addAction(Text);
        a->setObjectName(QString::fromUtf8(Name));
        connect(a, &QAction::triggered, this, Handler);
        return a;
    };
    EmailPNGMenuItem = Eintrag("EmailPNGMenuItem", QStringLiteral("Als &PNG-Bild versenden..."),
                               &TToolForm::EmailPNGMenuItemClick);
    EmailJPGMenuItem = Eintrag("EmailJPGMenuItem", QStringLiteral("Als &JPG-Bild versenden..."),
                               &TToolForm::EmailJPGMenuItemClick);
    EMailProgrammOeffnen1 =
        EmailMenu->addAction(QStringLiteral("E-&Mail-Programm und Screenshot-Ordner öffnen..."));
    EMailProgrammOeffnen1->setObjectName(QStringLiteral("EMailProgrammOeffnen1"));
    EMailProgrammOeffnen1->setShortcut(Qt::CTRL | Qt::Key_E);
    // Chosen in the menu it acts in every state once there is a picture;
    // its key acts in drawing mode only (eventFilter).
    EMailProgrammOeffnen1->installEventFilter(this);
    connect(EMailProgrammOeffnen1, &QAction::triggered, this, [this] {
        if (ScreenForm && !ScreenForm->Bild().isNull()) EMailProgrammOeffnen1Click();
    });
    addAction(EMailProgrammOeffnen1);
    connect(AlsEMailversenden1, &QAction::triggered, this, &TToolForm::EmailBtnClick);
    AlsEMailversenden1->setEnabled(true);
}

void TToolForm::EmailBtnClick() {
    // Before the first Start there is no picture to send.
    if (!ScreenForm || ScreenForm->Bild().isNull()) return;
    // The tool mark is no part of the picture to send.
    PopupMenu1Popup();
    EmailMenu->popup(UnterDemKnopf(AlsEMailversenden1));
}

void TToolForm::EMailProgrammOeffnen1Click() {
    MailtoOeffnen(MailtoAdresse);
    ScreenshotOrdnerOeffnen1Click();
}

void TToolForm::EmailScreenshot(int32_t Format) {
    const QString Dir = GetEmailDir();
    if (!OrdnerBenutzbar(Dir)) {
        Meldung(TMeldungTyp::Fehler, OrdnerFehlerText + Dir + OrdnerKorrigieren);
        return;
    }
    const int32_t VorherNr = EmailNr;
    const QString Name =
        FreierZeitstempelName(Dir, QDateTime::currentDateTime(), EmailNr, BildFormatEndung(Format));
    SetAuswahlBmp();
    if (!SaveBitmapFile(AuswahlBmp, Name)) {
        EmailNr = VorherNr;
    } else if (SendMailMapi(QStringLiteral("Screenshot"), QString(), {Name}) == 0) {
        EmailDateiList << Name;
    } else {
        QFile::remove(Name);
        EmailNr = VorherNr;
    }
    // Back in front of the mail program's window.
    raise();
    activateWindow();
}

bool TToolForm::EmailDateienAufraeumen() {
    // A file whose mail program still runs stays: the message being written
    // there may still need it. With only such files there is nothing to ask.
    QStringList Loeschbar;
    for (const QString& f : EmailDateiList)
        if (!AnhangInGebrauch(f)) Loeschbar << f;
    if (Loeschbar.isEmpty()) return true;
    const TMeldungAntwort a = Meldung(
        TMeldungTyp::Bestaetigung,
        QString::number(Loeschbar.size()) +
            QStringLiteral(" E-Mail-Screenshot(s) wurde(n) im Ordner ") + GetEmailDir() +
            QStringLiteral(" als Bilddatei(en) abgelegt.\r\nSoll diese jetzt gelöscht werden?"),
        TMeldungKnoepfe::JaNeinAbbrechen);
    if (a == TMeldungAntwort::Abbrechen) return false;
    if (a == TMeldungAntwort::Ja)
        for (const QString& f : Loeschbar)
            QFile::remove(f);
    return true;
}
