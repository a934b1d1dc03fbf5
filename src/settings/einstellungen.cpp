#include "settings/einstellungen.h"

#include "app/data.h"
#include "controls/benennen.h"
#include "controls/buttons2.h"
#include "controls/kvxspez.h"
#include "controls/numedit.h"
#include "overlay/scrwin.h"
#include "platform/farbwahl.h"
#include "settings/dialogart.h"
#include "toolwindow/toolwin2.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStandardPaths>

TEinstellungenForm* EinstellungenForm = nullptr;

const QString StandardScreenshotDir = QStringLiteral("%docdir%\\Skribano\\Screenshots");
const QString StandardEmailDir = QStringLiteral("%docdir%\\Skribano\\Email");

namespace {

constexpr int Spalte1 = 8, Spalte2 = 483, SpaltenBreite = 467;

// Named, as the translation finds the group boxes by their names.
QGroupBox* Gruppe(QWidget* Eltern, const char* Name, const QString& Titel, int x, int y, int h) {
    auto* g = new QGroupBox(Titel, Eltern);
    g->setObjectName(QLatin1String(Name));
    g->setGeometry(x, y, SpaltenBreite, h);
    return g;
}

template <class T> T* Knopf(QGroupBox* g, const QString& Text, int y) {
    auto* k = new T(Text, g);
    k->setGeometry(16, y, SpaltenBreite - 24, 20);
    return k;
}

TNumEditZ* GroessenFeld(QGroupBox* g, int x, int32_t Min) {
    auto* e = new TNumEditZ(g);
    e->setGeometry(x, 20, 81, 21);
    e->SetMinValue(Min);
    e->SetMaxValue(100);
    return e;
}

// Checks exactly the radio buttons whose condition holds; none may be
// checked, which an exclusive group does not allow by itself.
void RadiosSetzen(std::initializer_list<std::pair<QRadioButton*, bool>> Radios) {
    for (auto [Radio, An] : Radios) {
        Radio->setAutoExclusive(false);
        Radio->setChecked(An);
    }
    for (auto [Radio, An] : Radios)
        Radio->setAutoExclusive(true);
}

QString Ordner(const QLineEdit* Feld, const QString& Standard) {
    const QString Text = Trim(Feld->text());
    return Text.isEmpty() ? Standard : Text;
}

// Where the placeholders point on this system, for the help text.
QString OrdnerHilfe() {
    QString Programm = ProgramDir;
    if (Programm.size() > 1 && Programm.endsWith(QDir::separator())) Programm.chop(1);
    const QString Dokumente = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QStringLiteral("%exedir% = Ordner des Programms Skribano\n(hier: %1)\n\n"
                          "%docdir% = Dokumente-Ordner \n(hier: %2)")
        .arg(QDir::toNativeSeparators(Programm), QDir::toNativeSeparators(Dokumente));
}

} // namespace

TEinstellungenForm::TEinstellungenForm(QWidget* Parent) : QDialog(Parent) {
    EinstellungenForm = this;
    DialogArt(this, QStringLiteral("Einstellungen"), QSize(958, 433));
    LinkeSpalteErzeugen();
    GroesseErzeugen();
    OrdnerErzeugen();
    ZusatzfarbenErzeugen();

    OkBtn = DialogKnopf(QStringLiteral("OK"), this);
    OkBtn->setGeometry(752, 401, 97, 27);
    OkBtn->setDefault(true);
    OkBtn->SetModalResult(mrOk);
    AbbrBtn = DialogKnopf(QStringLiteral("Abbrechen"), this);
    AbbrBtn->setGeometry(853, 401, 97, 27);
    AbbrBtn->SetModalResult(mrCancel);
    AbbrBtn->SetCancel(true);
    // The translation finds the controls by these names.
    Benennen({{RadioMauszeiger1, "RadioMauszeiger1"},
              {RadioMauszeiger2, "RadioMauszeiger2"},
              {AutoOpenCheck, "AutoOpenCheck"},
              {AutoCloseCheck, "AutoCloseCheck"},
              {MausradZoomCheck, "MausradZoomCheck"},
              {AutoScreenshotCheck, "AutoScreenshotCheck"},
              {RadioScreen0, "RadioScreen0"},
              {RadioScreen1, "RadioScreen1"},
              {RadioScreen2, "RadioScreen2"},
              {ScreenshotOrdnerLab, "ScreenshotOrdnerLab"},
              {EmailOrdnerLab, "EmailOrdnerLab"},
              {ToolSizeXLab, "ToolSizeXLab"},
              {ToolSizeYLab, "ToolSizeYLab"},
              {AnzZusatzFarbenLab, "AnzZusatzFarbenLab"},
              {OkBtn, "OkBtn"},
              {AbbrBtn, "AbbrBtn"}});
}

TEinstellungenForm::~TEinstellungenForm() {
    if (EinstellungenForm == this) EinstellungenForm = nullptr;
}

