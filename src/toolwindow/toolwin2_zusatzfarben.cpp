// The ten extra colours of the settings. They have buttons but no menu
// items; their actions belong to the colour group, so choosing one takes the
// mark from every other colour, in the menu as on the buttons.

#include "app/codes.h"
#include "app/data.h"
#include "toolwindow/auswahltabellen.h"
#include "toolwindow/glyphen.h"

#include <QAction>
#include <QActionGroup>

void TToolForm::ErzeugeZusatzColAktionen() {
    for (int32_t n = 1; n <= AnzZusatzColMax; ++n) {
        auto* a = new QAction(this);
        a->setObjectName(QStringLiteral("ZusatzCol%1").arg(n));
        a->setToolTip(QStringLiteral("Zusatzfarbe %1").arg(n));
        a->setCheckable(true);
        FarbGruppe->addAction(a);
        connect(a, &QAction::triggered, this, [this, n] { ZusatzColBtnClick(n); });
        ZusatzColAktion[n] = a;
    }
    SetImageListZusatzCol();
}

void TToolForm::SetImageListZusatzCol() {
    for (int32_t n = 1; n <= AnzZusatzColMax; ++n)
        ZusatzColAktion[n]->setIcon(QIcon(FarbGlyphe(ZusatzCol[n])));
}

void TToolForm::ZusatzColBtnClick(int32_t n) {
    ClearFarbMenuChecks();
    ZusatzColAktion[n]->setChecked(true);
    FarbMode = fmZusatz + n;
    Scol = ZusatzCol[n];
    Smode = pmCopy;
    UpdateTextFarbe();
}

void TToolForm::ClearFarbMenuChecks() {
    for (const TFarbEintrag& e : FarbTabelle)
        (this->*e.Aktion)->setChecked(false);
}
