#include "overlay/mauszeiger.h"

#include <QPixmap>
#include <array>

namespace {

struct TZeigerBild {
    const char* Datei;
    int HotX, HotY;
};

// Index 1 and 2: the numbers under which the pointers are registered.
constexpr std::array<TZeigerBild, 3> ZeigerBilder = {{
    {nullptr, 0, 0},
    {":/hand.xpm", 15, 12},
    {":/pipette.xpm", 4, 24},
}};

std::array<QCursor, 3>& Registriert() {
    static std::array<QCursor, 3> Zeiger;
    return Zeiger;
}

} // namespace

void MauszeigerRegistrieren() {
    // The pictures are compiled into the core library, which nothing else
    // would make the linker keep.
    Q_INIT_RESOURCE(resources);
    for (int i = 1; i < static_cast<int>(ZeigerBilder.size()); ++i) {
        const TZeigerBild& b = ZeigerBilder[i];
        Registriert()[i] = QCursor(QPixmap(QString::fromLatin1(b.Datei)), b.HotX, b.HotY);
    }
}

QCursor Mauszeiger(TZeiger Nr) {
    switch (Nr) {
    case crNone:
        return QCursor(Qt::BlankCursor);
    case crHand:
    case crPipette:
        return Registriert()[Nr];
    case crDefault:
        break;
    }
    return QCursor(Qt::ArrowCursor);
}
