// The tool window's arrangement: the Start button on top and below it the
// buttons of ToolBar1, two per row, in groups divided by gaps. Button size
// and the number of extra colours come from the settings, so the buttons
// are placed by hand rather than by a layout.

#include "app/codes.h"
#include "app/data.h"
#include "controls/kvxspez.h"
#include "toolwindow/auswahltabellen.h"
#include "toolwindow/glyphen.h"

#include <QPushButton>
#include <QScreen>
#include <QToolButton>

namespace {

// Button order of the colours and tools, two per row.
constexpr int32_t KnopfFarben[] = {fmMarkRot,   fmDeckRot,  fmMarkGelb, fmDeckGelb,  fmMarkGruen,
                                   fmDeckGruen, fmMarkBlau, fmDeckBlau, fmDeckWeiss, fmDeckSchwarz};
constexpr int32_t KnopfWerkzeuge[] = {
    mStift,           mRadierer,    mLinie, mPfeil,    mRechteck, mRechteckGefuellt, mEllipse,
    mEllipseGefuellt, mDoppelpfeil, mText,  mHaekchen, mKreuz,    mBereich,          mLupe};

// The chosen width, colour and tool must be seen at a glance: a checked
// button has a dark blue frame (contrast above 5:1 against the window's grey)
// on a light blue ground; the pointer over a button only greys it lightly.
const char* const KnopfStil = R"(
QToolButton { border: 1px solid transparent; border-radius: 3px; padding: 0; }
QToolButton:hover { border-color: rgb(170, 170, 170); background: rgb(228, 228, 228); }
QToolButton:checked { border: 2px solid rgb(0, 90, 180); background: rgb(205, 225, 250); }
)";

// The gaps after the widths, after the colours and around the zoom buttons.
constexpr int LueckeNachDicken = 9;
constexpr int LueckeSonst = 8;

QToolButton* Knopf(TToolForm* F, QAction* a, const QString& Name) {
    auto* b = new QToolButton(F->ToolBar1);
    b->setObjectName(Name);
    b->setDefaultAction(a);
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoRaise(true);
    b->setIconSize(QSize(GlyphenGroesse, GlyphenGroesse));
    return b;
}

} // namespace

void TToolForm::ErzeugeWerkzeugButtons() {
    ToolBar1->setStyleSheet(QString::fromLatin1(KnopfStil));
    const auto Setze = [this](QAction* a, const char* Name) {
        QToolButton* b = Knopf(this, a, QString::fromUtf8(Name));
        Leiste.push_back({b, 0});
        return b;
    };
    const auto Luecke = [this](int Hoehe) { Leiste.push_back({nullptr, Hoehe}); };
    const auto Befehl = [&](QAction* TToolForm::*Aktion) {
        for (const TBefehlEintrag& e : BefehlTabelle)
            if (e.Aktion == Aktion) return Setze(this->*Aktion, e.KnopfName);
        return static_cast<QToolButton*>(nullptr);
    };
    for (const TDickeEintrag& e : DickeTabelle)
        Setze(this->*e.Aktion, e.KnopfName);
    Luecke(LueckeNachDicken);
    for (int32_t f : KnopfFarben) {
        const TFarbEintrag* e = Farbeintrag(f);
        Setze(this->*e->Aktion, e->KnopfName);
    }
    for (int32_t n = 1; n <= AnzZusatzColMax; ++n) {
        const QByteArray Name = QByteArrayLiteral("ZusatzCol") + QByteArray::number(n) + "Btn";
        ZusatzColBtn[n] = Setze(ZusatzColAktion[n], Name.constData());
    }
    Luecke(LueckeSonst);
    for (int32_t m : KnopfWerkzeuge) {
        const TWerkzeugEintrag* e = Werkzeugeintrag(m);
        Setze(this->*e->Aktion, e->KnopfName);
    }
    Luecke(LueckeSonst);
    Befehl(&TToolForm::Hineinzoomen1);
    Befehl(&TToolForm::Herauszoomen1);
    Luecke(LueckeSonst);
    Befehl(&TToolForm::Rckgngig1);
    Befehl(&TToolForm::Alleslschen1);
    BlattBtn = Befehl(&TToolForm::LeeresBlatt1);
    Befehl(&TToolForm::IndieZwischenablage1);
    Befehl(&TToolForm::Drucken1);
    Befehl(&TToolForm::Speichern1);
    Befehl(&TToolForm::AlsEMailversenden1);
    InfoBtn = Befehl(&TToolForm::Info1);
}

int TToolForm::LeisteAnordnen() {
    const int Bx = WerkzeugGroesseX, By = WerkzeugGroesseY;
    int Spalte = 0, y = 0;
    for (const TLeistenTeil& t : Leiste) {
        if (!t.Knopf) {
            // A gap ends the row, even one holding a single button.
            if (Spalte != 0) y += By;
            Spalte = 0;
            y += t.Luecke;
        } else if (!t.Knopf->isHidden()) {
            t.Knopf->setGeometry(Spalte * Bx, y, Bx, By);
            Spalte = 1 - Spalte;
            if (Spalte == 0) y += By;
        }
    }
    return Spalte != 0 ? y + By : y;
}

void TToolForm::SetToolWindowSize() {
    for (int32_t n = 1; n <= AnzZusatzColMax; ++n)
        ZusatzColBtn[n]->setHidden(AnzZusatzCol < n);
    const int Hoehe = LeisteAnordnen();
    ToolBar1->setFixedSize(2 * WerkzeugGroesseX, Hoehe);
    const int ClientBreite = ToolBar1->width() + 2;
    setFixedWidth(ClientBreite);
    StartFertigBtn->setGeometry(0, 0, ClientBreite, WerkzeugGroesseY + 3);
    ToolBar1->move(1, StartFertigBtn->height() + 1);
    if (WinZustand == 1)
        SetZustandZeichnen();
    else
        SetZustandBereit();
}

void TToolForm::AufMonitorHalten() {
    if (ImOverlay) {
        // Inside the overlay: wholly on the overlay, with its frame.
        const QRect M = parentWidget()->rect().marginsRemoved(OverlayRaender());
        move(IMax(M.left(), IMin(x(), M.right() + 1 - width())),
             IMax(M.top(), IMin(y(), M.bottom() + 1 - height())));
        return;
    }
    if (!isVisible()) return;
    const QScreen* s = screen();
    if (!s) return;
    const QRect M = s->availableGeometry();
    const QRect F = frameGeometry();
    const int x = F.right() > M.right() ? IMax(M.left(), M.right() + 1 - F.width()) : F.x();
    const int y = F.bottom() > M.bottom() ? IMax(M.top(), M.bottom() + 1 - F.height()) : F.y();
    if (x != F.x() || y != F.y()) move(x, y);
}
