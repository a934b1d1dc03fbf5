#pragma once
// The one modal message box of the program. Tests replace the user's answer
// through SetMeldungAntworter, so no box ever waits for a click in a test.

#include <QString>
#include <functional>

enum class TMeldungTyp { Fehler, Warnung, Information, Bestaetigung };
enum class TMeldungKnoepfe { Ok, OkAbbrechen, JaNein, JaNeinAbbrechen };
enum class TMeldungAntwort { Ok, Abbrechen, Ja, Nein };

// Shows Text in a modal box of the given type and returns the button chosen.
// Closing the box without a button counts as the last button of the set
// (OK, Abbrechen, Nein, Abbrechen).
TMeldungAntwort Meldung(TMeldungTyp Typ, const QString& Text,
                        TMeldungKnoepfe Knoepfe = TMeldungKnoepfe::Ok);

// Replaces the box by Antworter (an empty function restores the box).
using TMeldungAntworter =
    std::function<TMeldungAntwort(TMeldungTyp, const QString&, TMeldungKnoepfe)>;
void SetMeldungAntworter(TMeldungAntworter Antworter);

// For an end that nobody watches (a logout): from now on every box is only
// written to the error output and answered with the choice that changes
// nothing and lets the program go on: OK, Abbrechen, Nein, Nein.
void MeldungenOhneNachfrage();
