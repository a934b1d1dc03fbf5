#include "overlay/infopanel.h"

#include <QPainter>

TKantenPanel::TKantenPanel(QWidget* Parent) : QWidget(Parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
}

void TKantenPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const bool Senkrecht = height() > width();
    const int n = Senkrecht ? height() : width();
    p.fillRect(rect(), Qt::white);
    // Dots of two pixels counted from the edge's own start, so that moving
    // the area moves the pattern with it.
    for (int i = 0; i < n; i += 4) {
        if (Senkrecht)
            p.fillRect(0, i, width(), 2, Qt::black);
        else
            p.fillRect(i, 0, 2, height(), Qt::black);
    }
}

TInfoPanel::TInfoPanel(QWidget* Parent, TColor Farbe, bool Rahmen, int Breite, int Hoehe)
    : TMausFlaeche(Parent), FFarbe(Farbe), FRahmen(Rahmen) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(11);
    f.setBold(true);
    setFont(f);
    resize(Breite, Hoehe);
    hide();
}

void TInfoPanel::SetCaption(const QString& Text) {
    if (Text == FCaption) return;
    FCaption = Text;
    update();
}

void TInfoPanel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor::fromRgb(TColorToQRgb(FFarbe)));
    if (FRahmen) {
        p.setPen(Qt::black);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    p.setPen(Qt::black);
    p.drawText(rect(), Qt::AlignCenter, FCaption);
}
