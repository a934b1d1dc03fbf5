#pragma once
// The user's documents folder, without a trailing separator; empty when the
// system names none.

#include <QString>

QString DokumenteOrdner();
