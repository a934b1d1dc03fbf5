#pragma once
// The device work of printing. Positions on the page are integers in tenths
// of a millimetre measured from the paper's top-left corner; the painter is
// set up so that one logical unit is 0.1 mm, x to the right and y downwards,
// with (0, 0) at the top-left corner of the printable area.

#include <QImage>
#include <QRect>
#include <QString>
#include <cstdint>

class QPageLayout;
class QPainter;
class QPrinter;

// Largest margin, width or height the print dialog accepts, in cm. Beyond
// any paper, and small enough that a rectangle of such values stays far
// inside 32-bit printer dots at any resolution.
constexpr double MaxDruckCm = 1000.0;

// Left and top margin, width and height in 0.1 mm.
struct TDruckMasse {
    int32_t Left = 0, Top = 0, Width = 0, Height = 0;
    bool operator==(const TDruckMasse&) const = default;
};

// A centimetre value in 0.1 mm, rounded half to even. Valid only for values
// from 0 to MaxDruckCm (see DruckMasseAusCm).
int32_t ZehntelMm(double Cm);

// Converts the dialog's four values (cm) into 0.1 mm. False, and M
// unchanged, when a value is negative, not a number or beyond MaxDruckCm:
// a negative size would print the picture mirrored.
bool DruckMasseAusCm(double LiRand, double ObRand, double Breite, double Hoehe, TDruckMasse& M);

// The unprintable border at the left and top of the paper in 0.1 mm: the
// offset of the page layout's paint rectangle from its full rectangle at the
// printer's resolution in dots per inch.
QPoint UnbedruckbarerRand(const QPageLayout& Layout, int Aufloesung);

// Shifts paper coordinates to printable-area coordinates: subtracts the
// border, never going below 0, so a margin smaller than the border places
// the picture at the edge of the printable area.
void AdjustPrintOffsets(QPoint Rand, int32_t& Left, int32_t& Top);

// One logical unit of P becomes 0.1 mm on a device of Aufloesung dots per
// inch.
void SetupPrintMapping(QPainter& P, int Aufloesung);

// Stretches Bitmap, nearest neighbour, into Rect (logical units).
void PrintBitmap(QPainter& P, const QRect& Rect, const QImage& Bitmap);

// The text of the printer line: "- Kein Drucker -" without a name, else the
// name, followed by " an " and the connection when there is one.
QString DruckerText(const QString& Name, const QString& Anschluss);

// Where CUPS says printer Name is connected (its device URI), or an empty
// text when CUPS does not tell.
QString DruckerAnschluss(const QString& Name);
