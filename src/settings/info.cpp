#include "settings/info.h"

#include "app/data.h"
#include "controls/benennen.h"
#include "controls/buttons2.h"
#include "controls/shadlab.h"
#include "platform/dokument.h"
#include "settings/dialogart.h"
#include "settings/einstellungen.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QWindow>

TInfoBox* InfoBox = nullptr;

const QString WebAdresse = QStringLiteral("https://skribano.example.org");
const QString HilfeAdresse = WebAdresse + QStringLiteral("/hilfe.php");
const QString SpendenAdresse = WebAdresse + QStringLiteral("/spenden.php");
const QString AngebotAdresse = QStringLiteral("https://quorvel.example.org");

namespace {

// Only what the maker really offers: no invented postal address; the same
// contact the package names.
const QString KontaktText = QStringLiteral("Quorvel\n"
                                           "E-Mail: info@skribano.example.org\n"
                                           "Fragen und Hinweise gern per E-Mail.");

const QString LizenzText =
    QStringLiteral("Skribano ist Freeware: Sie dürfen das Programm kostenlos nutzen, privat wie "
                   "beruflich, in Schule, Unterricht und Firma, und es unverändert an andere "
                   "weitergeben, solange Sie dafür kein Geld verlangen.\n\n"
                   "Das Programm wird so zur Verfügung gestellt, wie es ist, ohne jede "
                   "Gewährleistung. Der Hersteller haftet nicht für Schäden, die durch die Nutzung "
                   "oder durch die Unmöglichkeit der Nutzung entstehen, soweit das Gesetz dies "
                   "zulässt.\n\n"
                   "Einstellungen speichert Skribano in Ihrem persönlichen Einstellungsordner, "
                   "Screenshots und E-Mail-Anhänge in den Ordnern, die Sie unter "
                   "\"Einstellungen...\" wählen. Das Programm sendet keine Daten ins Internet.");

// Blue, underlined, with the hand pointer.
QLabel* Verweis(QWidget* Eltern, const QString& Text, const QRect& Ort,
                const QColor& Farbe = Qt::blue) {
    QLabel* l = Beschriftung(Eltern, Text, Ort);
    QFont f = l->font();
    f.setUnderline(true);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, Farbe);
    l->setPalette(p);
    return l;
}

// A read-only text without frame on the window's colour.
QPlainTextEdit* Lesetext(QWidget* Eltern, const QString& Text, const QRect& Ort) {
    auto* m = new QPlainTextEdit(Text, Eltern);
    m->setGeometry(Ort);
    m->setReadOnly(true);
    m->setFocusPolicy(Qt::NoFocus);
    return m;
}

QWidget* Flaeche(QWidget* Eltern, const QColor& Farbe, const QRect& Ort) {
    auto* f = new QFrame(Eltern);
    f->setGeometry(Ort);
    f->setAutoFillBackground(true);
    QPalette p = f->palette();
    p.setColor(QPalette::Window, Farbe);
    f->setPalette(p);
    return f;
}

// The picture of the advertising panel: a white sheet with three lines.
QPixmap AngebotBild() {
    QPixmap Bild(48, 48);
    Bild.fill(Qt::transparent);
    QPainter p(&Bild);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(8, 2, 32, 43);
    p.setPen(QPen(QColor(128, 0, 0), 3));
    for (int y = 14; y <= 34; y += 10)
        p.drawLine(14, y, 34, y);
    return Bild;
}

TBitBtn2* Knopf(QWidget* Eltern, const QString& Text, int y) {
    TBitBtn2* b = DialogKnopf(Text, Eltern);
    b->setGeometry(472, y, 144, 30);
    return b;
}

} // namespace

TInfoBox::TInfoBox(QWidget* Parent) : QDialog(Parent) {
    InfoBox = this;
    DialogArt(this, QStringLiteral("Info"), QSize(624, 565));

    auto* Panel1 = new QFrame(this);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setGeometry(8, 8, 608, 416);
    KopfErzeugen(Panel1);
    SpendenPanelErzeugen(Panel1);
    AngebotErzeugen();
    KnoepfeErzeugen();
    FormCreate();
}

TInfoBox::~TInfoBox() {
    if (InfoBox == this) InfoBox = nullptr;
}

void TInfoBox::KopfErzeugen(QWidget* Panel1) {
    Image1 = Beschriftung(Panel1, QString(), QRect(16, 16, 32, 32));
    TitelLabel = Beschriftung(Panel1, QString(), QRect(60, 12, 260, 22));
    TitelLabel->setFont(DialogSchrift(16, true));
    VersionLabel = Beschriftung(Panel1, QString(), QRect(60, 36, 260, 16));
    KontaktMemo = Lesetext(Panel1, KontaktText, QRect(16, 64, 304, 84));
    KontaktMemo->setFrameStyle(QFrame::NoFrame);
    KontaktMemo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    KontaktMemo->viewport()->setAutoFillBackground(false);
    InternetLab = Beschriftung(Panel1, QStringLiteral("Internet:"), QRect(16, 158, 56, 16));
    Label1 = Verweis(Panel1, WebAdresse, QRect(72, 158, 248, 16));
    Klickbar(Label1, &TInfoBox::Label1Click);
    LizenzMemo = Lesetext(Panel1, LizenzText, QRect(16, 186, 576, 214));
}

