// Reference generator of the end-to-end scenarios. It builds the tool window
// and the overlay of the program without showing them and answers what the
// real program on the screen must show.
//   e2e_referenz zeichnen BILD SKRIPT AUSGABE
//       takes the picture BILD as the frozen screen, feeds the commands of
//       SKRIPT into the handlers of both windows and writes the drawing
//       bitmap to AUSGABE (PPM).
//   e2e_referenz orte
//       prints where the sheet and pen buttons lie in the tool window of
//       drawing mode and where menu items lie in their menus, one line each:
//       NAME X Y W H.
//   e2e_referenz drucker
//       prints the printer line of the print dialog for the default printer.
// Commands: dicke NR | farbe FARBMODE | werkzeug MODUS | bewegen X Y |
// druecken X Y | ziehen X Y | loslassen X Y | tippen TEXT | strgenter | enter |
// werkzeugfenster (the pointer comes onto the tool window).

#include "output/drucspez.h"
#include "overlay/scrwin.h"
#include "toolwindow/toolwin2.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QPrinter>
#include <QTextStream>
#include <cstdio>

namespace {

void Taste(TScreenForm& s, int Key, Qt::KeyboardModifiers Mod, const QString& Text) {
    QKeyEvent Ev(QEvent::KeyPress, Key, Mod, Text);
    QCoreApplication::sendEvent(s.Memo1, &Ev);
}

bool Ausfuehren(TToolForm& t, TScreenForm& s, const QString& Zeile) {
    const QString Befehl = Zeile.section(QLatin1Char(' '), 0, 0);
    const QString Rest = Zeile.section(QLatin1Char(' '), 1);
    const QStringList a = Rest.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const auto Zahl = [&](int i) { return a.value(i).toInt(); };
    if (Befehl == "dicke")
        t.DickeBtnClick(Zahl(0));
    else if (Befehl == "farbe")
        t.FarbBtnClick(Zahl(0));
    else if (Befehl == "werkzeug")
        t.WerkzeugBtnClick(Zahl(0));
    else if (Befehl == "druecken")
        s.Img1MouseDown(mbLeft, ssLeft, Zahl(0), Zahl(1));
    else if (Befehl == "bewegen")
        s.Img1MouseMove(TShiftState(), Zahl(0), Zahl(1));
    else if (Befehl == "ziehen")
        s.Img1MouseMove(ssLeft, Zahl(0), Zahl(1));
    else if (Befehl == "loslassen")
        s.Img1MouseUp(mbLeft, TShiftState(), Zahl(0), Zahl(1));
    else if (Befehl == "tippen")
        for (QChar c : Rest)
            Taste(s, c.unicode(), Qt::NoModifier, QString(c));
    else if (Befehl == "strgenter")
        Taste(s, Qt::Key_Return, Qt::ControlModifier, QStringLiteral("\n"));
    else if (Befehl == "enter")
        Taste(s, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    else if (Befehl == "werkzeugfenster")
        t.CheckPanels();
    else
        return Befehl.isEmpty();
    return true;
}

int Zeichnen(TToolForm& t, TScreenForm& s, const QString& BildPfad, const QString& Skript,
             const QString& Ausgabe) {
    const QImage Bild = QImage(BildPfad).convertToFormat(QImage::Format_RGB32);
    QFile f(Skript);
    if (Bild.isNull() || !f.open(QIODevice::ReadOnly | QIODevice::Text)) return 2;
    // What Start does: the capture becomes every copy, the pointer is
    // nowhere on the picture until it moves there.
    t.OrigScrBmp = t.OrigScrStartBmp = t.BackupBmp = t.BackupOrigScrBmp = Bild;
    s.resize(Bild.size());
    s.AufnahmeLaden(Bild);
    t.SetZustandZeichnen();
    QTextStream Zeilen(&f);
    while (!Zeilen.atEnd()) {
        const QString z = Zeilen.readLine();
        if (!Ausfuehren(t, s, z)) {
            std::fprintf(stderr, "Unbekannter Befehl: %s\n", qPrintable(z));
            return 2;
        }
    }
    return s.Bild().save(Ausgabe, "PPM") ? 0 : 2;
}

void Ort(const char* Name, const QRect& r) {
    std::printf("%s %d %d %d %d\n", Name, r.x(), r.y(), r.width(), r.height());
}

int Orte(TToolForm& t) {
    t.SetZustandZeichnen();
    Ort("BlattBtn", QRect(t.BlattBtn->mapTo(&t, QPoint(0, 0)), t.BlattBtn->size()));
    const QWidget* StiftBtn = t.findChild<QWidget*>(QStringLiteral("StiftBtn"));
    Ort("StiftBtn", QRect(StiftBtn->mapTo(&t, QPoint(0, 0)), StiftBtn->size()));
    Ort("LeeresBlatt1", t.PopupMenu1->actionGeometry(t.LeeresBlatt1));
    Ort("Stift1", t.PopupMenu1->actionGeometry(t.Stift1));
    Ort("Linie1", t.PopupMenu1->actionGeometry(t.Linie1));
    const std::pair<const char*, QAction*> Eintraege[] = {
        {"AktuellesBild", t.AktuellesBild},     {"WeiesBlatt1", t.WeiesBlatt1},
        {"SchwarzesBlatt1", t.SchwarzesBlatt1}, {"KariertesBlatt1", t.KariertesBlatt1},
        {"KleineKreuze1", t.KleineKreuze1},     {"LiniertesBlatt1", t.LiniertesBlatt1}};
    for (const auto& [Name, a] : Eintraege)
        Ort(Name, t.BlattMenu->actionGeometry(a));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QApplication App(argc, argv);
    const QStringList a = QCoreApplication::arguments();
    TToolForm Tool;
    TScreenForm Screen;
    // The first activation of the real tool window: the stored settings.
    Tool.FormActivate();
    if (a.size() == 5 && a[1] == "zeichnen") return Zeichnen(Tool, Screen, a[2], a[3], a[4]);
    if (a.size() == 2 && a[1] == "orte") return Orte(Tool);
    if (a.size() == 2 && a[1] == "drucker") {
        const QString Name = QPrinter().printerName();
        std::printf("%s\n", qPrintable(DruckerText(Name, DruckerAnschluss(Name))));
        return 0;
    }
    std::fprintf(stderr, "Aufruf: e2e_referenz zeichnen BILD SKRIPT AUSGABE | orte | drucker\n");
    return 2;
}
