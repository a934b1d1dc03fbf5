#include "platform/shmaufnahme.h"

#include "platform/rahmenpuffer.h"
#include "platform/x11verbindung.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <thread>
#include <unistd.h>
#include <vector>
#include <xcb/res.h>
#include <xcb/shm.h>
#include <xcb/xcb.h>

namespace {

struct TSegment {
    uint32_t Id = 0;
    uchar* Daten = nullptr;
    size_t Groesse = 0;
    // A picture still refers to the pixels: they must not be overwritten.
    bool Benutzt = false;
    // Prepared ahead of a capture that has not come yet.
    bool Vorbereitet = false;
};

// The segments are used on the thread that captures, come back wherever
// their picture goes, and are prepared on a worker.
std::mutex& SegmentSperre() {
    static auto* m = new std::mutex;
    return *m;
}

std::condition_variable& Fertig() {
    static auto* f = new std::condition_variable;
    return *f;
}

// Segments a worker is preparing now.
int SegmenteInArbeit = 0;
// A capture waits for the segment being prepared.
std::atomic<bool> AufnahmeWartet = false;

// Segments live until the program ends; the kernel frees them with it
// (they are marked for removal as soon as the server has attached them).
// Kept for the whole run, never destroyed: the segments outlive every Start.
std::vector<TSegment*>& Segmente() {
    static auto* s = new std::vector<TSegment*>;
    return *s;
}

void Freigeben(void* Info) {
    const std::lock_guard<std::mutex> l(SegmentSperre());
    static_cast<TSegment*>(Info)->Benutzt = false;
}

bool ShmVorhanden(xcb_connection_t* c) {
    static int Vorhanden = -1;
    if (Vorhanden < 0) {
        xcb_shm_query_version_reply_t* r =
            xcb_shm_query_version_reply(c, xcb_shm_query_version(c), nullptr);
        Vorhanden = r != nullptr;
        std::free(r);
    }
    return Vorhanden == 1;
}

// A new segment of the size, attached on both sides. Added to Segmente()
// by the caller.
TSegment* NeuesSegment(xcb_connection_t* c, size_t Groesse) {
    const int ShmId = shmget(IPC_PRIVATE, Groesse, IPC_CREAT | 0600);
    if (ShmId < 0) return nullptr;
    void* Adresse = shmat(ShmId, nullptr, 0);
    auto* s = new TSegment;
    s->Id = xcb_generate_id(c);
    xcb_generic_error_t* Fehler =
        Adresse == reinterpret_cast<void*>(-1)
            ? nullptr
            : xcb_request_check(c, xcb_shm_attach_checked(c, s->Id, uint32_t(ShmId), 0));
    const bool Ok = Adresse != reinterpret_cast<void*>(-1) && !Fehler;
    std::free(Fehler);
    // Both sides are attached (or have failed): the segment goes when the
    // last of them detaches, at the latest when the program ends.
    shmctl(ShmId, IPC_RMID, nullptr);
    if (!Ok) {
        if (Adresse != reinterpret_cast<void*>(-1)) shmdt(Adresse);
        delete s;
        return nullptr;
    }
    s->Daten = static_cast<uchar*>(Adresse);
    s->Groesse = Groesse;
    return s;
}

void Abhaengen(xcb_connection_t* c, TSegment* s) {
    xcb_shm_detach(c, s->Id);
    shmdt(s->Daten);
    delete s;
}

// A free segment of the size, marked as used, or a new one; unused segments
// of other sizes (the monitor changed) are given back first. A segment
// being prepared is waited for: finishing it costs less than a new one.
TSegment* FreiesSegment(xcb_connection_t* c, size_t Groesse) {
    std::unique_lock<std::mutex> l(SegmentSperre());
    AufnahmeWartet = true;
    Fertig().wait(l, [] { return SegmenteInArbeit == 0; });
    AufnahmeWartet = false;
    std::vector<TSegment*>& Alle = Segmente();
    for (TSegment* s : Alle)
        if (!s->Benutzt && s->Groesse == Groesse) {
            s->Benutzt = true;
            s->Vorbereitet = false;
            return s;
        }
    for (auto i = Alle.begin(); i != Alle.end();) {
        if ((*i)->Benutzt) {
            ++i;
            continue;
        }
        Abhaengen(c, *i);
        i = Alle.erase(i);
    }
    TSegment* s = NeuesSegment(c, Groesse);
    if (s) {
        s->Benutzt = true;
        Alle.push_back(s);
    }
    return s;
}

// The server maps a segment's pages in its own address space one by one at
// its first write or read, which is dear in a virtual machine. Captures of
// a few rows at a time have it pay ahead, in pieces short enough that other
// requests on the connection hardly wait. A capture that comes meanwhile
// stops this: the rest the server faults in when it needs them, no slower.
void ServerSeitigBeruehren(xcb_connection_t* c, uint32_t Segment, const QSize& Groesse,
                           uint32_t Zeilenlaenge) {
    constexpr int Zeilen = 32;
    const xcb_screen_t* Screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    // What the server writes does not matter, only where: any part of the
    // screen will do.
    const int Breite = std::min<int>(Groesse.width(), Screen->width_in_pixels);
    const int Hoehe = std::min<int>(Groesse.height(), Screen->height_in_pixels);
    for (int y = 0; y < Hoehe && !AufnahmeWartet; y += Zeilen) {
        xcb_shm_get_image_reply_t* r = xcb_shm_get_image_reply(
            c,
            xcb_shm_get_image(c, Screen->root, 0, int16_t(y), uint16_t(Breite),
                              uint16_t(std::min(Zeilen, Hoehe - y)), ~0u, XCB_IMAGE_FORMAT_Z_PIXMAP,
                              Segment, uint32_t(y) * Zeilenlaenge),
            nullptr);
        const bool Ok = r != nullptr;
        std::free(r);
        if (!Ok) return;
    }
}

void SegmentVorbereiten(xcb_connection_t* c, const QRect& Rect) {
    TSegment* s = NeuesSegment(c, size_t(Rect.width()) * size_t(Rect.height()) * 4);
    if (s) {
        // Both sides at once: the server's on one core, this program's on
        // the other.
        std::thread Hier = SeitenVorbereiten(s->Daten, qsizetype(s->Groesse));
        ServerSeitigBeruehren(c, s->Id, Rect.size(), uint32_t(Rect.width()) * 4);
        Hier.join();
    }
    const std::lock_guard<std::mutex> l(SegmentSperre());
    if (s) {
        s->Vorbereitet = true;
        Segmente().push_back(s);
    }
    --SegmenteInArbeit;
    Fertig().notify_all();
}

// The one shared-memory segment of the connection whose id lies between
// Von and Bis, found among the connection's resources on the server; 0 if
// there is not exactly one, or the server cannot list them.
uint32_t SegmentZwischen(xcb_connection_t* c, uint32_t Von, uint32_t Bis) {
    const xcb_query_extension_reply_t* Res = xcb_get_extension_data(c, &xcb_res_id);
    if (!Res || !Res->present) return 0;
    const xcb_res_resource_id_spec_t Alle{0, 0};
    const auto Anfrage = xcb_res_query_resource_bytes(c, Von, 1, &Alle);
    // The server names a resource type only once it has listed one.
    const auto Name = xcb_intern_atom(c, 1, 6, "ShmSeg");
    xcb_res_query_resource_bytes_reply_t* r =
        xcb_res_query_resource_bytes_reply(c, Anfrage, nullptr);
    xcb_intern_atom_reply_t* Typ = xcb_intern_atom_reply(c, Name, nullptr);
    uint32_t Gefunden = 0;
    int Anzahl = 0;
    if (r && Typ && Typ->atom != XCB_NONE)
        for (auto i = xcb_res_query_resource_bytes_sizes_iterator(r); i.rem;
             xcb_res_resource_size_value_next(&i)) {
            const auto& [Kennung, Bytes, Verweise, Nutzungen] = i.data->size;
            if (Kennung.type == Typ->atom && Kennung.resource > Von && Kennung.resource < Bis) {
                Gefunden = Kennung.resource;
                ++Anzahl;
            }
        }
    std::free(r);
    std::free(Typ);
    return Anzahl == 1 ? Gefunden : 0;
}

// The server leaves the padding byte of depth-24 pixels undefined (mostly
// zero); Format_RGB32 wants it 0xff.
void AlphaSetzen(uchar* Daten, size_t Pixel) {
    auto* p = reinterpret_cast<uint32_t*>(Daten);
    for (size_t i = 0; i < Pixel; ++i)
        p[i] |= 0xff000000u;
}

bool Tiefe24In32Bit(xcb_connection_t* c, const xcb_screen_t* Screen) {
    if (Screen->root_depth != 24 || xcb_get_setup(c)->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST)
        return false;
    for (auto f = xcb_setup_pixmap_formats_iterator(xcb_get_setup(c)); f.rem; xcb_format_next(&f))
        if (f.data->depth == 24) return f.data->bits_per_pixel == 32;
    return false;
}

// The connection, when the server can capture into shared memory.
xcb_connection_t* ShmVerbindung(const QRect& Rect) {
    xcb_connection_t* c = X11Verbindung();
    if (!c || Rect.isEmpty() || !ShmVorhanden(c)) return nullptr;
    const xcb_screen_t* Screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    return Screen && Tiefe24In32Bit(c, Screen) ? c : nullptr;
}

} // namespace