void TInfoBox::SpendenPanelErzeugen(QWidget* Panel1) {
    Panel5 = Flaeche(Panel1, QColor(255, 255, 128), QRect(336, 16, 256, 132));
    ShadowLabel2 = new TShadowLabel(Panel5);
    ShadowLabel2->setGeometry(8, 10, 240, 70);
    ShadowLabel2->setFont(DialogSchrift(12, true));
    ShadowLabel2->SetShadow(0);
    ShadowLabel2->SetTransparent(true);
    ShadowLabel2->setAlignment(Qt::AlignCenter);
    ShadowLabel2->setWordWrap(true);
    ShadowLabel2->setText(QStringLiteral("Spende zur Unterstützung von Skribano, vielen Dank!"));
    SpendenLab = Verweis(Panel5, SpendenAdresse, QRect(8, 92, 240, 20));
    SpendenLab->setAlignment(Qt::AlignCenter);
    for (QWidget* w :
         {Panel5, static_cast<QWidget*>(ShadowLabel2), static_cast<QWidget*>(SpendenLab)})
        Klickbar(w, &TInfoBox::Panel5Click);
}

void TInfoBox::AngebotErzeugen() {
    AngebotLab = Beschriftung(this, QStringLiteral("Ein weiteres Gratis-Angebot von uns:"),
                              QRect(8, 432, 440, 16));
    AngebotPan = Flaeche(this, QColor(128, 0, 0), QRect(8, 452, 440, 105));
    auto* Bild = Beschriftung(AngebotPan, QString(), QRect(12, 28, 48, 48));
    Bild->setPixmap(AngebotBild());
    auto* Text = new TShadowLabel(AngebotPan);
    Text->setGeometry(72, 14, 356, 52);
    Text->setFont(DialogSchrift(14, true));
    Text->SetTransparent(true);
    Text->setWordWrap(true);
    QPalette p = Text->palette();
    p.setColor(QPalette::WindowText, Qt::white);
    Text->setPalette(p);
    Text->setText(QStringLiteral("Weitere kostenlose Programme von Quorvel"));
    auto* Adresse = Verweis(AngebotPan, AngebotAdresse, QRect(72, 72, 356, 18), Qt::white);
    for (QWidget* w : {AngebotPan, static_cast<QWidget*>(Bild), static_cast<QWidget*>(Text),
                       static_cast<QWidget*>(Adresse)})
        Klickbar(w, &TInfoBox::Label3Click);
}

void TInfoBox::KnoepfeErzeugen() {
    EinstellBtn = Knopf(this, QStringLiteral("&Einstellungen..."), 452);
    HilfeBtn = Knopf(this, QStringLiteral("Online-&Hilfe"), 489);
    OkBtn = Knopf(this, QStringLiteral("Schließen"), 526);
    // The translation finds the buttons by these names.
    Benennen({{EinstellBtn, "EinstellBtn"}, {HilfeBtn, "HilfeBtn"}, {OkBtn, "OkBtn"}});
    OkBtn->SetModalResult(mrOk);
    OkBtn->SetCancel(true);
    connect(EinstellBtn, &QPushButton::clicked, this, [this] { EinstellBtnClick(); });
    connect(HilfeBtn, &QPushButton::clicked, this, [this] { HilfeBtnClick(); });
}

void TInfoBox::Klickbar(QWidget* W, void (TInfoBox::*Klick)()) {
    W->setCursor(Qt::PointingHandCursor);
    W->installEventFilter(this);
    Klicks.insert(W, Klick);
}

bool TInfoBox::eventFilter(QObject* Objekt, QEvent* Event) {
    if (Event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(Event)->button() == Qt::LeftButton) {
        const auto Klick = Klicks.value(Objekt);
        if (Klick) {
            (this->*Klick)();
            return true;
        }
    }
    return QDialog::eventFilter(Objekt, Event);
}

void TInfoBox::FormCreate() {
    Image1->setPixmap(QApplication::windowIcon().pixmap(32, 32));
    TitelLabel->setText(QApplication::applicationName());
    VersionLabel->setText(QStringLiteral("Version ") + VersionText);
    SofortEinstellungen = false;
}

bool TInfoBox::event(QEvent* Event) {
    // Shown or made active: either may come first, and the flag is cleared
    // at the first, so the settings open once.
    if (Event->type() == QEvent::WindowActivate || Event->type() == QEvent::Show)
        QMetaObject::invokeMethod(
            this, [this] { FormActivate(); }, Qt::QueuedConnection);
    return QDialog::event(Event);
}

void TInfoBox::FormActivate() {
    if (!SofortEinstellungen || !isVisible()) return;
    SofortEinstellungen = false;
    EinstellBtnClick();
}

void TInfoBox::EinstellBtnClick() {
    if (!EinstellungenForm) return;
    EinstellungenForm->winId();
    EinstellungenForm->windowHandle()->setTransientParent(windowHandle());
    DialogMitte(EinstellungenForm);
    if (EinstellungenForm->exec() == QDialog::Accepted) EinstellungenForm->Uebernehmen();
}

void TInfoBox::HilfeBtnClick() {
    OpenDocument(HilfeAdresse);
}

void TInfoBox::Label1Click() {
    OpenDocument(WebAdresse);
}

void TInfoBox::Panel5Click() {
    OpenDocument(SpendenAdresse);
}

void TInfoBox::Label3Click() {
    OpenDocument(AngebotAdresse);
}