void TEinstellungenForm::LinkeSpalteErzeugen() {
    QGroupBox* g =
        Gruppe(this, "GroupBox1", QStringLiteral(" Mauszeiger auf Zeichenfläche "), Spalte1, 8, 66);
    RadioMauszeiger1 = Knopf<QRadioButton>(g, QStringLiteral(" normal "), 20);
    RadioMauszeiger2 =
        Knopf<QRadioButton>(g, QStringLiteral(" ausblenden (nur Werkzeugsymbol) "), 42);

    g = Gruppe(this, "GroupBox2", QStringLiteral(" Programmstart und -ende "), Spalte1, 80, 66);
    AutoOpenCheck = Knopf<QCheckBox>(
        g, QStringLiteral(" Zeichenfunktionen sofort bei Programmstart öffnen "), 20);
    AutoCloseCheck = Knopf<QCheckBox>(
        g, QStringLiteral(" Mit Klick auf 'Fertig' [F9] gesamtes Programm beenden "), 42);

    g = Gruppe(this, "GroupBox3", QStringLiteral(" Zoomansicht "), Spalte1, 152, 46);
    MausradZoomCheck =
        Knopf<QCheckBox>(g, QStringLiteral(" Mausrad zum hinein- und herauszoomen verwenden "), 20);

    g = Gruppe(this, "GroupBox4", QStringLiteral(" Auto-Screenshot "), Spalte1, 204, 46);
    AutoScreenshotCheck = Knopf<QCheckBox>(
        g, QStringLiteral(" automatischen Screenshot bei Klick auf 'Fertig' [F9] erstellen "), 20);

    g = Gruppe(this, "GroupBox5", QStringLiteral(" Zeichenfläche bei mehreren Bildschirmen "),
               Spalte1, 256, 88);
    RadioScreen0 = Knopf<QRadioButton>(
        g, QStringLiteral(" Bildschirm, in dem der Start-Knopf geklickt wird "), 20);
    RadioScreen1 = Knopf<QRadioButton>(g, QStringLiteral(" immer erster Bildschirm "), 42);
    RadioScreen2 =
        Knopf<QRadioButton>(g, QStringLiteral(" immer zweiter Bildschirm, sofern vorhanden "), 64);
}

void TEinstellungenForm::GroesseErzeugen() {
    // Two trailing blanks, as the caption always had.
    QGroupBox* g = Gruppe(this, "GroupBox6", QStringLiteral(" Größe der Werkzeugschaltflächen  "),
                          Spalte1, 350, 50);
    ToolSizeXLab = Beschriftung(g, QStringLiteral("&Breite:"), QRect(16, 23, 50, 16));
    ToolSizeXEdit = GroessenFeld(g, 70, 25);
    ToolSizeXLab->setBuddy(ToolSizeXEdit);
    ToolSizeYLab = Beschriftung(g, QStringLiteral("&Höhe:"), QRect(180, 23, 44, 16));
    ToolSizeYEdit = GroessenFeld(g, 228, 24);
    ToolSizeYLab->setBuddy(ToolSizeYEdit);
}

void TEinstellungenForm::OrdnerErzeugen() {
    QGroupBox* g = Gruppe(this, "GroupBox7", QStringLiteral(" Ordner "), Spalte2, 8, 226);
    ScreenshotOrdnerLab =
        Beschriftung(g, QStringLiteral("Ordner für Auto-Screenshots:"), QRect(16, 20, 435, 16));
    ScreenshotDirEdit = new QLineEdit(g);
    ScreenshotDirEdit->setGeometry(16, 36, 435, 22);
    EmailOrdnerLab = Beschriftung(g, QStringLiteral("Ordner für E-Mail-Zwischenspeicherung:"),
                                  QRect(16, 64, 435, 16));
    EmailDirEdit = new QLineEdit(g);
    EmailDirEdit->setGeometry(16, 80, 435, 22);
    Memo1 = new QPlainTextEdit(OrdnerHilfe(), g);
    Memo1->setGeometry(16, 114, 435, 100);
    Memo1->setReadOnly(true);
    Memo1->setEnabled(false);
    Memo1->setFrameStyle(QFrame::NoFrame);
    Memo1->setFocusPolicy(Qt::NoFocus);
    Memo1->viewport()->setAutoFillBackground(false);
}

void TEinstellungenForm::ZusatzfarbenErzeugen() {
    QGroupBox* g = Gruppe(this, "GroupBox8", QStringLiteral(" Zusatzfarben "), Spalte2, 240, 156);
    AnzZusatzFarbenLab = Beschriftung(g, QStringLiteral("Anzahl:"), QRect(16, 25, 50, 16));
    AnzZusatzColCombo = new QComboBox(g);
    AnzZusatzColCombo->setGeometry(70, 21, 60, 22);
    AnzZusatzColCombo->addItems({QStringLiteral("0"), QStringLiteral("2"), QStringLiteral("4"),
                                 QStringLiteral("6"), QStringLiteral("8"), QStringLiteral("10")});
    AnzZusatzFarbenLab->setBuddy(AnzZusatzColCombo);
    // Two columns of five, odd numbers on the left.
    for (int n = 1; n <= 10; ++n) {
        auto* p = new QLabel(QString::number(n), g);
        p->setObjectName(QStringLiteral("ZusatzCol%1Pan").arg(n));
        p->setGeometry(180 + (n - 1) % 2 * 110, 20 + (n - 1) / 2 * 27, 100, 23);
        p->setAlignment(Qt::AlignCenter);
        p->setFrameStyle(QFrame::Panel | QFrame::Raised);
        p->setAutoFillBackground(true);
        p->setCursor(Qt::PointingHandCursor);
        p->installEventFilter(this);
        ZusatzColPan[n] = p;
    }
}

