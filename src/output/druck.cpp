#include "output/druck.h"

#include "controls/benennen.h"
#include "controls/buttons2.h"
#include "controls/numedit.h"
#include "output/drucspez.h"
#include "output/melde.h"
#include "overlay/scrwin.h"
#include "platform/meldung.h"
#include "toolwindow/einstellungen_speicher.h"
#include "toolwindow/toolwin2.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <cmath>

TDruckForm* DruckForm = nullptr;

namespace {

const QString UngueltigText =
    QStringLiteral("Ränder, Breite und Höhe müssen zwischen 0 und %1 cm liegen.\n"
                   "Es wurde nichts gedruckt.")
        .arg(MaxDruckCm, 0, 'f', 0);
const QString KeinDruckerText =
    QStringLiteral("Es ist kein Drucker vorhanden.\nEs wurde nichts gedruckt.");
const QString DruckFehlerText = QStringLiteral("Der Ausdruck ist fehlgeschlagen:\n");

QLabel* Beschriftung(QWidget* Eltern, const QString& Text, int x, int y) {
    auto* l = new QLabel(Text, Eltern);
    l->move(x, y);
    l->adjustSize();
    return l;
}

TNumEditQ* ZahlFeld(QWidget* Eltern, QLabel* Lab, int x, int y) {
    auto* e = new TNumEditQ(Eltern);
    e->setFixedWidth(57);
    e->move(x, y);
    Lab->setBuddy(e);
    Lab->move(Lab->x(), y + 3);
    Beschriftung(Eltern, QStringLiteral("cm"), x + 62, y + 3);
    return e;
}

TBitBtn2* Knopf(QWidget* Eltern, const QString& Text, int x) {
    TBitBtn2* b = DialogKnopf(Text, Eltern);
    b->setGeometry(x, 213, 97, 25);
    return b;
}

double Seitenverhaeltnis(double Breite, double Hoehe) {
    const double f = Breite / Hoehe;
    return std::isfinite(f) && f > 0.0 ? f : 0.0;
}

// "Ausdruck wird vorbereitet" while the page is made; hidden again on every
// path, before any error box, which it would otherwise cover.
struct TMeldungWaehrendDesDrucks {
    TMeldungWaehrendDesDrucks() {
        if (MeldForm) MeldForm->Zeigen(QStringLiteral("Ausdruck wird vorbereitet.||Bitte warten."));
    }
    ~TMeldungWaehrendDesDrucks() {
        if (MeldForm) MeldForm->hide();
    }
};

} // namespace

TDruckForm::TDruckForm(QWidget* Parent) : QDialog(Parent) {
    DruckForm = this;
    KomponentenErzeugen();
}

TDruckForm::~TDruckForm() {
    if (DruckForm == this) DruckForm = nullptr;
}

