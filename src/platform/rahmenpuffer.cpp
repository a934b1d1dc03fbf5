#include "platform/rahmenpuffer.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <new>
#include <sys/mman.h>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>
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
    // Prepared ahead and not yet handed out.
    bool Vorbereitet = false;
};

// The kept buffers are handed out on the thread that draws, come back
// wherever their last picture goes, and are prepared on a worker.
std::mutex& Sperre() {
    static auto* m = new std::mutex;
    return *m;
}

// Never destroyed: pictures may outlive any static object, and the kernel
// takes the memory back at the end.
std::vector<TPuffer*>& Frei() {
    static auto* f = new std::vector<TPuffer*>;
    return *f;
}

// Buffers a worker is preparing now.
int InArbeit = 0;

void Unmap(TPuffer* p) {
    munmap(p->Basis, p->Abbildung);
    delete p;
}

void Ablegen(TPuffer* p) {
    std::vector<TPuffer*>& f = Frei();
    f.push_back(p);
    if (f.size() > Behalten) {
        Unmap(f.front());
        f.erase(f.begin());
    }
}

void Zurueck(void* Info) {
    const std::lock_guard<std::mutex> l(Sperre());
    Ablegen(static_cast<TPuffer*>(Info));
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
    {
        const std::lock_guard<std::mutex> l(Sperre());
        std::vector<TPuffer*>& f = Frei();
        for (auto i = f.begin(); i != f.end(); ++i)
            if ((*i)->Groesse == Groesse) {
                TPuffer* p = *i;
                f.erase(i);
                p->Vorbereitet = false;
                return p;
            }
    }
    return NeuerPuffer(Groesse);
}

size_t Bereit(size_t Groesse) {
    size_t n = 0;
    for (const TPuffer* p : Frei())
        n += p->Groesse == Groesse;
    return n + size_t(InArbeit);
}

// The kernel maps and clears every page (or huge page) of the bytes now,
// on this thread, and one byte of every page is read, which also has a
// virtual machine's host map it. Without MADV_POPULATE_WRITE (before Linux
// 5.14) the reads fault the pages in.
void Einlagern(const uchar* Daten, size_t Groesse) {
    const auto Seite = uintptr_t(sysconf(_SC_PAGESIZE));
    const auto Anfang = reinterpret_cast<uintptr_t>(Daten);
    const uintptr_t Ende = Anfang + Groesse;
    // In pieces: the kernel holds the process's memory map for the whole
    // of one call, and the thread that draws must not wait for all of it
    // when it maps memory of its own meanwhile.
    for (uintptr_t a = Anfang & ~(Seite - 1); a < Ende; a += GrossSeite)
        madvise(reinterpret_cast<void*>(a), std::min<uintptr_t>(GrossSeite, Ende - a),
                MADV_POPULATE_WRITE);
    for (uintptr_t a = Anfang; a < Ende; a = (a | (Seite - 1)) + 1)
        (void)*reinterpret_cast<volatile const uchar*>(a);
}

void Vorbereiten(size_t Groesse, size_t Anzahl) {
    // Needed at the first stroke only: the capture and the overlay's first
    // picture, prepared beside it, go first.
    setpriority(PRIO_PROCESS, 0, 19);
    for (;;) {
        {
            const std::lock_guard<std::mutex> l(Sperre());
            if (Bereit(Groesse) >= Anzahl) return;
            ++InArbeit;
        }
        TPuffer* p = NeuerPuffer(Groesse);
        if (p) Einlagern(p->Daten, p->Groesse);
        const std::lock_guard<std::mutex> l(Sperre());
        --InArbeit;
        if (!p) return;
        p->Vorbereitet = true;
        Ablegen(p);
    }
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

TLeihpuffer::TLeihpuffer(qsizetype Groesse) {
    if (Groesse >= MindestGroesse) {
        auto* p = Puffer(size_t(Groesse));
        FPuffer = p;
        FDaten = p ? p->Daten : nullptr;
    } else if (Groesse > 0) {
        FDaten = new (std::nothrow) uchar[size_t(Groesse)];
    }
}

TLeihpuffer::~TLeihpuffer() {
    if (FPuffer)
        Zurueck(FPuffer);
    else
        delete[] FDaten;
}

void RahmenpufferVorbereiten(qsizetype Groesse, int Anzahl) {
    if (Groesse < MindestGroesse || Anzahl <= 0) return;
    {
        const std::lock_guard<std::mutex> l(Sperre());
        if (Bereit(size_t(Groesse)) >= size_t(Anzahl)) return;
    }
    std::thread(Vorbereiten, size_t(Groesse), size_t(Anzahl)).detach();
}

void VorbereiteteRahmenpufferFreigeben() {
    const std::lock_guard<std::mutex> l(Sperre());
    std::vector<TPuffer*>& f = Frei();
    for (auto i = f.begin(); i != f.end();) {
        if (!(*i)->Vorbereitet) {
            ++i;
            continue;
        }
        Unmap(*i);
        i = f.erase(i);
    }
}

std::thread SeitenVorbereiten(const uchar* Daten, qsizetype Groesse) {
    return std::thread(Einlagern, Daten, size_t(Groesse));
}
