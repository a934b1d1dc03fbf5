#pragma once
// Single-instance check: one running copy per user and display. The lock
// "NoMultiMutex" lives in the user's runtime folder and is held until the
// program ends; a lock left behind by a crashed copy is taken over.

#include <QString>
#include <sys/types.h>

// Takes the lock; false when another running copy holds it.
bool NoMultiInst();

// The process id of the running copy that holds the lock; 0 when the lock
// cannot be read (no folder of the user's own, or no holder).
qint64 NoMultiInstInhaber();

// The lock file's path for the current user and display; empty when no
// folder of the user's own can be had.
QString NoMultiInstPfad();

// The folder used when the runtime folder is unusable: one per user in the
// temporary folder, named with the user id.
QString NoMultiInstErsatzOrdner(const QString& TempOrdner, uid_t Benutzer);

// Makes Pfad a folder that only this user can write, creating it when
// missing. False when something else is there already: a file, a link, or a
// folder of another user, which must not be trusted with the lock.
bool EigenerPrivaterOrdner(const QString& Pfad);
