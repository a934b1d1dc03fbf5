#include "toolwindow/toolwin2.h"

#include "app/codes.h"
#include "app/data.h"
#include "controls/kvxspez.h"
#include "overlay/auswahl.h"
#include "overlay/groessen.h"
#include "overlay/scrwin.h"
#include "platform/beschaeftigt.h"
#include "platform/meldung.h"
#include "toolwindow/startvorbereitung.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>

TToolForm* ToolForm = nullptr;

bool AuswahlbereichAktiv(const TRect& R) {
    return R.Left >= 0 && R.Top >= 0 && R.Right >= 2 && R.Bottom >= 0;
}

namespace {

// The form's designed width and Start button height, until the settings'
// button size is applied (SetToolWindowSize).
constexpr int EntwurfBreite = 52;
constexpr int EntwurfStartHoehe = 27;

// Milliseconds after the first show by which the one-time set-up runs even
// without an activation.
constexpr int ErsteEinrichtungSpaetestens = 500;

QFont PixelSchrift(int Pixel) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(Pixel);
    return f;
}

} // namespace

TToolForm::TToolForm(QWidget* Parent) : QWidget(Parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
    ToolForm = this;
    KomponentenErzeugen();
    ErzeugeAktionen();
    ErzeugeWerkzeugButtons();
    BlattMenuErzeugen();
    SpeichernMenuErzeugen();
    EmailMenuErzeugen();
    BefehleVerbinden();
    AusgabeVerbinden();
    ToolBar1MouseMoveVerfolgen(this);
    FormCreate();
}

TToolForm::~TToolForm() {
    if (ToolForm == this) ToolForm = nullptr;
}

void TToolForm::KomponentenErzeugen() {
    setWindowTitle(QStringLiteral("Skribano"));
    setFont(PixelSchrift(11));

    StartFertigBtn = new QPushButton(this);
    StartFertigBtn->setFont(PixelSchrift(12));
    StartFertigBtn->setGeometry(0, 0, EntwurfBreite, EntwurfStartHoehe);
    connect(StartFertigBtn, &QPushButton::clicked, this, [this] { StartFertigBtnClick(); });

    ToolBar1 = new QWidget(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));

    StartFertig1 = new QAction(this);
    StartFertig1->setShortcut(Qt::Key_F9);
    connect(StartFertig1, &QAction::triggered, this, [this] { StartFertigBtnClick(); });
    addAction(StartFertig1);

    // The button is the window's default and cancel button at once.
    for (const int Taste : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        StartTasten.push_back(new QShortcut(QKeySequence(Taste), this));
        connect(StartTasten.back(), &QShortcut::activated, StartFertigBtn, &QPushButton::click);
    }

    Timer1 = new QTimer(this);
    Timer1->setInterval(250);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });

    new TStartVorbereitung(*this, *StartFertigBtn);
}

void TToolForm::FormCreate() {
    Start = true;
    setFixedWidth(EntwurfBreite);
    SetZustandBereit();
    const QRect Primaer = QGuiApplication::primaryScreen()->geometry();
    move(Primaer.x() + Primaer.width() - frameGeometry().width() - 15, Primaer.y() + 5);
    EigenerOrt = pos() - Primaer.topLeft();
    MauszeigerRegistrieren();
    Modus = mStift;
    VorZoomModus = mStift;
    LupeFak = 2;
    ZoomfakNr = 2;
    ZoomFak = ZoomTab[2];
    BereichRect = KeinBereich;
    OrigScrBmp = OrigScrStartBmp = BackupBmp = BackupOrigScrBmp = AuswahlBmp = QImage();
    EmailDateiList.clear();
    ChronikDateiList.clear();
    SetToolWindowSize();
}

bool TToolForm::event(QEvent* Event) {
    // The one-time set-up must not wait for an activation: without a window
    // manager, or with one that does not activate new windows, none comes
    // until the first click, which would then also start drawing mode and
    // let the automatic start end it again. So it runs at the activation or,
    // failing that, shortly after the window is first shown: by then a
    // window manager has framed the window, so that the stored position
    // places the frame, as it was stored.
    if (Event->type() == QEvent::WindowActivate)
        FormActivate();
    else if (Event->type() == QEvent::Show && Start)
        QTimer::singleShot(ErsteEinrichtungSpaetestens, this, &TToolForm::FormActivate);
    return QWidget::event(Event);
}

