#include "platform/meldung.h"

#include <QCursor>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <cstdio>

namespace {

TMeldungAntworter& Antworter() {
    static TMeldungAntworter a;
    return a;
}

QMessageBox::Icon Symbol(TMeldungTyp Typ) {
    switch (Typ) {
    case TMeldungTyp::Fehler:
        return QMessageBox::Critical;
    case TMeldungTyp::Warnung:
        return QMessageBox::Warning;
    case TMeldungTyp::Information:
        return QMessageBox::Information;
    case TMeldungTyp::Bestaetigung:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons Knoepfe(TMeldungKnoepfe k) {
    switch (k) {
    case TMeldungKnoepfe::Ok:
        return QMessageBox::Ok;
    case TMeldungKnoepfe::OkAbbrechen:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case TMeldungKnoepfe::JaNein:
        return QMessageBox::Yes | QMessageBox::No;
    case TMeldungKnoepfe::JaNeinAbbrechen:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

TMeldungAntwort Antwort(int Knopf, TMeldungKnoepfe k) {
    switch (Knopf) {
    case QMessageBox::Ok:
        return TMeldungAntwort::Ok;
    case QMessageBox::Yes:
        return TMeldungAntwort::Ja;
    case QMessageBox::No:
        return TMeldungAntwort::Nein;
    case QMessageBox::Cancel:
        return TMeldungAntwort::Abbrechen;
    }
    if (k == TMeldungKnoepfe::Ok) return TMeldungAntwort::Ok;
    if (k == TMeldungKnoepfe::JaNein) return TMeldungAntwort::Nein;
    return TMeldungAntwort::Abbrechen;
}

// The rows Zeile takes when wrapped at word boundaries into Breite pixels.
int Zeilen(const QFontMetrics& fm, const QString& Zeile, int Breite) {
    return fm.boundingRect(QRect(0, 0, Breite, 1 << 20), Qt::TextWordWrap, Zeile).height() /
           fm.lineSpacing();
}

// Text as the box shows it on a screen whose free area is Platz. The box
// wraps lines at word boundaries into a width from half the screen on; a
// word wider than that (a long path) would make it break every word
// anywhere and grow taller than the screen. So such a word is shortened in
// the middle with "…", and so is a line that would still need more rows
// than its share of the screen's height.
QString Eingepasst(const QString& Text, const QFontMetrics& fm, const QRect& Platz) {
    const int Breite = qMin(Platz.width() / 2, 500) * 2 / 3;
    QStringList Absaetze = Text.split(QLatin1Char('\n'));
    // Room for the title bar, the margins and the buttons.
    const int Reihen = (Platz.height() / fm.lineSpacing() - 8) / int(Absaetze.size());
    for (QString& z : Absaetze) {
        if (z.endsWith(QLatin1Char('\r'))) z.chop(1);
        QStringList Woerter = z.split(QLatin1Char(' '));
        for (QString& w : Woerter)
            if (fm.horizontalAdvance(w) > Breite) w = fm.elidedText(w, Qt::ElideMiddle, Breite);
        z = Woerter.join(QLatin1Char(' '));
        for (int Ziel = Reihen * Breite; Zeilen(fm, z, Breite) > qMax(Reihen, 1);
             Ziel -= Breite / 2)
            z = fm.elidedText(z, Qt::ElideMiddle, qMax(Ziel, Breite / 2));
    }
    return Absaetze.join(QLatin1Char('\n'));
}

} // namespace

void SetMeldungAntworter(TMeldungAntworter a) {
    Antworter() = std::move(a);
}

void MeldungenOhneNachfrage() {
    Antworter() = [](TMeldungTyp, const QString&, TMeldungKnoepfe k) {
        switch (k) {
        case TMeldungKnoepfe::Ok:
            return TMeldungAntwort::Ok;
        case TMeldungKnoepfe::OkAbbrechen:
            return TMeldungAntwort::Abbrechen;
        case TMeldungKnoepfe::JaNein:
        case TMeldungKnoepfe::JaNeinAbbrechen:
            break;
        }
        return TMeldungAntwort::Nein;
    };
}

TMeldungAntwort Meldung(TMeldungTyp Typ, const QString& Text, TMeldungKnoepfe k) {
    // Also on the error output, so that a start from a terminal or a script
    // sees why the program stopped.
    std::fprintf(stderr, "Skribano: %s\n", Text.toUtf8().constData());
    std::fflush(stderr);
    if (Antworter()) return Antworter()(Typ, Text, k);
    QMessageBox Box(Symbol(Typ), QStringLiteral("Skribano"), QString(), Knoepfe(k));
    Box.setWindowFlag(Qt::WindowStaysOnTopHint);
    // The box opens on the screen of the pointer and is sized for it.
    QScreen* Schirm = QGuiApplication::screenAt(QCursor::pos());
    if (Schirm) Box.setScreen(Schirm);
    Box.setText(Eingepasst(Text, Box.fontMetrics(), Box.screen()->availableGeometry()));
    return Antwort(Box.exec(), k);
}
