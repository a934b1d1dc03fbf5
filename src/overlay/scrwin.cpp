#include "overlay/scrwin.h"
#include "app/codes.h"

#include "controls/kvxspez.h"
#include "platform/shmaufnahme.h"
#include "platform/sitzung.h"
#include "toolwindow/toolwin2.h"

#include <QBackingStore>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

TScreenForm* ScreenForm = nullptr;

TScreenForm::TScreenForm(QWidget* Parent) : QWidget(Parent, Qt::Window | Qt::FramelessWindowHint) {
    ScreenForm = this;
    setWindowTitle(QStringLiteral("Skribano"));
    Img1 = new TBildAnzeige(this);
    Img1->OnChange = [this](const QRect& R) { FBackupKacheln.Mark(R); };
    Img1->OnMouseDown = [this](TMouseButton b, TShiftState s, int x, int y) {
        Img1MouseDown(b, s, x, y);
    };
    Img1->OnMouseMove = [this](TShiftState s, int x, int y) { Img1MouseMove(s, x, y); };
    Img1->OnMouseUp = [this](TMouseButton b, TShiftState s, int x, int y) {
        Img1MouseUp(b, s, x, y);
    };

    Img2 = new TImage32(this);
    Img2->OnMouseDown = Img1->OnMouseDown;
    Img2->OnMouseMove = Img1->OnMouseMove;
    Img2->OnMouseUp = Img1->OnMouseUp;
    Img2->hide();
    const QSize Screen = QGuiApplication::primaryScreen()->size();
    Img2->Bitmap = QImage(Screen, QImage::Format_RGB32);
    Img2->Layer.Visible = false;
    // Above the picture, like every panel of the overlay.
    ZoomInfoPan = new TZoomInfoPan(this);

    Memo1 = new QTextEdit(this);
    Memo1->setAcceptRichText(false);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setLineWrapMode(QTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // No inner margin: the first line sits at the field's top-left corner,
    // where the text will be written.
    Memo1->document()->setDocumentMargin(0);
    Memo1->setContentsMargins(0, 0, 0, 0);
    QPalette Farben = Memo1->palette();
    Farben.setColor(QPalette::Base, QColor::fromRgb(TColorToQRgb(clSilver)));
    Memo1->setPalette(Farben);
    Memo1->setToolTip(QStringLiteral(
        "Zeilenumbruch einfügen mit Strg+Enter, Text übernehmen mit Enter, abbrechen mit ESC"));
    Memo1->setFont(SansFont(24, true));
    Memo1->hide();
    Memo1->installEventFilter(this);
    connect(Memo1, &QTextEdit::textChanged, this, &TScreenForm::Memo1Change);
    // Created last, so that they lie above the picture and the text field.
    BereichsPanelsErzeugen();

    Lx = Ly = Sx = Sy = -1;
    UmschaltFGedrueckt = false;
    // The tool window's popup menu is this window's context menu too, with
    // all its shortcuts.
    if (ToolForm) ToolForm->PopupMenu1Anbinden(this);
    MausradHakenSetzen();
}

TScreenForm::~TScreenForm() {
    FensterpufferAbwarten();
    // During drawing mode on Wayland the tool window lives in here; it is
    // not this window's to delete.
    if (ToolForm && ToolForm->window() == this) ToolForm->setParent(nullptr);
    if (FHandUeberall) QGuiApplication::restoreOverrideCursor();
    if (ScreenForm == this) ScreenForm = nullptr;
}

void TScreenForm::resizeEvent(QResizeEvent* Event) {
    QWidget::resizeEvent(Event);
    Img1->setGeometry(rect());
    Img2->setGeometry(rect());
    // The enlarged picture keeps covering the view at the new size.
    if (ToolForm && ToolForm->Modus == mZoom) SetZoomOffset(Img2->OffsetHorz, Img2->OffsetVert);
}

void TScreenForm::showEvent(QShowEvent* Event) {
    QWidget::showEvent(Event);
    FPufferVorbereitet = false;
    SetMauszeiger();
    Memo1->hide();
    Memo1->clear();
    Canvas().Font = Memo1->font();
    Memo1->resize(Memo1->width(), Canvas().TextHeight(QStringLiteral("X")));
}

void TScreenForm::closeEvent(QCloseEvent* Event) {
    // Closed in any way other than "Fertig": the program ends with it. If
    // the tool window refuses to close, drawing mode stays as it was.
    if (ToolForm && ToolForm->WinZustand != 2) {
        if (!ToolForm->close()) {
            Event->ignore();
            return;
        }
        Img2->Layer = TBitmapLayer();
    }
    Event->accept();
}

void TScreenForm::AufnahmeLaden(const QImage& Aufnahme) {
    Sx = Sy = Lx = Ly = -1;
    BakSx = BakSy = BakLx = BakLy = -1;
    // Until the first stroke every copy of the capture shares its pixels.
    BildLaden(Aufnahme, true, true);
    Img2->Bitmap = Aufnahme;
    // A lens of the last drawing mode shows until the pointer moves again.
    Img2->LayerVerstecken();
}

void TScreenForm::BilderFreigeben() {
    Img1->SetBitmap(QImage(), true);
    Img2->Bitmap = QImage();
}

void TScreenForm::AufMonitorZeigen(const QRect& Monitor) {
    // A Wayland client cannot place a window; it can only name the output,
    // best before the window exists, so that it is made at that output's
    // scale.
    if (WaylandSitzung())
        for (QScreen* s : QGuiApplication::screens())
            if (s->geometry() == Monitor) setScreen(s);
    setWindowState(Qt::WindowNoState);
    FensterpufferAbwarten();
    setGeometry(Monitor);
    move(Monitor.topLeft());
    // Full-screen rather than maximised: on X11 only that state covers
    // panels and docks too, as the frozen picture does.
    showFullScreen();
}

void TScreenForm::FensterpufferVorbereiten(const QRect& Monitor) {
    // A Wayland window gets its buffers with its first frame, at the
    // output's scale.
    if (WaylandSitzung() || isVisible()) return;
    FensterpufferAbwarten();
    setGeometry(Monitor);
    winId();
    QBackingStore* Puffer = backingStore();
    // The buffer of an earlier Start is kept, and faulted in already.
    if (!Puffer || Puffer->size() == size()) return;
    const uint32_t Von = NaechsteXid();
    Puffer->resize(size());
    Puffer->beginPaint(QRegion());
    const uint32_t Bis = NaechsteXid();
    const QPaintDevice* Geraet = Puffer->paintDevice();
    if (Geraet && Geraet->devType() == QInternal::Image)
        FPufferArbeit =
            FensterpufferVorbereitenLassen(*static_cast<const QImage*>(Geraet), Von, Bis);
    Puffer->endPaint();
    FPufferVorbereitet = true;
}

void TScreenForm::FensterpufferFreigeben() {
    if (!FPufferVorbereitet || isVisible()) return;
    FensterpufferAbwarten();
    // The smallest buffer; the next Start's first paint makes its own.
    backingStore()->resize(QSize(1, 1));
    FPufferVorbereitet = false;
}

void TScreenForm::FensterpufferAbwarten() {
    if (FPufferArbeit.joinable()) FPufferArbeit.join();
}

void TScreenForm::SetMemoSchrift(int32_t s) {
    QFont f = Memo1->font();
    f.setPixelSize(PunkteZuPixel(s));
    Memo1->setFont(f);
    Canvas().Font = f;
    Zeilenabstand();
    const int Zeilen = IMax(1, Memo1->document()->blockCount());
    Memo1->resize(Memo1->width(), Canvas().TextHeight(QStringLiteral("X")) * Zeilen);
}

void TScreenForm::BildLaden(const QImage& Src, bool GleichDemBackup, bool Teilen) {
    Img1->SetBitmap(Src, Teilen);
    FBackupKacheln.Reset(Bild().size());
    if (GleichDemBackup)
        FBackupKacheln.Clear();
    else
        FBackupKacheln.MarkAll();
}

void TScreenForm::BildSichern() {
    FBackupKacheln.Sync(Bild(), ToolForm->BackupBmp);
}