void TToolForm::BefehleVerbinden() {
    const auto Befehl = [this](QAction* a, auto Handler) {
        connect(a, &QAction::triggered, this, Handler);
        a->setEnabled(true);
    };
    Befehl(Rckgngig1, &TToolForm::RueckgaengigBtnClick);
    Befehl(Alleslschen1, &TToolForm::ClearBtnClick);
    Befehl(LeeresBlatt1, &TToolForm::BlattBtnClick);
    Befehl(Info1, &TToolForm::InfoBtnClick);
    Befehl(Auswahlbereich1, [] {
        if (AuswahlForm) AuswahlForm->Zeigen();
    });
    Befehl(Hineinzoomen1, &TToolForm::ZoomInBtnClick);
    Befehl(Herauszoomen1, &TToolForm::ZoomOutBtnClick);
    Befehl(Drucken1, &TToolForm::DruckBtnClick);
    // Where "+" needs Shift, Ctrl+Shift+plus is what the user types for
    // Ctrl and plus; Qt does not match it to Ctrl++ by itself.
    Hineinzoomen1->setShortcuts(
        {Hineinzoomen1->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Plus)});
}

void TToolForm::FormActivate() {
    if (!Start) return;
    LoadSettings();
    SetImageListZusatzCol();
    SetToolWindowSize();
    SetButtonEinstellungen();
    LoadTranslation();
    if (ScreenForm) ScreenForm->AuswahlBereichZeigen();
    // Stays above other windows by its window flags, set at creation.
    if (AutoOpen || ZeichnenBeimStart) Timer1->start();
    Start = false;
}

void TToolForm::ZeichnenStarten() {
    if (Start) {
        ZeichnenBeimStart = true;
        return;
    }
    // A pending automatic start would otherwise end what this one began.
    Timer1->stop();
    // Hidden in the ready state, the window is being kept out of a capture
    // that a Start has begun already.
    if (WinZustand == 0 && isVisible()) StartFertigBtnClick();
}

void TToolForm::ZeichnenUmschalten() {
    if (Start || Timer1->isActive() || WinZustand == 0)
        ZeichnenStarten();
    else
        StartFertigBtnClick();
}

void TToolForm::Hervorholen() {
    // On Wayland the controls live in the overlay while drawing mode lasts.
    QWidget* Fenster = isVisible() || !ScreenForm ? static_cast<QWidget*>(this) : ScreenForm;
    Fenster->raise();
    Fenster->activateWindow();
}

void TToolForm::Timer1Timer() {
    Timer1->stop();
    QCoreApplication::processEvents();
    StartFertigBtnClick();
}

void TToolForm::closeEvent(QCloseEvent* Event) {
    if (!Beendet && !FormClose()) {
        Event->ignore();
        return;
    }
    Beendet = true;
    Event->accept();
    // The tool window is the main window: the program ends with it, even
    // while the overlay is still shown.
    QCoreApplication::quit();
}

bool TToolForm::ErzwungenesEnde() {
    if (Beendet) return false;
    // Not inside a wait for another program: the handler that waits goes on
    // afterwards and must find drawing mode and the windows as it left them.
    if (TBeschaeftigt::Aktiv()) {
        TBeschaeftigt::Danach([this] { ErzwungenesEnde(); });
        return true;
    }
    MeldungenOhneNachfrage();
    if (QWidget* Menue = QApplication::activePopupWidget()) Menue->close();
    if (WinZustand == 1) {
        // An open text is written and the tool mark leaves the picture
        // before "Fertig" may store it.
        CheckPanels();
        StartFertigBtnClick();
    }
    if (!Beendet) close();
    return true;
}

bool TToolForm::FormClose() {
    if (!EmailDateienAufraeumen()) return false;
    OrigScrBmp = OrigScrStartBmp = BackupBmp = BackupOrigScrBmp = AuswahlBmp = QImage();
    // The zoom view is never the stored tool.
    if (Modus == mZoom) Modus = mStift;
    // Closed before the first activation loaded them (an early logout), the
    // variables hold only initial values that must not replace stored ones.
    if (EinstellungenGeladen) SaveSettings();
    return true;
}

void TToolForm::SetWerkzeug() {
    TScreenForm* s = ScreenForm;
    if (!s) return;
    s->AuswahlBereichZeigen();
    s->SetMauszeiger();
    s->Img2->setVisible(Modus == mLupe || Modus == mZoom);
    // The read-out of the zoom view goes with it.
    s->ZoomInfoPan->setVisible(Modus == mZoom);
    s->SetMemoSchrift(TextGroesse(Sdicke));
    // Before the first Start there is no picture to draw the mark into.
    if (s->Bild().isNull()) return;
    const QPoint p = s->mapFromGlobal(QCursor::pos());
    s->Zeichenbewegung(TShiftState(), s->Sx, s->Sy, p.x(), p.y());
}
