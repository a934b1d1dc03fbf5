#pragma once
// The translation of the user interface: the keys of the translation file
// and what each of them sets (toolwin2_uebersetzung.cpp).

#include <QString>
#include <QStringList>

class TUebersetzungsDatei;

// The file's name in the program's folder, and its one section.
inline const QString UebersetzungsDateiName = QStringLiteral("skribano_translation.ini");
inline const QString UebersetzungsSektion = QStringLiteral("skribano_translation");

// The value of Key in the file; without the key, Current without blanks and
// control characters at both ends.
QString TranslateText(const TUebersetzungsDatei& Datei, const QString& Key, const QString& Current);

// Every key the program reads, each once, in the order of the table.
QStringList UebersetzungsKeys();
