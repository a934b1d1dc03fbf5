#include "platform/rahmenpuffer.h"

#include <cstdint>
#include <cstring>
#include <sys/mman.h>
#include <vector>

namespace {

constexpr size_t GrossSeite = size_t(2) << 20;
// Below this a picture is no frame: Qt's own allocation is cheap enough.
constexpr qsizetype MindestGroesse = qsizetype(GrossSeite);
// The drawing bitmap, the undo copy, the background and its undo copy.
constexpr size_t Behalten = 4;

struct TPuffer {
    void* Basis = nullptr;
    size_t Abbildung = 0;
    uchar* Daten = nullptr;
    size_t Groesse = 0;
};

// Never destroyed: pictures may outlive any static object, and the kernel
// takes the memory back at the end.
std::vector<TPuffer*>& Frei() {
    static auto* f = new std::vector<TPuffer*>;
    return *f;
}

void Unmap(TPuffer* p) {
    munmap(p->Basis, p->Abbildung);
    delete p;
}

void Zurueck(void* Info) {
    std::vector<TPuffer*>& f = Frei();
    f.push_back(static_cast<TPuffer*>(Info));
    if (f.size() > Behalten) {
        Unmap(f.front());
        f.erase(f.begin());
    }
}

TPuffer* NeuerPuffer(size_t Groesse) {
    // One huge page more, so that the pixels can start on a huge page.
    const size_t Abbildung = Groesse + GrossSeite;
    void* Basis =
        mmap(nullptr, Abbildung, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (Basis == MAP_FAILED) return nullptr;
    const uintptr_t a = (reinterpret_cast<uintptr_t>(Basis) + GrossSeite - 1) & ~(GrossSeite - 1);
    madvise(reinterpret_cast<void*>(a), Groesse, MADV_HUGEPAGE);
    return new TPuffer{Basis, Abbildung, reinterpret_cast<uchar*>(a), Groesse};
}

TPuffer* Puffer(size_t Groesse) {
    std::vector<TPuffer*>& f = Frei();
    for (auto i = f.begin(); i != f.end(); ++i)
        if ((*i)->Groesse == Groesse) {
            TPuffer* p = *i;
            f.erase(i);
            return p;
        }
    return NeuerPuffer(Groesse);
}

} // namespace

void EigenePixel(QImage& Bild) {
    if (Bild.isNull() || Bild.isDetached()) return;
    TPuffer* p = Bild.sizeInBytes() < MindestGroesse ? nullptr : Puffer(size_t(Bild.sizeInBytes()));
    if (!p) {
        Bild.detach();
        return;
    }
    std::memcpy(p->Daten, Bild.constBits(), p->Groesse);
    QImage Kopie(p->Daten, Bild.width(), Bild.height(), Bild.bytesPerLine(), Bild.format(), Zurueck,
                 p);
    Kopie.setDevicePixelRatio(Bild.devicePixelRatio());
    Bild = Kopie;
}
