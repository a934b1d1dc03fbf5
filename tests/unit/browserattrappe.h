#pragma once
// A stand-in browser at the edge of the system: for the life of the object
// the desktop's opener finds no handler of its own and no installed
// browser, only the program in BROWSER, which a test writes as a small
// shell script. Everything touched is put back afterwards.

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <map>
#include <string>

class TBrowserAttrappe {
public:
    // Skript: the body of a shell script; "$1" is the address handed over.
    // An empty Skript names a browser that does not exist.
    explicit TBrowserAttrappe(const QByteArray& Skript) {
        const QByteArray Leer = FOrdner.filePath(QStringLiteral("leer")).toLocal8Bit();
        const QByteArray Browser = FOrdner.filePath(QStringLiteral("browser")).toLocal8Bit();
        if (!Skript.isEmpty()) {
            QFile f(QString::fromLocal8Bit(Browser));
            f.open(QIODevice::WriteOnly);
            f.write("#!/bin/sh\n" + Skript + "\n");
            f.close();
            f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        Setze("BROWSER", Browser);
        Setze("AUSGABE", Ausgabe().toLocal8Bit());
        for (const char* Name :
             {"XDG_DATA_HOME", "XDG_DATA_DIRS", "XDG_CONFIG_HOME", "XDG_CONFIG_DIRS"})
            Setze(Name, Leer);
        for (const char* Name : {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION",
                                 "GNOME_DESKTOP_SESSION_ID", "DISPLAY", "WAYLAND_DISPLAY"})
            Setze(Name, QByteArray(), false);
    }
    ~TBrowserAttrappe() {
        for (const auto& [Name, Wert] : FAlt)
            if (Wert.second)
                qputenv(Name.c_str(), Wert.first);
            else
                qunsetenv(Name.c_str());
    }

    // The file the script finds in $AUSGABE.
    QString Ausgabe() const { return FOrdner.filePath(QStringLiteral("ausgabe")); }
    QByteArray Gelesen() const {
        QFile f(Ausgabe());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void Setze(const char* Name, const QByteArray& Wert, bool An = true) {
        if (!FAlt.count(Name)) FAlt[Name] = {qgetenv(Name), qEnvironmentVariableIsSet(Name)};
        if (An)
            qputenv(Name, Wert);
        else
            qunsetenv(Name);
    }

private:
    QTemporaryDir FOrdner;
    std::map<std::string, std::pair<QByteArray, bool>> FAlt;
};

// Lets events run until Bedingung holds or Ms milliseconds have passed.
template <class F> bool WarteBis(F Bedingung, int Ms = 8000) {
    QElapsedTimer t;
    t.start();
    while (!Bedingung()) {
        if (t.elapsed() > Ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}
