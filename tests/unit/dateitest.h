#pragma once
// Helpers of the file tests: a picture with structure everywhere, reading a
// file whole, a folder's entries, and catching the message box.

#include "platform/meldung.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QStringList>
#include <gtest/gtest.h>

// Every pixel differs from its neighbours and the picture does not pack
// into a few bytes, like a photograph.
inline QImage Fotobild(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    uint32_t z = 12345;
    for (int y = 0; y < h; ++y) {
        auto* p = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            z = z * 1103515245u + 12345u;
            const int n = int(z >> 28);
            p[x] = qRgb((x + n) & 0xFF, (y * 2 + n) & 0xFF, ((x + y) / 3 + n) & 0xFF);
        }
    }
    return img;
}

inline QByteArray DateiInhalt(const QString& Pfad) {
    QFile f(Pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline QStringList Eintraege(const QString& Ordner) {
    return QDir(Ordner).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

// Answers every message box with OK and records its type and text.
struct TMeldungenFangen {
    struct TEintrag {
        TMeldungTyp Typ;
        QString Text;
    };
    std::vector<TEintrag> Liste;
    std::function<void()> BeiMeldung;
    TMeldungenFangen() {
        SetMeldungAntworter([this](TMeldungTyp t, const QString& s, TMeldungKnoepfe) {
            Liste.push_back({t, s});
            if (BeiMeldung) BeiMeldung();
            return TMeldungAntwort::Ok;
        });
    }
    ~TMeldungenFangen() { SetMeldungAntworter({}); }
};
