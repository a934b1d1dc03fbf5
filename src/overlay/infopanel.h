#pragma once
// The controls that lie over the picture: the 1-pixel edges of the selected
// area and the read-out panels. They are widgets, never pixels of the
// drawing bitmap, so nothing of them can reach an output.

#include "overlay/mausflaeche.h"
#include "platform/tcolor.h"

#include <QString>

// One edge of the selected area: a 1-pixel-thick dotted line, alternately
// black and white so that it shows on any picture. It lets the mouse through
// to the picture below.
class TKantenPanel : public QWidget {
    Q_OBJECT
public:
    explicit TKantenPanel(QWidget* Parent);

protected:
    void paintEvent(QPaintEvent* Event) override;
};

// A read-out: a borderless or single-bordered panel with a line of bold
// text of 11 pixels, centred.
class TInfoPanel : public TMausFlaeche {
    Q_OBJECT
public:
    TInfoPanel(QWidget* Parent, TColor Farbe, bool Rahmen, int Breite, int Hoehe);

    void SetCaption(const QString& Text);
    const QString& Caption() const { return FCaption; }

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    QString FCaption;
    TColor FFarbe;
    bool FRahmen;
};
