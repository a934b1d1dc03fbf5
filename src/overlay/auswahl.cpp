#include "overlay/auswahl.h"

#include "controls/benennen.h"
#include "controls/buttons2.h"
#include "controls/kvxspez.h"
#include "controls/numedit.h"
#include "overlay/scrwin.h"
#include "toolwindow/toolwin2.h"

#include <QGroupBox>
#include <QLabel>
#include <QScreen>
#include <QWindow>
#include <algorithm>

TAuswahlForm* AuswahlForm = nullptr;

namespace {

TNumEditZ* Feld(QWidget* Owner, QLabel*& Lab, const QString& Caption, int y) {
    Lab = new QLabel(Caption, Owner);
    Lab->setGeometry(12, y + 3, 70, 17);
    auto* e = new TNumEditZ(Owner);
    e->setGeometry(90, y, 81, 21);
    e->SetMinValue(0);
    e->SetMaxValue(INT32_MAX);
    Lab->setBuddy(e);
    return e;
}

TBitBtn2* Knopf(QWidget* Owner, const QString& Caption, int x, int Breite, int Ergebnis) {
    TBitBtn2* b = DialogKnopf(Caption, Owner);
    b->setGeometry(x, 160, Breite, 25);
    b->SetModalResult(Ergebnis);
    return b;
}

} // namespace

TAuswahlForm::TAuswahlForm(QWidget* Parent)
    : QDialog(Parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    AuswahlForm = this;
    setWindowTitle(QStringLiteral("Auswahlbereich"));
    setFont(SansFont(8, false));
    setFixedSize(312, 197);
    GroupBox1 = new QGroupBox(QStringLiteral(" Position und Größe "), this);
    GroupBox1->setGeometry(8, 8, 296, 140);
    LinksEdit = Feld(GroupBox1, LinksLab, QStringLiteral("&Links:"), 22);
    ObenEdit = Feld(GroupBox1, ObenLab, QStringLiteral("&Oben:"), 50);
    BreiteEdit = Feld(GroupBox1, BreiteLab, QStringLiteral("&Breite:"), 78);
    HoeheEdit = Feld(GroupBox1, HoeheLab, QStringLiteral("&Höhe:"), 106);
    OkBtn = Knopf(this, QStringLiteral("OK"), 8, 75, mrOk);
    OkBtn->setDefault(true);
    LoeschenBtn = Knopf(this, QStringLiteral("Auswahl löschen"), 89, 120, mrAbort);
    AbbrechenBtn = Knopf(this, QStringLiteral("Abbrechen"), 215, 89, mrCancel);
    AbbrechenBtn->SetCancel(true);
    // The translation finds the controls by these names.
    Benennen({{GroupBox1, "GroupBox1"},
              {LinksLab, "LinksLab"},
              {ObenLab, "ObenLab"},
              {BreiteLab, "BreiteLab"},
              {HoeheLab, "HoeheLab"},
              {OkBtn, "OkBtn"},
              {LoeschenBtn, "LoeschenBtn"},
              {AbbrechenBtn, "AbbrechenBtn"}});
    connect(OkBtn, &QPushButton::clicked, this, [this] { OkBtnClick(); });
    connect(LoeschenBtn, &QPushButton::clicked, this, [this] { LoeschenBtnClick(); });
}

TAuswahlForm::~TAuswahlForm() {
    if (AuswahlForm == this) AuswahlForm = nullptr;
}

int TAuswahlForm::Zeigen() {
    QWidget* Ueber = ScreenForm && ScreenForm->isVisible() ? static_cast<QWidget*>(ScreenForm)
                                                           : static_cast<QWidget*>(ToolForm);
    // Transient for the full-screen overlay, the window manager keeps the
    // dialog above it.
    winId();
    if (Ueber) {
        Ueber->winId();
        windowHandle()->setTransientParent(Ueber->windowHandle());
    }
    const QScreen* Bildschirm = Ueber ? Ueber->screen() : screen();
    move(Bildschirm->geometry().center() - rect().center());
    return exec();
}

void TAuswahlForm::showEvent(QShowEvent* Event) {
    QDialog::showEvent(Event);
    FormActivate();
}

void TAuswahlForm::FormActivate() {
    ToolForm->CheckPanels();
    const TRect& R = ToolForm->BereichRect;
    const bool Aktiv = AuswahlbereichAktiv(R);
    LinksEdit->SetInt(Aktiv ? R.Left : -1);
    BreiteEdit->SetInt(Aktiv ? R.Right - R.Left : 0);
    ObenEdit->SetInt(Aktiv ? R.Top : -1);
    HoeheEdit->SetInt(Aktiv ? R.Bottom - R.Top : 0);
    OkBtn->setFocus();
}

void TAuswahlForm::OkBtnClick() {
    const int64_t Breite = BreiteEdit->GetInt(), Hoehe = HoeheEdit->GetInt();
    if (Breite <= 0 || Hoehe <= 0) {
        LoeschenBtnClick();
        return;
    }
    const QSize Bild = ScreenForm->Bildgroesse();
    TRect& R = ToolForm->BereichRect;
    R.Left = LimitRange(LinksEdit->GetInt(), 0, Bild.width() - 1);
    R.Top = LimitRange(ObenEdit->GetInt(), 0, Bild.height() - 1);
    // In 64 bits: a width up to the largest 32-bit number must end the area
    // at the picture's right edge, not wrap around to a negative edge.
    R.Right = static_cast<int32_t>(std::clamp<int64_t>(R.Left + Breite, R.Left + 1, Bild.width()));
    R.Bottom = static_cast<int32_t>(std::clamp<int64_t>(R.Top + Hoehe, R.Top + 1, Bild.height()));
    ScreenForm->AuswahlBereichZeigen();
}

void TAuswahlForm::LoeschenBtnClick() {
    ToolForm->BereichRect = KeinBereich;
    ScreenForm->AuswahlBereichZeigen();
}
