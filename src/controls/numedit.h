#pragma once
// Single-line edit fields for numbers, used by every dialog that asks for
// one. The number lives only in the field's text: the fields refuse typed
// characters that cannot belong to a number (pasted text is not filtered),
// read the text on request, and put it into canonical form when the user
// moves on to another control (see controls/fokuswechsel.h). Both are 81
// pixels wide.

#include <QLineEdit>
#include <cstdint>

// Common base of the numeric fields; a plain line edit.
class TEdit2 : public QLineEdit {
    Q_OBJECT
public:
    explicit TEdit2(QWidget* Owner = nullptr);
};

// Decimal field: shows Nkst decimals with the locale's decimal separator and
// reads both "," and "." as separator. A new field shows 0 with one decimal.
class TNumEditQ : public TEdit2 {
    Q_OBJECT
public:
    explicit TNumEditQ(QWidget* Owner = nullptr);

    uint8_t Nkst() const { return FNkst; }
    void SetNkst(uint8_t Value) { FNkst = Value; }

    void SetFloat(long double X);
    // 0 when the text is not a number.
    long double GetFloat() const;
    // GetFloat truncated toward zero, limited to the 32-bit range.
    int32_t GetInt() const;

protected:
    void keyPressEvent(QKeyEvent* Event) override;
    void focusOutEvent(QFocusEvent* Event) override;

private:
    uint8_t FNkst = 1;
};

// Integer field with bounds, 0 to 2147483647 for a new field. The text is
// clamped into the bounds by SetInt and when the user leaves the field; when
// the bounds cross, MaxValue wins.
class TNumEditZ : public TEdit2 {
    Q_OBJECT
public:
    explicit TNumEditZ(QWidget* Owner = nullptr);

    int32_t MaxValue() const { return FMaxValue; }
    void SetMaxValue(int32_t Value) { FMaxValue = Value; }
    int32_t MinValue() const { return FMinValue; }
    void SetMinValue(int32_t Value) { FMinValue = Value; }

    void SetInt(int32_t X);
    // The text's value, even outside the bounds; 0 when the text is not a
    // number. A value beyond the 32-bit range gives the bound on its side.
    int32_t GetInt() const;
    int32_t Value() const { return GetInt(); }
    // Puts the nearest bound into the text when its value lies outside.
    void CheckRange();

protected:
    void keyPressEvent(QKeyEvent* Event) override;
    void focusOutEvent(QFocusEvent* Event) override;

private:
    int32_t FMinValue = 0;
    int32_t FMaxValue = INT32_MAX;
};
