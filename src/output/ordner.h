#pragma once
// The screenshot and e-mail folders: their settings with the placeholders
// "%exedir%" and "%docdir%", the creation of a missing folder, and the
// time-stamped file names "yyyymmdd-hhnnss-NNN" with a running number.

#include <QDateTime>
#include <QString>
#include <cstdint>

// The folder of a setting: "%exedir%" becomes ProgrammOrdner (which ends in
// a separator), "%docdir%" DokumenteOrdner, each pair of backslashes one
// backslash; then every backslash becomes "/" and each pair of "/" one "/".
// Every replacement runs left to right, case-sensitive, and does not search
// the text it inserted again.
QString OrdnerErweitern(const QString& Einstellung, const QString& ProgrammOrdner,
                        const QString& DokumenteOrdner);

// True when the folder exists or could be created with all missing parents.
bool OrdnerBenutzbar(const QString& Ordner);

// The running number as text, at least Width characters wide, padded with
// "0" (3, 0, 42 gives "042"; 1000 stays "1000").
QString ZeroPadNumber(int32_t Width, int32_t Decimals, double Value);

// Ordner + "/" + Zeit as "yyyymmdd-hhnnss" + "-" + the three-digit running
// number Nr + Endung.
QString ZeitstempelName(const QString& Ordner, const QDateTime& Zeit, int32_t Nr,
                        const QString& Endung);

// The first name from running number Nr + 1 on that no file has yet; Nr
// becomes the number of that name. An older file is never overwritten, even
// when two runs write in the same second or the clock went back.
QString FreierZeitstempelName(const QString& Ordner, const QDateTime& Zeit, int32_t& Nr,
                              const QString& Endung);
