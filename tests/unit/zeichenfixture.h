#pragma once
// A tool window and an overlay over a known picture, driven through the
// overlay's own mouse handlers.

#include "einstellungswerte.h"
#include "overlay/groessen.h"
#include "overlay/scrwin.h"
#include "toolwindow/toolwin2.h"

#include <QCursor>
#include <gtest/gtest.h>
#include <memory>

// A picture with structure everywhere: every pixel differs from its
// neighbours, so any stray write shows.
inline QImage Testbild(int w = 320, int h = 240) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb((x * 7 + y) & 0xFF, (y * 5 + x * 3) & 0xFF, (x ^ y) & 0xFF));
    return img;
}

inline QImage Einfarbig(QRgb c, int w = 320, int h = 240) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

class ZeichenTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Keep the real pointer far away from the picture, so that tool
        // changes draw their mark outside it.
        QCursor::setPos(QPoint(20000, 20000));
        Tool = std::make_unique<TToolForm>();
        Screen = std::make_unique<TScreenForm>();
        Screen->resize(320, 240);
        Hintergrund(Testbild());
        Waehle(1, 3);
        Farbe(0x000000FF, pmCopy);
    }
    void TearDown() override {
        Screen.reset();
        Tool.reset();
    }

    // Freezes Bild as the background, as the capture at Start does.
    void Hintergrund(const QImage& Bild) {
        Tool->OrigScrBmp = Bild;
        Tool->OrigScrStartBmp = Bild;
        Tool->BackupBmp = Bild;
        Tool->BackupOrigScrBmp = Bild;
        Screen->BildLaden(Bild, true);
        Screen->Sx = Screen->Sy = Screen->Lx = Screen->Ly = -1;
    }
    void Waehle(int32_t Modus, int DickeNr) {
        Tool->Modus = Modus;
        Tool->Sdicke = DickeTab[DickeNr];
        Tool->SetWerkzeug();
    }
    void Farbe(TColor c, TPenMode m) {
        Tool->Scol = c;
        Tool->Smode = m;
    }

    void Druecken(int x, int y, TShiftState s = ssLeft, TMouseButton b = mbLeft) {
        Screen->Img1MouseDown(b, s, x, y);
    }
    void Ziehen(int x, int y, TShiftState s = ssLeft) { Screen->Img1MouseMove(s, x, y); }
    void Loslassen(int x, int y, TShiftState s = TShiftState(), TMouseButton b = mbLeft) {
        Screen->Img1MouseUp(b, s, x, y);
    }
    void Strich(QPoint a, QPoint b) {
        Druecken(a.x(), a.y());
        Ziehen(b.x(), b.y());
        Loslassen(b.x(), b.y());
    }

    const QImage& Bild() { return Screen->Bild(); }

    std::unique_ptr<TToolForm> Tool;
    std::unique_ptr<TScreenForm> Screen;
    // The choice handlers store the chosen width and colour process-wide.
    TEinstellungenSichern Einstellungen;
};

inline int AnzahlVerschieden(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) ++n;
    return n;
}