TColor TEinstellungenForm::PanelFarbe(int n) const {
    return QRgbToTColor(ZusatzColPan[n]->palette().color(QPalette::Window).rgb());
}

void TEinstellungenForm::SetPanelFarbe(int n, TColor Farbe) {
    QPalette p = ZusatzColPan[n]->palette();
    p.setColor(QPalette::Window, QColor::fromRgb(TColorToQRgb(Farbe)));
    // The number stays readable on dark and light colours alike.
    const int Hell = TColorRed(Farbe) * 3 + TColorGreen(Farbe) * 6 + TColorBlue(Farbe);
    p.setColor(QPalette::WindowText, Hell < 1280 ? Qt::white : Qt::black);
    ZusatzColPan[n]->setPalette(p);
}

bool TEinstellungenForm::event(QEvent* Event) {
    // Loaded once per opening, when shown: a window manager need not
    // activate the dialog before the user sees it, and a later activation
    // (back from the colour dialog or from another program) must not throw
    // away what the user has changed since.
    if (Event->type() == QEvent::Show) FormActivate();
    return QDialog::event(Event);
}

bool TEinstellungenForm::eventFilter(QObject* Objekt, QEvent* Event) {
    if (Event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(Event)->button() == Qt::LeftButton)
        for (int n = 1; n <= 10; ++n)
            if (Objekt == ZusatzColPan[n]) {
                ZusatzColPanClick(n);
                return true;
            }
    return QDialog::eventFilter(Objekt, Event);
}

void TEinstellungenForm::FormActivate() {
    RadiosSetzen(
        {{RadioMauszeiger1, MauszeigerMode == 1}, {RadioMauszeiger2, MauszeigerMode == 2}});
    AutoOpenCheck->setChecked(AutoOpen);
    AutoCloseCheck->setChecked(AutoClose);
    MausradZoomCheck->setChecked(MausradZoom);
    AutoScreenshotCheck->setChecked(AutoScreenshot);
    ScreenshotDirEdit->setText(ScreenshotDir);
    EmailDirEdit->setText(EmailDir);
    RadiosSetzen({{RadioScreen0, MonitorMode == 0},
                  {RadioScreen1, MonitorMode == 1},
                  {RadioScreen2, MonitorMode == 2}});
    ToolSizeXEdit->SetInt(WerkzeugGroesseX);
    ToolSizeYEdit->SetInt(WerkzeugGroesseY);
    AnzZusatzColCombo->setCurrentIndex(AnzZusatzColCombo->findText(QString::number(AnzZusatzCol)));
    for (int n = 1; n <= 10; ++n)
        SetPanelFarbe(n, ZusatzCol[n]);
}

void TEinstellungenForm::ZusatzColPanClick(int n) {
    TColor Farbe = PanelFarbe(n);
    if (FarbeWaehlen(Farbe)) SetPanelFarbe(n, Farbe);
}

void TEinstellungenForm::Uebernehmen() {
    MauszeigerMode = RadioMauszeiger2->isChecked() ? 2 : 1;
    if (ScreenForm) ScreenForm->SetMauszeiger();
    AutoOpen = AutoOpenCheck->isChecked();
    AutoClose = AutoCloseCheck->isChecked();
    MausradZoom = MausradZoomCheck->isChecked();
    AutoScreenshot = AutoScreenshotCheck->isChecked();
    ScreenshotDir = Ordner(ScreenshotDirEdit, StandardScreenshotDir);
    EmailDir = Ordner(EmailDirEdit, StandardEmailDir);
    MonitorMode = RadioScreen1->isChecked() ? 1 : RadioScreen2->isChecked() ? 2 : 0;
    // A value typed and confirmed with Enter has not been clamped by the
    // field yet: clamp it here.
    ToolSizeXEdit->CheckRange();
    ToolSizeYEdit->CheckRange();
    WerkzeugGroesseX = ToolSizeXEdit->GetInt();
    WerkzeugGroesseY = ToolSizeYEdit->GetInt();
    // With no entry chosen (a stored count not in the list) the count stays.
    bool Zahl = false;
    const int32_t Anzahl = AnzZusatzColCombo->currentText().toInt(&Zahl);
    if (Zahl) AnzZusatzCol = Anzahl;
    for (int n = 1; n <= 10; ++n)
        ZusatzCol[n] = PanelFarbe(n);
    if (!ToolForm) return;
    ToolForm->SetImageListZusatzCol();
    ToolForm->SetToolWindowSize();
    ToolForm->SetButtonEinstellungen();
}
