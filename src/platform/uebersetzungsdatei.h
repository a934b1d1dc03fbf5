#pragma once
// Reader of the translation file: an INI file read the way the profile-string
// routines of the platform the program first ran on read it, so that files
// written for those rules give the same texts here.
//
// - Section and key names compare without regard to case; only the first
//   section of a name counts, and within it the first of equal keys.
// - Blanks around a section name, a key and the "=" are ignored; a value is
//   the rest of its line without surrounding blanks, kept whole: commas,
//   semicolons and "#" in it are text.
// - One pair of equal quotes (' or ") around a value is removed; a value
//   longer than 2047 characters is cut there.
// - Lines without "=" and keys before the first section name no key.
// - UTF-8, with or without a byte-order mark; bytes that are not UTF-8 become
//   replacement characters. Lines end at LF, CR LF or CR.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <optional>

class TUebersetzungsDatei {
public:
    // The longest value returned; a longer one is cut.
    static constexpr qsizetype MaxWertLaenge = 2047;
    // Only this much of a file is read: a translation is a few kilobytes, and
    // a huge file must not hold up the start.
    static constexpr qint64 MaxDateiGroesse = 16 * 1024 * 1024;

    // The file at Pfad, or nothing when there is no such file. A file that
    // exists but cannot be read reads as one without keys.
    static std::optional<TUebersetzungsDatei> Oeffnen(const QString& Pfad);
    static TUebersetzungsDatei AusInhalt(const QByteArray& Inhalt);

    // The value of Key in Sektion, or nothing when the file has no such key.
    std::optional<QString> Lesen(const QString& Sektion, const QString& Key) const;

private:
    // Sections by case-folded name; in each, values by case-folded key.
    QHash<QString, QHash<QString, QString>> Sektionen;
};
