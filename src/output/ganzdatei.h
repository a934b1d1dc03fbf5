#pragma once
// Files are written whole or not at all: the content goes into a temporary
// file beside the target, which takes the target's name only once it is
// complete and on the disk. A failed or interrupted write leaves neither a
// truncated file nor a stray temporary one, and an existing file keeps its
// old content when the new one cannot be written.

#include <QString>
#include <functional>

class QIODevice;

// Whether an existing file of the target name may be replaced.
enum class TZielVorhanden { Ersetzen, Behalten };

// Writes Ziel through Schreiber, which returns false when it failed. With
// TZielVorhanden::Behalten an existing file of that name is never touched
// and the write fails instead.
bool DateiGanzSchreiben(const QString& Ziel, TZielVorhanden Vorhanden,
                        const std::function<bool(QIODevice&)>& Schreiber);
