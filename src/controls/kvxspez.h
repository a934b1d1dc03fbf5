#pragma once
// Small free helpers used all over the program: text replacement, number
// conversion with the program's own rounding rules, clamping, and waits that
// keep the user interface alive.

#include <QString>
#include <cstdint>

QString ReplaceChar(const QString& Text, QChar OldChar, QChar NewChar);
QString ReplaceText(const QString& Text, const QString& OldText, const QString& NewText);
QString DeleteAll(const QString& Text, const QString& Part);

// Fixed-point text with exactly Decimals digits after a "." (halves away
// from zero), padded on the left with blanks to at least Width characters.
QString FloatToStrWD(long double Value, int32_t Width, int32_t Decimals);

// Exchanges Count bytes (at most 256) between A and B.
void SwapMem(void* A, void* B, uint16_t Count);

// Reads a number after removing all blanks; halves round to even. Malformed
// text gives 0; a result outside the 32-bit range throws std::range_error.
int32_t StrToIntRound(const QString& Text);

// The same reading for the user interface, where no exception may leave an
// event handler: a value below the 32-bit range gives Below, one above it
// gives Above.
int32_t StrToIntRoundNoThrow(const QString& Text, int32_t Below = INT32_MIN,
                             int32_t Above = INT32_MAX);

inline int32_t IMin(int32_t A, int32_t B) {
    return A < B ? A : B;
}
inline int32_t IMax(int32_t A, int32_t B) {
    return A > B ? A : B;
}
int32_t RealSign(double X);
int32_t LimitRange(int32_t Value, int32_t Lo, int32_t Hi);

// Round to nearest, halves to the even neighbour.
int32_t Round(double X);

// Milliseconds of a steady clock as an unsigned 32-bit number.
uint32_t GetTickCount();
void WaitUntilTick(uint32_t Tick);
void DelayMs(int32_t Ms);
