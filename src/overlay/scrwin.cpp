#include "overlay/scrwin.h"

#include "controls/kvxspez.h"
#include "toolwindow/toolwin2.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

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

    Memo1 = new QPlainTextEdit(this);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setStyleSheet(QStringLiteral("QPlainTextEdit { background: #C0C0C0; }"));
    Memo1->setToolTip(QStringLiteral(
        "Zeilenumbruch einfügen mit Strg+Enter, Text übernehmen mit Enter, abbrechen mit ESC"));
    Memo1->setFont(SansFont(24, true));
    Memo1->hide();

    Lx = Ly = Sx = Sy = -1;
    UmschaltFGedrueckt = false;
    // The tool window's popup menu is this window's context menu too, with
    // all its shortcuts.
    if (ToolForm) ToolForm->PopupMenu1Anbinden(this);
}

TScreenForm::~TScreenForm() {
    if (ScreenForm == this) ScreenForm = nullptr;
}

void TScreenForm::resizeEvent(QResizeEvent* Event) {
    QWidget::resizeEvent(Event);
    Img1->setGeometry(rect());
    Img2->setGeometry(rect());
}

void TScreenForm::showEvent(QShowEvent* Event) {
    QWidget::showEvent(Event);
    Memo1->hide();
    Memo1->clear();
    Canvas().Font = Memo1->font();
    Memo1->resize(Memo1->width(), Canvas().TextHeight(QStringLiteral("X")));
}

void TScreenForm::closeEvent(QCloseEvent* Event) {
    // Closed in any way other than "Fertig": the program ends with it.
    if (ToolForm && ToolForm->WinZustand != 2) {
        Img2->Layer = TBitmapLayer();
        ToolForm->close();
    }
    Event->accept();
}

void TScreenForm::SetMemoSchrift(int32_t s) {
    QFont f = Memo1->font();
    f.setPixelSize(PunkteZuPixel(s));
    Memo1->setFont(f);
    Canvas().Font = f;
    const int Zeilen = IMax(1, Memo1->document()->blockCount());
    Memo1->resize(Memo1->width(), Canvas().TextHeight(QStringLiteral("X")) * Zeilen);
}

void TScreenForm::BildLaden(const QImage& Src, bool GleichDemBackup) {
    Img1->SetBitmap(Src);
    FBackupKacheln.Reset(Bild().size());
    if (GleichDemBackup)
        FBackupKacheln.Clear();
    else
        FBackupKacheln.MarkAll();
}

void TScreenForm::BildSichern() {
    FBackupKacheln.Sync(Bild(), ToolForm->BackupBmp);
}
