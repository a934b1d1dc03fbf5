#include "output/melde.h"

#include "controls/shadlab.h"

#include <QApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QScreen>

TMeldForm* MeldForm = nullptr;

namespace {

constexpr int KlientBreite = 313;
constexpr int KlientHoehe = 97;

} // namespace

TMeldForm::TMeldForm(QWidget* Parent)
    : QDialog(Parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint) {
    MeldForm = this;
    setWindowTitle(QStringLiteral("Information"));
    setFixedSize(KlientBreite, KlientHoehe);
    setAttribute(Qt::WA_ShowWithoutActivating);
    QFont Schrift(QStringLiteral("Liberation Sans"));
    Schrift.setPixelSize(12);
    setFont(Schrift);
    QPalette Farben = palette();
    Farben.setColor(QPalette::WindowText, Qt::black);
    setPalette(Farben);

    Panel1 = new QFrame(this);
    Panel1->setGeometry(8, 8, 297, 81);
    Panel1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Panel1->setLineWidth(1);

    InfoLab = new TShadowLabel(Panel1);
    InfoLab->setGeometry(6, 6, 281, 65);
    InfoLab->setAlignment(Qt::AlignCenter);
    InfoLab->SetTransparent(true);
    InfoLab->SetShadow(0);
}

TMeldForm::~TMeldForm() {
    if (MeldForm == this) MeldForm = nullptr;
}

void TMeldForm::Zeigen(const QString& s) {
    InfoLab->setText(s);
    show();
    Zentrieren();
    repaint();
    QCoreApplication::processEvents();
}

void TMeldForm::Zentrieren() {
    // On the monitor the user works on: that of the active window.
    const QWidget* Aktiv = QApplication::activeWindow();
    QScreen* Schirm = Aktiv ? Aktiv->screen() : QGuiApplication::primaryScreen();
    if (!Schirm) return;
    // The whole window with its frame, as far as it is known once shown.
    QRect r(QPoint(), frameGeometry().size());
    r.moveCenter(Schirm->geometry().center());
    move(r.topLeft());
}