void ShmAufnahmeVorbereiten(const QRect& Rect) {
    xcb_connection_t* c = ShmVerbindung(Rect);
    if (!c) return;
    const size_t Groesse = size_t(Rect.width()) * size_t(Rect.height()) * 4;
    {
        const std::lock_guard<std::mutex> l(SegmentSperre());
        for (const TSegment* s : Segmente())
            if (!s->Benutzt && s->Groesse == Groesse) return;
        if (SegmenteInArbeit > 0) return;
        ++SegmenteInArbeit;
    }
    std::thread(SegmentVorbereiten, c, Rect).detach();
}

void VorbereiteteShmFreigeben() {
    xcb_connection_t* c = X11Verbindung();
    if (!c) return;
    const std::lock_guard<std::mutex> l(SegmentSperre());
    std::vector<TSegment*>& Alle = Segmente();
    for (auto i = Alle.begin(); i != Alle.end();) {
        if ((*i)->Benutzt || !(*i)->Vorbereitet) {
            ++i;
            continue;
        }
        Abhaengen(c, *i);
        i = Alle.erase(i);
    }
    xcb_flush(c);
}

QImage ShmAufnahme(const QRect& Rect) {
    xcb_connection_t* c = ShmVerbindung(Rect);
    if (!c) return QImage();
    const xcb_screen_t* Screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const size_t Groesse = size_t(Rect.width()) * size_t(Rect.height()) * 4;
    TSegment* s = FreiesSegment(c, Groesse);
    if (!s) return QImage();
    xcb_shm_get_image_reply_t* r = xcb_shm_get_image_reply(
        c,
        xcb_shm_get_image(c, Screen->root, int16_t(Rect.x()), int16_t(Rect.y()),
                          uint16_t(Rect.width()), uint16_t(Rect.height()), ~0u,
                          XCB_IMAGE_FORMAT_Z_PIXMAP, s->Id, 0),
        nullptr);
    const bool Ok = r != nullptr;
    std::free(r);
    if (!Ok) {
        Freigeben(s);
        return QImage();
    }
    AlphaSetzen(s->Daten, Groesse / 4);
    return QImage(s->Daten, Rect.width(), Rect.height(), Rect.width() * 4, QImage::Format_RGB32,
                  Freigeben, s);
}

uint32_t NaechsteXid() {
    xcb_connection_t* c = X11Verbindung();
    return c ? xcb_generate_id(c) : 0;
}

std::thread FensterpufferVorbereitenLassen(const QImage& Puffer, uint32_t Von, uint32_t Bis) {
    xcb_connection_t* c = Von && Bis ? ShmVerbindung(Puffer.rect()) : nullptr;
    return std::thread([c, Daten = Puffer.constBits(), Groesse = Puffer.sizeInBytes(),
                        Format = Puffer.size(), Zeilenlaenge = uint32_t(Puffer.bytesPerLine()), Von,
                        Bis] {
        std::thread Hier = SeitenVorbereiten(Daten, Groesse);
        const uint32_t Segment = c ? SegmentZwischen(c, Von, Bis) : 0;
        if (Segment) ServerSeitigBeruehren(c, Segment, Format, Zeilenlaenge);
        Hier.join();
    });
}
