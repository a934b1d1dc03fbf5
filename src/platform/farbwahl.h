#pragma once
// The platform's colour picker, reached through one function that tests can
// answer, as they answer the message box.

#include "platform/tcolor.h"

#include <functional>

// Opens the colour picker fully expanded at Farbe. On confirmation Farbe
// becomes the chosen colour and the result is true; on cancel Farbe stays.
bool FarbeWaehlen(TColor& Farbe);

// Replaces the picker by Waehler (an empty function restores the picker).
using TFarbWaehler = std::function<bool(TColor&)>;
void SetFarbWaehler(TFarbWaehler Waehler);
