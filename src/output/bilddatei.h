#pragma once
// Image files: the format follows the file name's extension in lower case,
// ".png" PNG, ".jpg" JPEG, anything else BMP. Files are written whole or not
// at all, with the hourglass pointer shown while the write lasts.

#include "output/ganzdatei.h"

#include <QImage>
#include <QString>
#include <cstdint>

// The formats of files named by the program itself (screenshots, e-mail
// attachments), by their index.
enum TBildFormat : int32_t { BildPng = 0, BildJpg = 1 };
// ".png" for 0, ".jpg" for 1.
QString BildFormatEndung(int32_t Format);

// Writes Bitmap to FileName, replacing an existing file. A failure is
// reported in an error box ("Datei konnte nicht erstellt werden:") and gives
// false.
bool SaveBitmapFile(const QImage& Bitmap, const QString& FileName);

// The same write without any message, for callers that must tidy up their
// own windows before they report a failure (BitmapDateiFehler).
bool BitmapDateiSchreiben(const QImage& Bitmap, const QString& FileName,
                          TZielVorhanden Vorhanden = TZielVorhanden::Ersetzen);
void BitmapDateiFehler(const QString& FileName);

// The extension from the last "." on, in lower case ("" without one).
QString DateiEndung(const QString& FileName);
