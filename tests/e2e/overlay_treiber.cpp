// Test driver of the overlay for the end-to-end scenario of shapes and text.
//   e2e_overlay live          shows the overlay full-screen over a known
//                             picture; commands come line by line on stdin,
//                             pointer and keys from the real X server
//   e2e_overlay referenz FILE runs the commands of FILE without showing
//                             anything, mouse and keys included
// Commands: werkzeug MODUS DICKENR RRGGBB | druecken X Y | ziehen X Y |
// loslassen X Y | tippen TEXT | strgenter | enter | parken | speichern FILE.
// In live mode every command is answered with "ok" once it has been shown.

#include "overlay/groessen.h"
#include "overlay/scrwin.h"
#include "toolwindow/toolwin2.h"

#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdio>
#include <iostream>
#include <string>

namespace {

QImage Testbild(QSize s) {
    QImage img(s, QImage::Format_RGB32);
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            img.setPixel(x, y,
                         qRgb(200 + (x * 3 + y) % 56, 200 + (y * 5) % 56, 220 + (x ^ y) % 36));
    return img;
}

void Taste(TScreenForm& s, int Key, Qt::KeyboardModifiers Mod, const QString& Text) {
    QKeyEvent Ev(QEvent::KeyPress, Key, Mod, Text);
    QCoreApplication::sendEvent(s.Memo1, &Ev);
}

void Ausfuehren(TToolForm& t, TScreenForm& s, const QString& Zeile) {
    const QString Befehl = Zeile.section(QLatin1Char(' '), 0, 0);
    const QString Rest = Zeile.section(QLatin1Char(' '), 1);
    const QStringList a = Rest.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    auto Zahl = [&](int i) { return a.value(i).toInt(); };
    if (Befehl == "werkzeug") {
        t.Modus = Zahl(0);
        t.Sdicke = DickeTab[static_cast<size_t>(Zahl(1))];
        const QRgb c = a.value(2).toUInt(nullptr, 16);
        t.Scol = RGBToTColor(qRed(c), qGreen(c), qBlue(c));
        t.Smode = pmCopy;
        t.SetWerkzeug();
    } else if (Befehl == "druecken") {
        s.Img1MouseDown(mbLeft, ssLeft, Zahl(0), Zahl(1));
    } else if (Befehl == "ziehen") {
        s.Img1MouseMove(ssLeft, Zahl(0), Zahl(1));
    } else if (Befehl == "loslassen") {
        s.Img1MouseUp(mbLeft, TShiftState(), Zahl(0), Zahl(1));
    } else if (Befehl == "tippen") {
        for (QChar c : Rest)
            Taste(s, c.unicode(), Qt::NoModifier, QString(c));
    } else if (Befehl == "strgenter") {
        Taste(s, Qt::Key_Return, Qt::ControlModifier, QStringLiteral("\n"));
    } else if (Befehl == "enter") {
        Taste(s, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    } else if (Befehl == "parken") {
        s.Parken();
    } else if (Befehl == "speichern") {
        s.Bild().save(Rest);
    }
}

void Vorbereiten(TToolForm& t, TScreenForm& s, QSize Groesse) {
    const QImage b = Testbild(Groesse);
    t.OrigScrBmp = b;
    t.OrigScrStartBmp = b;
    t.BackupBmp = b;
    t.BackupOrigScrBmp = b;
    s.BildLaden(b, true);
    t.WinZustand = 1;
}

} // namespace

int main(int argc, char** argv) {
    QApplication App(argc, argv);
    if (argc < 2) return 2;
    TToolForm Tool;
    TScreenForm Screen;
    const QSize Groesse = QGuiApplication::primaryScreen()->size();
    Screen.setWindowTitle(QStringLiteral("Skribano-E2E"));
    Screen.resize(Groesse);
    Vorbereiten(Tool, Screen, Groesse);

    if (QString::fromLocal8Bit(argv[1]) == "referenz" && argc == 3) {
        QFile f(QString::fromLocal8Bit(argv[2]));
        if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return 2;
        while (!f.atEnd())
            Ausfuehren(Tool, Screen, QString::fromUtf8(f.readLine()).chopped(1));
        return 0;
    }

    Screen.move(0, 0);
    Screen.showFullScreen();
    QSocketNotifier Eingabe(0, QSocketNotifier::Read);
    QObject::connect(&Eingabe, &QSocketNotifier::activated, [&] {
        std::string z;
        if (!std::getline(std::cin, z)) {
            App.quit();
            return;
        }
        Ausfuehren(Tool, Screen, QString::fromStdString(z));
        // Answer once the picture has been repainted.
        QTimer::singleShot(150, [] {
            std::printf("ok\n");
            std::fflush(stdout);
        });
    });
    return App.exec();
}
