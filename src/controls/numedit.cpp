#include "controls/numedit.h"

#include "controls/fokuswechsel.h"
#include "controls/kvxspez.h"

#include <QKeyEvent>
#include <QLocale>
#include <QRegularExpression>
#include <charconv>
#include <cmath>

namespace {

// Control characters (Backspace, Return, Escape and those of the clipboard
// shortcuts) and Delete always pass; they never enter the text as such.
bool IstSteuerzeichen(QChar c) {
    return c.unicode() < 0x20 || c.unicode() == 0x7F;
}

// With Ctrl held a key is a shortcut (copy, paste, undo), never a character
// to type, whatever text the platform attaches to it.
bool ZeichenErlaubt(const QKeyEvent& Event, const QString& Erlaubt) {
    if (Event.modifiers() & Qt::ControlModifier) return true;
    for (QChar c : Event.text())
        if (!IstSteuerzeichen(c) && !Erlaubt.contains(c)) return false;
    return true;
}

void Breite81(QLineEdit* Feld) {
    // Fixed in layouts as well as when placed by position.
    Feld->setSizePolicy(QSizePolicy::Fixed, Feld->sizePolicy().verticalPolicy());
    Feld->setMinimumWidth(81);
    Feld->setMaximumWidth(81);
    Feld->resize(81, Feld->sizeHint().height());
}

} // namespace

TEdit2::TEdit2(QWidget* Owner) : QLineEdit(Owner) {}

// --- TNumEditQ ---

TNumEditQ::TNumEditQ(QWidget* Owner) : TEdit2(Owner) {
    Breite81(this);
    SetFloat(0);
}

void TNumEditQ::SetFloat(long double X) {
    // The locale of the program is the system's; tests may set another as
    // the default.
    const QString Punkt = QLocale().decimalPoint();
    setText(ReplaceText(FloatToStrWD(X, 0, FNkst), QStringLiteral("."), Punkt));
}

long double TNumEditQ::GetFloat() const {
    static const QRegularExpression Number(
        QStringLiteral("^ *[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    QString s = ReplaceChar(text(), QChar(','), QChar('.'));
    if (!Number.match(s).hasMatch()) return 0;
    s = s.trimmed();
    if (s.startsWith(QChar('+'))) s.remove(0, 1);
    const std::string Zahl = s.toStdString();
    long double Wert = 0;
    const auto Ergebnis = std::from_chars(Zahl.data(), Zahl.data() + Zahl.size(), Wert);
    // A number too large for any real reads as no number, so that the field
    // never has to write out an infinity.
    if (Ergebnis.ec != std::errc() || !std::isfinite(Wert)) return 0;
    return Wert;
}

int32_t TNumEditQ::GetInt() const {
    const long double Wert = std::trunc(GetFloat());
    if (Wert < INT32_MIN) return INT32_MIN;
    if (Wert > INT32_MAX) return INT32_MAX;
    return static_cast<int32_t>(Wert);
}

void TNumEditQ::keyPressEvent(QKeyEvent* Event) {
    if (!ZeichenErlaubt(*Event, QStringLiteral(",-.0123456789"))) return;
    TEdit2::keyPressEvent(Event);
}

void TNumEditQ::focusOutEvent(QFocusEvent* Event) {
    if (IstFokuswechsel(*Event)) SetFloat(GetFloat());
    TEdit2::focusOutEvent(Event);
}

// --- TNumEditZ ---

TNumEditZ::TNumEditZ(QWidget* Owner) : TEdit2(Owner) {
    Breite81(this);
    setText(QStringLiteral("0"));
}

void TNumEditZ::SetInt(int32_t X) {
    setText(QString::number(X));
    CheckRange();
}

int32_t TNumEditZ::GetInt() const {
    return StrToIntRoundNoThrow(text(), LimitRange(FMinValue, FMinValue, FMaxValue), FMaxValue);
}

void TNumEditZ::CheckRange() {
    // LimitRange lets MaxValue win over a greater MinValue, so the second
    // round through SetInt always finds the value in range.
    const int32_t Wert = GetInt();
    const int32_t Begrenzt = LimitRange(Wert, FMinValue, FMaxValue);
    if (Begrenzt != Wert) SetInt(Begrenzt);
}

void TNumEditZ::keyPressEvent(QKeyEvent* Event) {
    if (!ZeichenErlaubt(*Event, QStringLiteral("-0123456789"))) return;
    TEdit2::keyPressEvent(Event);
}

void TNumEditZ::focusOutEvent(QFocusEvent* Event) {
    if (IstFokuswechsel(*Event)) {
        CheckRange();
        SetInt(GetInt());
    }
    TEdit2::focusOutEvent(Event);
}
