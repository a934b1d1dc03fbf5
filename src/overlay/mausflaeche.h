#pragma once
// A widget that hands its mouse presses, moves and releases on as callbacks
// with the button, the shift state and the position in its own pixels.

#include "overlay/shiftstate.h"

#include <QWidget>
#include <functional>

enum TMouseButton { mbLeft, mbRight, mbMiddle };

class TMausFlaeche : public QWidget {
    Q_OBJECT
public:
    explicit TMausFlaeche(QWidget* Parent = nullptr);

    std::function<void(TMouseButton, TShiftState, int, int)> OnMouseDown;
    std::function<void(TShiftState, int, int)> OnMouseMove;
    std::function<void(TMouseButton, TShiftState, int, int)> OnMouseUp;

protected:
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
};
