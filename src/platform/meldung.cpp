#include "platform/meldung.h"

#include <QMessageBox>
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
    QMessageBox Box(Symbol(Typ), QStringLiteral("Skribano"), Text, Knoepfe(k));
    Box.setWindowFlag(Qt::WindowStaysOnTopHint);
    return Antwort(Box.exec(), k);
}