void TDruckForm::KomponentenErzeugen() {
    setWindowTitle(QStringLiteral("Bildschirminhalt drucken"));
    QFont Schrift(QStringLiteral("Liberation Sans"));
    Schrift.setPixelSize(12);
    setFont(Schrift);
    setFixedSize(457, 248);

    PosGroupBox = new QGroupBox(QStringLiteral(" Position und Größe "), this);
    PosGroupBox->setGeometry(16, 12, 425, 109);
    LiRandLab = Beschriftung(PosGroupBox, QStringLiteral("&Linker Rand:"), 24, 0);
    ObRandLab = Beschriftung(PosGroupBox, QStringLiteral("&Oberer Rand:"), 24, 0);
    BreiteLab = Beschriftung(PosGroupBox, QStringLiteral("&Breite:"), 248, 0);
    HoeheLab = Beschriftung(PosGroupBox, QStringLiteral("&Höhe:"), 248, 0);
    LiRandEdit = ZahlFeld(PosGroupBox, LiRandLab, 112, 26);
    ObRandEdit = ZahlFeld(PosGroupBox, ObRandLab, 112, 54);
    BreiteEdit = ZahlFeld(PosGroupBox, BreiteLab, 312, 26);
    HoeheEdit = ZahlFeld(PosGroupBox, HoeheLab, 312, 54);
    SeitRatio = new QCheckBox(QStringLiteral("Korrektes &Seitenverhältnis"), PosGroupBox);
    SeitRatio->move(24, 81);
    SeitRatio->setChecked(true);

    DruckerGroupBox = new QGroupBox(QStringLiteral(" Drucker "), this);
    DruckerGroupBox->setGeometry(16, 136, 425, 53);
    DruckerInfo = new QLabel(DruckerGroupBox);
    DruckerInfo->setGeometry(10, 16, 399, 29);

    DruckBtn = Knopf(this, QStringLiteral("Drucken"), 136);
    DruckBtn->setDefault(true);
    AbbrBtn = Knopf(this, QStringLiteral("Abbrechen"), 240);
    AbbrBtn->SetCancel(true);
    DrEinrBtn = Knopf(this, QStringLiteral("Einrichten..."), 344);

    // The translation finds the controls by these names.
    Benennen({{PosGroupBox, "PosGroupBox"},
              {LiRandLab, "LiRandLab"},
              {ObRandLab, "ObRandLab"},
              {BreiteLab, "BreiteLab"},
              {HoeheLab, "HoeheLab"},
              {SeitRatio, "SeitRatio"},
              {DruckerGroupBox, "DruckerGroupBox"},
              {DruckBtn, "DruckBtn"},
              {AbbrBtn, "AbbrBtn"},
              {DrEinrBtn, "DrEinrBtn"}});

    setTabOrder(LiRandEdit, ObRandEdit);
    setTabOrder(ObRandEdit, BreiteEdit);
    setTabOrder(BreiteEdit, HoeheEdit);
    setTabOrder(HoeheEdit, SeitRatio);
    setTabOrder(SeitRatio, DruckBtn);

    FelderAusEinstellungen();
    connect(SeitRatio, &QCheckBox::clicked, this, [this] { SeitRatioClick(); });
    connect(BreiteEdit, &QLineEdit::textChanged, this, [this] { BreiteEditChange(); });
    connect(HoeheEdit, &QLineEdit::textChanged, this, [this] { HoeheEditChange(); });
    connect(DruckBtn, &QPushButton::clicked, this, [this] { DruckBtnClick(); });
    connect(AbbrBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(DrEinrBtn, &QPushButton::clicked, this, [this] { DrEinrBtnClick(); });
}

bool TDruckForm::event(QEvent* Event) {
    // At every opening, whether or not the window manager activates the
    // dialog, and only then: a later activation keeps what was typed.
    if (Event->type() == QEvent::Show) FormActivate();
    return QDialog::event(Event);
}

void TDruckForm::FormActivate() {
    const TToolForm* t = ToolForm;
    if (t && AuswahlbereichAktiv(t->BereichRect)) {
        const TRect& r = t->BereichRect;
        fakxy = Seitenverhaeltnis(double(r.Right) - r.Left, double(r.Bottom) - r.Top);
    } else if (ScreenForm) {
        fakxy = Seitenverhaeltnis(ScreenForm->Bild().width(), ScreenForm->Bild().height());
    } else {
        fakxy = 0.0;
    }
    ShowPrinterInfo();
    SeitRatioClick();
    DruckBtn->setFocus(Qt::OtherFocusReason);
}

QPrinter& TDruckForm::Drucker() {
    if (!FDrucker) FDrucker = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *FDrucker;
}

void TDruckForm::ShowPrinterInfo() {
    const QString Name = Drucker().printerName();
    DruckerInfo->setText(DruckerText(Name, DruckerAnschluss(Name)));
}

void TDruckForm::DrEinrBtnClick() {
    QPrintDialog Einrichten(&Drucker(), this);
    Einrichten.exec();
    ShowPrinterInfo();
}

void TDruckForm::SeitRatioClick() {
    if (SeitRatio->isChecked() && fakxy > 0.0) HoeheEdit->SetFloat(BreiteEdit->GetFloat() / fakxy);
}

void TDruckForm::BreiteEditChange() {
    if (BreiteEdit->hasFocus()) SeitRatioClick();
}

void TDruckForm::HoeheEditChange() {
    if (SeitRatio->isChecked() && fakxy > 0.0 && HoeheEdit->hasFocus())
        BreiteEdit->SetFloat(HoeheEdit->GetFloat() * fakxy);
}

void TDruckForm::DruckBtnClick() {
    try {
        if (Drucken()) accept();
    } catch (const std::exception& e) {
        Meldung(TMeldungTyp::Fehler, DruckFehlerText + QString::fromLocal8Bit(e.what()));
    }
}

bool TDruckForm::Drucken() {
    TDruckMasse m;
    if (!DruckMasseAusCm(LiRandEdit->GetFloat(), ObRandEdit->GetFloat(), BreiteEdit->GetFloat(),
                         HoeheEdit->GetFloat(), m)) {
        Meldung(TMeldungTyp::Fehler, UngueltigText);
        return false;
    }
    if (Drucker().printerName().isEmpty() && Drucker().outputFileName().isEmpty()) {
        Meldung(TMeldungTyp::Fehler, KeinDruckerText);
        return false;
    }
    bool Gedruckt;
    {
        TMeldungWaehrendDesDrucks Meldefenster;
        Gedruckt = SeiteDrucken(m);
    }
    if (!Gedruckt) {
        const QPrinter& d = Drucker();
        Meldung(TMeldungTyp::Fehler,
                DruckFehlerText +
                    (d.printerName().isEmpty() ? d.outputFileName() : d.printerName()));
    }
    return Gedruckt;
}

bool TDruckForm::SeiteDrucken(TDruckMasse m) {
    QPrinter& d = Drucker();
    // The painter's origin is the corner of the printable area, so that the
    // border below is the printer's own, not a margin chosen for us.
    d.setPageMargins(d.pageLayout().minimumMargins(), d.pageLayout().units());
    QPainter p;
    if (!p.begin(&d)) return false;
    SetupPrintMapping(p, d.resolution());
    AdjustPrintOffsets(UnbedruckbarerRand(d.pageLayout(), d.resolution()), m.Left, m.Top);
    ToolForm->SetAuswahlBmp();
    PrintBitmap(p, QRect(m.Left, m.Top, m.Width, m.Height), ToolForm->AuswahlBmp);
    return p.end();
}

void TDruckForm::FelderAusEinstellungen() {
    LiRandEdit->SetFloat(DruckLiRand);
    ObRandEdit->SetFloat(DruckObRand);
    BreiteEdit->SetFloat(DruckBreite);
    HoeheEdit->SetFloat(DruckHoehe);
    SeitRatio->setChecked(DruckSeitRatio);
}

void TDruckForm::FelderInEinstellungen() {
    DruckLiRand = double(LiRandEdit->GetFloat());
    DruckObRand = double(ObRandEdit->GetFloat());
    DruckBreite = double(BreiteEdit->GetFloat());
    DruckHoehe = double(HoeheEdit->GetFloat());
    DruckSeitRatio = SeitRatio->isChecked();
}
