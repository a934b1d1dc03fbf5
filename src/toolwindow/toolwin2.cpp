#include "toolwindow/toolwin2.h"

#include "app/codes.h"
#include "app/data.h"
#include "controls/kvxspez.h"
#include "overlay/groessen.h"
#include "overlay/scrwin.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QGridLayout>
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

// The form's designed geometry: a Start button of 52 x 27 above a tool bar
// of two 25 x 24 buttons per row at (1, 28).
constexpr int EntwurfBreite = 52;
constexpr int EntwurfKnopfBreite = 25;
constexpr int EntwurfKnopfHoehe = 24;

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
    ErzeugeWerkzeugButtons(ToolBar1Raster);
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
    StartFertigBtn->setGeometry(0, 0, EntwurfBreite, EntwurfKnopfHoehe + 3);
    connect(StartFertigBtn, &QPushButton::clicked, this, [this] { StartFertigBtnClick(); });

    ToolBar1 = new QWidget(this);
    ToolBar1Raster = new QGridLayout(ToolBar1);
    ToolBar1Raster->setContentsMargins(0, 0, 0, 0);
    ToolBar1Raster->setSpacing(0);
    ToolBar1->move(1, StartFertigBtn->height() + 1);
    ToolBar1->setFixedWidth(2 * EntwurfKnopfBreite);

    StartFertig1 = new QAction(this);
    StartFertig1->setShortcut(Qt::Key_F9);
    connect(StartFertig1, &QAction::triggered, this, [this] { StartFertigBtnClick(); });
    addAction(StartFertig1);

    // The button is the window's default and cancel button at once.
    for (const int Taste : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
        connect(new QShortcut(QKeySequence(Taste), this), &QShortcut::activated, StartFertigBtn,
                &QPushButton::click);

    Timer1 = new QTimer(this);
    Timer1->setInterval(250);
    Timer1->setSingleShot(true);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
}

void TToolForm::FormCreate() {
    Start = true;
    setFixedWidth(EntwurfBreite);
    SetZustandBereit();
    const QRect Primaer = QGuiApplication::primaryScreen()->geometry();
    move(Primaer.x() + Primaer.width() - frameGeometry().width() - 15, Primaer.y() + 5);
    Modus = mStift;
    VorZoomModus = mStift;
    LupeFak = 2;
    ZoomfakNr = 2;
    ZoomFak = ZoomTab[2];
    BereichRect = KeinBereich;
    OrigScrBmp = OrigScrStartBmp = BackupBmp = BackupOrigScrBmp = AuswahlBmp = QImage();
    EmailDateiList.clear();
    ChronikDateiList.clear();
}

bool TToolForm::event(QEvent* Event) {
    if (Event->type() == QEvent::WindowActivate) FormActivate();
    return QWidget::event(Event);
}

void TToolForm::BefehleVerbinden() {
    connect(Rckgngig1, &QAction::triggered, this, [this] { RueckgaengigBtnClick(); });
    connect(Alleslschen1, &QAction::triggered, this, [this] { ClearBtnClick(); });
    connect(LeeresBlatt1, &QAction::triggered, this, [this] { BlattBtnClick(); });
    connect(Drucken1, &QAction::triggered, this, [this] { DruckBtnClick(); });
    Drucken1->setEnabled(true);
    connect(Hineinzoomen1, &QAction::triggered, this, [this] { ZoomInBtnClick(); });
    connect(Herauszoomen1, &QAction::triggered, this, [this] { ZoomOutBtnClick(); });
    // Where "+" needs Shift, Ctrl+Shift+plus is what the user types for
    // Ctrl and plus; Qt does not match it to Ctrl++ by itself.
    Hineinzoomen1->setShortcuts(
        {Hineinzoomen1->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Plus)});
}

void TToolForm::FormActivate() {
    if (!Start) return;
    LoadSettings();
    SetButtonEinstellungen();
    // Stays above other windows by its window flags, set at creation.
    if (AutoOpen) Timer1->start();
    Start = false;
}

void TToolForm::Timer1Timer() {
    Timer1->stop();
    QCoreApplication::processEvents();
    StartFertigBtnClick();
}

void TToolForm::closeEvent(QCloseEvent* Event) {
    if (!FormClose()) {
        Event->ignore();
        return;
    }
    Event->accept();
    // The tool window is the main window: the program ends with it, even
    // while the overlay is still shown.
    QCoreApplication::quit();
}

bool TToolForm::FormClose() {
    if (!EmailDateienAufraeumen()) return false;
    OrigScrBmp = OrigScrStartBmp = BackupBmp = BackupOrigScrBmp = AuswahlBmp = QImage();
    // The zoom view is never the stored tool.
    if (Modus == mZoom) Modus = mStift;
    SaveSettings();
    return true;
}

void TToolForm::SetWerkzeug() {
    TScreenForm* s = ScreenForm;
    if (!s) return;
    s->Img2->setVisible(Modus == mLupe || Modus == mZoom);
    // The read-out of the zoom view goes with it.
    s->ZoomInfoPan->setVisible(Modus == mZoom);
    s->SetMemoSchrift(TextGroesse(Sdicke));
    // Before the first Start there is no picture to draw the mark into.
    if (s->Bild().isNull()) return;
    const QPoint p = s->mapFromGlobal(QCursor::pos());
    s->Zeichenbewegung(TShiftState(), s->Sx, s->Sy, p.x(), p.y());
}
