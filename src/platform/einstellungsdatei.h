#pragma once
// The per-user settings file ($XDG_CONFIG_HOME/Quorvel/Skribano.conf) in the
// INI format that QSettings writes, with a reader and writer of our own:
// - every line is read on its own, so a damaged line (an unterminated quote,
//   a trailing backslash) costs at most its own key, never the lines after it;
// - anything but a regular file is never opened for long nor written over
//   (opening a FIFO would block the program for good);
// - the file is written whole or not at all, keeping the keys of others.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <optional>
#include <utility>

enum class TDateiZustand { Fehlt, Gelesen, KeineDatei, Unlesbar };

struct TEinstellungsDatei {
    TDateiZustand Zustand = TDateiZustand::Fehlt;
    QList<QByteArray> Zeilen; // as read, without line ends
};

// A value name and its text, in the order they are written.
using TEinstellungsWerte = QList<std::pair<QString, QString>>;

QString EinstellungsDateiPfad();

// Reads the file without ever waiting: anything but a regular file counts
// as missing (TDateiZustand::KeineDatei).
TEinstellungsDatei EinstellungsDateiLesen(const QString& Pfad);

// The well-formed values of the file's [General] section by name; of a name
// given twice the later well-formed line counts.
QHash<QString, QString> EinstellungsWerte(const QList<QByteArray>& Zeilen);

// One value as the file holds it (the text after "="), and back. No result
// for a malformed value or one that is not a single text (a list, a byte array).
std::optional<QString> EinstellungsWertLesen(const QByteArray& Roh);
QByteArray EinstellungsWertText(const QString& Wert);

// The new file: Werte in [General], then the other lines of the old file
// except those that held the same names.
QByteArray EinstellungsDateiInhalt(const QList<QByteArray>& Alt, const TEinstellungsWerte& Werte);

// Writes Werte into the file at Pfad. On failure an error box names the
// file, which stays as it was, and the result is false.
bool EinstellungenSchreiben(const QString& Pfad, const TEinstellungsWerte& Werte);
