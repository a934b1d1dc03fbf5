#include "controls/kvxspez.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QThread>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <stdexcept>

QString ReplaceChar(const QString& Text, QChar OldChar, QChar NewChar) {
    QString Result = Text;
    if (OldChar == NewChar) return Result;
    for (QChar& c : Result)
        if (c == OldChar) c = NewChar;
    return Result;
}

QString ReplaceText(const QString& Text, const QString& OldText, const QString& NewText) {
    if (OldText.isEmpty()) return Text;
    QString Result;
    QString Rest = Text;
    qsizetype p;
    while ((p = Rest.indexOf(OldText)) >= 0) {
        Result += Rest.left(p) + NewText;
        Rest.remove(0, p + OldText.size());
    }
    return Result + Rest;
}

QString DeleteAll(const QString& Text, const QString& Part) {
    if (Part.isEmpty()) return Text;
    QString Result = Text;
    qsizetype p;
    while ((p = Result.indexOf(Part)) >= 0)
        Result.remove(p, Part.size());
    return Result;
}

namespace {

QString LinksAufgefuellt(const std::string& Text, int32_t Width) {
    QString Result = QString::fromStdString(Text);
    if (Result.size() < Width) Result = QString(Width - Result.size(), QChar(' ')) + Result;
    return Result;
}

// Infinity and NaN have no digits to round; they get the classic texts.
std::string NichtEndlich(long double Value) {
    if (std::isnan(Value)) return "NAN";
    return std::signbit(Value) ? "-INF" : "INF";
}

} // namespace

QString FloatToStrWD(long double Value, int32_t Width, int32_t Decimals) {
    if (!std::isfinite(Value)) return LinksAufgefuellt(NichtEndlich(Value), Width);
    // Write the magnitude with 18 significant digits, then cut after the kept
    // decimals and round up on a first dropped digit of 5 or more.
    const bool Negative = std::signbit(Value) && Value != 0;
    char Buf[128];
    std::snprintf(Buf, sizeof Buf, "%.17Le", std::fabs(Value));
    // Buf: d.ddddddddddddddddde[+-]xx
    std::string Digits;
    Digits += Buf[0];
    Digits.append(Buf + 2, 17);
    const int Exp = std::atoi(std::strchr(Buf, 'e') + 1);
    // Value = 0.Digits * 10^(Exp + 1); position of the decimal point in Digits:
    int Point = Exp + 1;
    if (Point < 0) {
        Digits.insert(0, static_cast<size_t>(-Point), '0');
        Point = 0;
    }
    if (static_cast<int>(Digits.size()) < Point + Decimals + 1)
        Digits.append(static_cast<size_t>(Point + Decimals + 1) - Digits.size(), '0');
    std::string Kept = Digits.substr(0, static_cast<size_t>(Point + Decimals));
    const bool RoundUp = Digits[static_cast<size_t>(Point + Decimals)] >= '5';
    if (RoundUp) {
        int i = static_cast<int>(Kept.size()) - 1;
        while (i >= 0 && Kept[static_cast<size_t>(i)] == '9')
            Kept[static_cast<size_t>(i--)] = '0';
        if (i >= 0)
            Kept[static_cast<size_t>(i)]++;
        else {
            Kept.insert(0, "1");
            Point++;
        }
    }
    std::string IntPart = Kept.substr(0, static_cast<size_t>(Point));
    size_t nz = IntPart.find_first_not_of('0');
    IntPart = nz == std::string::npos ? "0" : IntPart.substr(nz);
    std::string Out = IntPart;
    if (Decimals > 0) Out += "." + Kept.substr(static_cast<size_t>(Point));
    const bool AllZero = Kept.find_first_not_of('0') == std::string::npos;
    if (Negative && !AllZero) Out.insert(0, "-");
    return LinksAufgefuellt(Out, Width);
}

void SwapMem(void* A, void* B, uint16_t Count) {
    unsigned char Scratch[256];
    if (Count > sizeof Scratch) Count = sizeof Scratch;
    std::memcpy(Scratch, A, Count);
    std::memcpy(A, B, Count);
    std::memcpy(B, Scratch, Count);
}

namespace {

// The rounded value of Text as a real number, 0 when it is not a number.
double StrToRealRound(const QString& Text) {
    static const QRegularExpression Number(
        QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
    const QString s = DeleteAll(Text, QStringLiteral(" "));
    if (!Number.match(s).hasMatch()) return 0;
    return std::nearbyint(s.toDouble());
}

} // namespace

int32_t StrToIntRound(const QString& Text) {
    const double v = StrToRealRound(Text);
    if (!(v >= -2147483648.0 && v <= 2147483647.0))
        throw std::range_error("StrToIntRound: value outside the 32-bit range");
    return static_cast<int32_t>(v);
}

int32_t StrToIntRoundNoThrow(const QString& Text, int32_t Below, int32_t Above) {
    const double v = StrToRealRound(Text);
    if (v < -2147483648.0) return Below;
    if (v > 2147483647.0) return Above;
    return static_cast<int32_t>(v);
}

int32_t RealSign(double X) {
    if (X > 0) return 1;
    if (X == 0) return 0;
    return -1;
}

int32_t LimitRange(int32_t Value, int32_t Lo, int32_t Hi) {
    if (Value < Lo) Value = Lo;
    if (Value > Hi) Value = Hi;
    return Value;
}

int32_t Round(double X) {
    return static_cast<int32_t>(std::nearbyint(X));
}

uint32_t GetTickCount() {
    using namespace std::chrono;
    return static_cast<uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void WaitUntilTick(uint32_t Tick) {
    // Compare through the signed difference so that a wrap of the 32-bit
    // counter during the wait still ends it.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    while (static_cast<int32_t>(GetTickCount() - Tick) < 0) {
        QThread::msleep(1);
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

void DelayMs(int32_t Ms) {
    WaitUntilTick(GetTickCount() + static_cast<uint32_t>(Ms));
}
