#pragma once
// The pointer entering the tool window, or the focus moved to its Start
// button, announce a Start some hundred milliseconds ahead. That time is
// used to prepare, on worker threads, the memory a first Start fills: the
// shared memory the capture is written into, the drawing bitmap with its
// undo copy, and the overlay's window buffer. What no Start took within a
// few seconds is given back, so that the ready state holds no frame memory
// at rest.

#include <QObject>

class QRect;
class QTimer;
class TBildschirmQuelle;
class QWidget;
class TToolForm;

// The pictures of a Start that part from the capture at its first stroke:
// the drawing bitmap and its undo copy.
constexpr int StartEigeneBilder = 2;

// Makes the memory that a capture of Quelle's monitor Nr (at Monitor) and
// the overlay showing it fill, and has workers fault it in.
void AufnahmeSpeicherVorbereiten(TBildschirmQuelle& Quelle, int Nr, const QRect& Monitor);

class TStartVorbereitung : public QObject {
public:
    // Watches Form and its Start button Knopf; a child of Form.
    TStartVorbereitung(TToolForm& Form, QWidget& Knopf);

protected:
    bool eventFilter(QObject* Objekt, QEvent* Event) override;

private:
    void Vorbereiten();
    void Aufgeben();

    TToolForm& FForm;
    QWidget& FKnopf;
    QTimer* FAnkuendigung;
    QTimer* FFrist;
};
