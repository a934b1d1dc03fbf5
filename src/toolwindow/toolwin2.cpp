#include "toolwindow/toolwin2.h"

#include "controls/kvxspez.h"
#include "overlay/groessen.h"
#include "overlay/scrwin.h"

#include <QCursor>

TToolForm* ToolForm = nullptr;

bool AuswahlbereichAktiv(const TRect& R) {
    return R.Left >= 0 && R.Top >= 0 && R.Right >= 2 && R.Bottom >= 0;
}

TToolForm::TToolForm(QWidget* Parent) : QWidget(Parent) {
    ToolForm = this;
    setWindowTitle(QStringLiteral("Skribano"));
    Modus = 1;
    VorZoomModus = 1;
    LupeFak = 2;
    ZoomfakNr = 2;
    ZoomFak = ZoomTab[2];
    BereichRect = KeinBereich;
    ErzeugeAktionen();
}

TToolForm::~TToolForm() {
    if (ToolForm == this) ToolForm = nullptr;
}

void TToolForm::SetWerkzeug() {
    TScreenForm* s = ScreenForm;
    if (!s) return;
    s->Img2->setVisible(Modus == 14 || Modus == 15);
    s->SetMemoSchrift(TextGroesse(Sdicke));
    const QPoint p = s->mapFromGlobal(QCursor::pos());
    s->Zeichenbewegung(TShiftState(), s->Sx, s->Sy, p.x(), p.y());
}
