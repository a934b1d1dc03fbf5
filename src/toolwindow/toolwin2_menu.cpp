// The actions of the tool window, the popup menu PopupMenu1 built from them,
// and the tool buttons. One action per command: its button, its menu item
// and its shortcut are the same object, so they always agree.

#include "app/codes.h"
#include "app/data.h"
#include "toolwindow/auswahltabellen.h"
#include "toolwindow/glyphen.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

namespace {

// Creates the action of an entry and stores it in the entry's member.
QAction* NeueAktion(TToolForm* F, const TAktionsEintrag& e) {
    auto* a = new QAction(QString::fromUtf8(e.Caption), F);
    a->setObjectName(QString::fromUtf8(e.AktionName));
    if (*e.Hint) a->setToolTip(QString::fromUtf8(e.Hint));
    a->setShortcut(QKeySequence(e.Taste));
    if (e.Glyphe >= 0) a->setIcon(QIcon(WerkzeugGlyphe(e.Glyphe)));
    F->*e.Aktion = a;
    return a;
}

QAction* Auswahlaktion(TToolForm* F, QActionGroup* G, const TAktionsEintrag& e) {
    QAction* a = NeueAktion(F, e);
    a->setCheckable(true);
    G->addAction(a);
    return a;
}

QActionGroup* ExklusiveGruppe(TToolForm* F) {
    auto* g = new QActionGroup(F);
    g->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    return g;
}

// Menu order of the tools; the zoom commands follow the magnifier.
constexpr int32_t MenuWerkzeuge[] = {
    mStift,   mRadierer,        mLinie, mPfeil,    mDoppelpfeil, mRechteck, mRechteckGefuellt,
    mEllipse, mEllipseGefuellt, mText,  mHaekchen, mKreuz};

} // namespace

void TToolForm::ErzeugeAktionen() {
    DickeGruppe = ExklusiveGruppe(this);
    FarbGruppe = ExklusiveGruppe(this);
    WerkzeugGruppe = ExklusiveGruppe(this);
    for (const TDickeEintrag& e : DickeTabelle) {
        QAction* a = Auswahlaktion(this, DickeGruppe, e);
        connect(a, &QAction::triggered, this, [this, n = e.Nr] { DickeBtnClick(n); });
    }
    for (const TFarbEintrag& e : FarbTabelle) {
        QAction* a = Auswahlaktion(this, FarbGruppe, e);
        connect(a, &QAction::triggered, this, [this, f = e.FarbMode] { FarbBtnClick(f); });
    }
    for (const TWerkzeugEintrag& e : WerkzeugTabelle) {
        QAction* a = Auswahlaktion(this, WerkzeugGruppe, e);
        // The magnifier and the zoom view are entered by handlers of their own.
        connect(a, &QAction::triggered, this, [this, m = e.Modus] {
            if (m == mLupe)
                LupeBtnClick();
            else if (m == mZoom)
                ZoomInBtnClick();
            else
                WerkzeugBtnClick(m);
        });
    }
    ErzeugeZusatzColAktionen();
    // A command is available once its handler is connected
    // (BefehleVerbinden).
    for (const TBefehlEintrag& e : BefehlTabelle)
        NeueAktion(this, e)->setEnabled(false);
    ErzeugePopupMenu1();
    PopupMenu1Anbinden(this);
}

void TToolForm::ErzeugePopupMenu1() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addAction(StartFertig1);
    PopupMenu1->addSeparator();
    Strichdicke1 = PopupMenu1->addMenu(QStringLiteral("Strichdicke"));
    Strichdicke1->setObjectName(QStringLiteral("Strichdicke1"));
    Strichdicke1->addActions(DickeGruppe->actions());
    Farbe1 = PopupMenu1->addMenu(QStringLiteral("Farbe"));
    Farbe1->setObjectName(QStringLiteral("Farbe1"));
    for (const TFarbEintrag& e : FarbTabelle) {
        if (e.FarbMode == fmDeckRot) Farbe1->addSeparator();
        Farbe1->addAction(this->*e.Aktion);
    }
    PopupMenu1->addSeparator();
    for (int32_t m : MenuWerkzeuge)
        PopupMenu1->addAction(this->*Werkzeugeintrag(m)->Aktion);
    PopupMenu1->addSeparator();
    PopupMenu1->addActions({Bereich1, Auswahlbereich1});
    PopupMenu1->addSeparator();
    PopupMenu1->addActions({Lupe1, Zoom1, Hineinzoomen1, Herauszoomen1});
    PopupMenu1->addSeparator();
    PopupMenu1->addActions({Rckgngig1, Alleslschen1, LeeresBlatt1});
    PopupMenu1->addSeparator();
    PopupMenu1->addActions(
        {Drucken1, Speichern1, AlsEMailversenden1, IndieZwischenablage1, AusZwischenablage1});
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(Info1);
    connect(PopupMenu1, &QMenu::aboutToShow, this, &TToolForm::PopupMenu1Popup);
}

void TToolForm::PopupMenu1Anbinden(QWidget* W) {
    // The shortcuts of a menu that is only ever popped up are active where
    // its actions are added, so they are added to every window using it.
    W->addAction(StartFertig1);
    W->addActions(DickeGruppe->actions());
    W->addActions(FarbGruppe->actions());
    W->addActions(WerkzeugGruppe->actions());
    for (const TBefehlEintrag& e : BefehlTabelle)
        W->addAction(this->*e.Aktion);
    W->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(W, &QWidget::customContextMenuRequested, PopupMenu1,
            [W, M = PopupMenu1](const QPoint& P) { M->popup(W->mapToGlobal(P)); });
}
