#pragma once
// What the info box and the settings dialog share: captions, the font (Arial of 12
// pixels, which Liberation Sans matches metric for metric), a fixed size
// with only the close button, always on top, and their place in the middle
// of the screen.

#include <QCursor>
#include <QDialog>
#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

inline QFont DialogSchrift(int Pixel = 12, bool Fett = false) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(Pixel);
    f.setBold(Fett);
    return f;
}

inline void DialogArt(QDialog* D, const QString& Titel, QSize Groesse) {
    D->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                      Qt::WindowStaysOnTopHint);
    D->setWindowTitle(Titel);
    D->setFont(DialogSchrift());
    D->setFixedSize(Groesse);
}

// The middle of the screen the user works on: the one under the pointer.
inline void DialogMitte(QDialog* D) {
    QScreen* s = QGuiApplication::screenAt(QCursor::pos());
    if (!s) s = QGuiApplication::primaryScreen();
    if (!s) return;
    const QRect r = s->availableGeometry();
    D->move(r.x() + (r.width() - D->frameGeometry().width()) / 2,
            r.y() + (r.height() - D->frameGeometry().height()) / 2);
}

// A caption at a fixed place, as the dialogs lay out every control.
inline QLabel* Beschriftung(QWidget* Eltern, const QString& Text, const QRect& Ort) {
    auto* l = new QLabel(Text, Eltern);
    l->setGeometry(Ort);
    return l;
}
