#include "overlay/zoominfopan.h"

#include <QFontMetricsF>
#include <QLabel>

namespace {

constexpr int LabelOben = 2;
constexpr int LabelHoehe = 13;

QLabel* NeuesLabel(QWidget* Parent, const char* Name, int Left, int Width, Qt::Alignment a) {
    auto* l = new QLabel(Parent);
    l->setObjectName(QString::fromUtf8(Name));
    l->setGeometry(Left, LabelOben, Width, LabelHoehe);
    l->setAlignment(a | Qt::AlignVCenter);
    return l;
}

void Hintergrund(QWidget* w, TColor c) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, QColor::fromRgb(TColorToQRgb(c)));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

} // namespace

QString FarbCode(TColor c) {
    return QStringLiteral("#%1%2%3")
        .arg(TColorRed(c), 2, 16, QLatin1Char('0'))
        .arg(TColorGreen(c), 2, 16, QLatin1Char('0'))
        .arg(TColorBlue(c), 2, 16, QLatin1Char('0'))
        .toUpper();
}

TZoomInfoPan::TZoomInfoPan(QWidget* Parent) : QFrame(Parent) {
    setObjectName(QStringLiteral("ZoomInfoPan"));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    Hintergrund(this, Grundfarbe);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, Qt::black);
    setPalette(p);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(11);
    f.setBold(true);
    setFont(f);
    setGeometry(-1, -1, 266, 19);
    // The pointer over the panel still moves over the picture, so that the
    // panel can jump out of its way.
    setAttribute(Qt::WA_TransparentForMouseEvents);

    ZoomPanZoomLab = NeuesLabel(this, "ZoomPanZoomLab", 8, 40, Qt::AlignRight);
    // The brackets lie below the coordinates, which are placed inside them.
    ZoomPanKlammern = NeuesLabel(this, "ZoomPanKlammern", 72, 105, Qt::AlignLeft);
    ZoomPanKlammern->setText(QStringLiteral(" (        ,         )"));
    // The runs of blanks are widened so that the comma falls just right of
    // the first number (at 44) and the closing bracket right of the second,
    // whatever the font's own blank. Word spacing counts once per run; two
    // runs lie before the comma.
    const QFontMetricsF m(f);
    QFont k = f;
    k.setWordSpacing((44.0 - m.horizontalAdvance(QLatin1Char('(')) -
                      9.0 * m.horizontalAdvance(QLatin1Char(' '))) /
                     2.0);
    ZoomPanKlammern->setFont(k);
    ZoomPanXLab = NeuesLabel(this, "ZoomPanXLab", 72, 40, Qt::AlignRight);
    ZoomPanYLab = NeuesLabel(this, "ZoomPanYLab", 112, 40, Qt::AlignRight);
    ZoomPanColLab2 = NeuesLabel(this, "ZoomPanColLab2", 180, 17, Qt::AlignLeft);
    ZoomPanColLab = NeuesLabel(this, "ZoomPanColLab", 200, 57, Qt::AlignLeft);
    Hintergrund(ZoomPanColLab, clWhite);
    SwatchFarbe(Grundfarbe);
    hide();
}

void TZoomInfoPan::SwatchFarbe(TColor c) {
    Hintergrund(ZoomPanColLab2, c);
}
