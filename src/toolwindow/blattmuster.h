#pragma once
// The blank sheets: a filled background and, for the patterned ones, light
// grey lines, squares or small crosses. The geometry is anchored at the top
// left corner; its size comes from the primary screen, widened to the picture
// so that a sheet never leaves part of a larger monitor uncovered.

#include "platform/canvas.h"

#include <QSize>
#include <cstdint>

constexpr TColor BlattLinienFarbe = 0x00B8B8B8;
constexpr TColor BlattGrundFarbe = clWhite;
constexpr int32_t KariertAbstand = 48;
constexpr int32_t PunktrasterAbstand = 48;
constexpr int32_t LinienAbstand = 72;
constexpr int32_t KreuzHalbArm = 2;

// In each direction the larger of the primary screen's and the picture's size.
QSize BlattFlaeche(QSize Schirm, QSize Bild);

// Each paints on the canvas's bitmap over the sheet area F (F's width and
// height play the role of the screen's W and H).
void MaleEinfarbig(TCanvas& C, QSize F, TColor Farbe);
void MaleLinien(TCanvas& C, QSize F, int32_t a);
void MaleKaros(TCanvas& C, QSize F, int32_t a);
void MalePunktraster(TCanvas& C, QSize F, int32_t a);
