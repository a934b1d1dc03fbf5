#pragma once
// The widths, colours and tools the user can choose, with everything that
// belongs to each choice: its action, button, texts, shortcut and glyph.
// Creation of the buttons and menu items and the handlers all read these
// tables, so a choice can never look different in button, menu and key.

#include "toolwindow/toolwin2.h"

#include <QKeyCombination>
#include <array>

// What every choice and command has: its action, the names of action and
// button, hint, menu caption, shortcut and glyph.
struct TAktionsEintrag {
    QAction* TToolForm::*Aktion;
    const char* AktionName;
    const char* KnopfName; // nullptr: menu item only
    const char* Hint;
    const char* Caption;
    QKeyCombination Taste;
    int Glyphe; // -1: none
};

struct TDickeEintrag : TAktionsEintrag {
    int32_t Nr;
};

struct TFarbEintrag : TAktionsEintrag {
    int32_t FarbMode;
    TColor Scol;
    uint8_t Smode;
};

struct TWerkzeugEintrag : TAktionsEintrag {
    int32_t Modus;
};

// Commands of other tool window features: plain menu items with a shortcut,
// some with a button.
using TBefehlEintrag = TAktionsEintrag;

constexpr auto AltS = Qt::SHIFT | Qt::ALT;

inline const std::array<TDickeEintrag, 4> DickeTabelle = {{
    {{&TToolForm::Dicke1, "Dicke1", "Dicke1Btn", "Strichdicke 1", "&1", Qt::CTRL | Qt::Key_1, 10},
     1},
    {{&TToolForm::Dicke2, "Dicke2", "Dicke2Btn", "Strichdicke 2", "&2", Qt::CTRL | Qt::Key_2, 11},
     2},
    {{&TToolForm::Dicke3, "Dicke3", "Dicke3Btn", "Strichdicke 3", "&3", Qt::CTRL | Qt::Key_3, 12},
     3},
    {{&TToolForm::Dicke4, "Dicke4", "Dicke4Btn", "Strichdicke 4", "&4", Qt::CTRL | Qt::Key_4, 13},
     4},
}};

inline const std::array<TFarbEintrag, 10> FarbTabelle = {{
    {{&TToolForm::MarkCol1, "MarkCol1", "MarkCol1Btn", "transparentes rot", "Transparentes rot",
      Qt::ALT | Qt::Key_1, 4},
     fmMarkRot,
     0x000000FF,
     pmMask},
    {{&TToolForm::MarkCol2, "MarkCol2", "MarkCol2Btn", "transparentes gelb", "Transparentes gelb",
      Qt::ALT | Qt::Key_2, 5},
     fmMarkGelb,
     0x0000FFFF,
     pmMask},
    {{&TToolForm::MarkCol3, "MarkCol3", "MarkCol3Btn", "transparentes grün", "Transparentes grün",
      Qt::ALT | Qt::Key_3, 6},
     fmMarkGruen,
     0x0000FF00,
     pmMask},
    {{&TToolForm::MarkCol4, "MarkCol4", "MarkCol4Btn", "transparentes blau", "Transparentes blau",
      Qt::ALT | Qt::Key_4, 7},
     fmMarkBlau,
     0x00FF0000,
     pmMask},
    {{&TToolForm::DeckCol1, "DeckCol1", "DeckCol1Btn", "deckendes rot", "Deckendes rot",
      AltS | Qt::Key_1, 0},
     fmDeckRot,
     0x000000FF,
     pmCopy},
    {{&TToolForm::DeckCol2, "DeckCol2", "DeckCol2Btn", "deckendes gelb", "Deckendes gelb",
      AltS | Qt::Key_2, 1},
     fmDeckGelb,
     0x0000FFFF,
     pmCopy},
    {{&TToolForm::DeckCol3, "DeckCol3", "DeckCol3Btn", "deckendes grün", "Deckendes grün",
      AltS | Qt::Key_3, 2},
     fmDeckGruen,
     0x0000FF00,
     pmCopy},
    {{&TToolForm::DeckCol4, "DeckCol4", "DeckCol4Btn", "deckendes blau", "Deckendes blau",
      AltS | Qt::Key_4, 3},
     fmDeckBlau,
     0x00FF0000,
     pmCopy},
    {{&TToolForm::DeckCol5, "DeckCol5", "DeckCol5Btn", "deckendes weiß", "Deckendes weiß",
      AltS | Qt::Key_5, 8},
     fmDeckWeiss,
     0x00FFFFFF,
     pmCopy},
    {{&TToolForm::DeckCol6, "DeckCol6", "DeckCol6Btn", "deckendes schwarz", "Deckendes schwarz",
      AltS | Qt::Key_6, 9},
     fmDeckSchwarz,
     0x00000000,
     pmCopy},
}};

inline const std::array<TWerkzeugEintrag, 15> WerkzeugTabelle = {{
    {{&TToolForm::Stift1, "Stift1", "StiftBtn", "Zeichenstift", "Stift", Qt::ALT | Qt::Key_S, 14},
     mStift},
    {{&TToolForm::Radiergummi1, "Radiergummi1", "SchwammBtn", "Radiergummi", "Radiergummi",
      Qt::ALT | Qt::Key_G, 15},
     mRadierer},
    {{&TToolForm::Linie1, "Linie1", "LinieBtn", "Linie", "Linie", Qt::ALT | Qt::Key_L, 16}, mLinie},
    {{&TToolForm::Rechteck1, "Rechteck1", "RechteckBtn", "Rechteck", "Rechteck",
      Qt::ALT | Qt::Key_R, 18},
     mRechteck},
    {{&TToolForm::Pfeil1, "Pfeil1", "PfeilBtn", "Pfeil", "Pfeil", Qt::ALT | Qt::Key_P, 17}, mPfeil},
    {{&TToolForm::Text1, "Text1", "TextBtn", "Text", "Text", Qt::ALT | Qt::Key_T, 23}, mText},
    {{&TToolForm::Haekchen1, "Haekchen1", "HaekchenBtn", "Häkchen", "Häkchen", Qt::ALT | Qt::Key_H,
      24},
     mHaekchen},
    {{&TToolForm::Kreuz1, "Kreuz1", "KreuzBtn", "Kreuz", "Kreuz", Qt::ALT | Qt::Key_K, 25}, mKreuz},
    {{&TToolForm::DoppelPfeil1, "DoppelPfeil1", "DoppelpfeilBtn", "Doppelpfeil", "Doppelpfeil",
      Qt::ALT | Qt::Key_D, 22},
     mDoppelpfeil},
    {{&TToolForm::Ellipse1, "Ellipse1", "EllipseBtn", "Ellipse", "Ellipse", Qt::ALT | Qt::Key_E,
      20},
     mEllipse},
    {{&TToolForm::RechteckGefuellt1, "RechteckGefuellt1", "RechteckGefuelltBtn",
      "gefülltes Rechteck", "Gefülltes Rechteck", AltS | Qt::Key_R, 19},
     mRechteckGefuellt},
    {{&TToolForm::EllipseGefuellt1, "EllipseGefuellt1", "EllipseGefuelltBtn", "gefüllte Ellipse",
      "Gefüllte Ellipse", AltS | Qt::Key_E, 21},
     mEllipseGefuellt},
    {{&TToolForm::Bereich1, "Bereich1", "BereichBtn",
      "Bereich auswählen für Drucken, Speichern, Zwischenablage", "Bereich auswählen",
      Qt::ALT | Qt::Key_B, 26},
     mBereich},
    {{&TToolForm::Lupe1, "Lupe1", "LupeBtn", "Lupe", "Lupe", Qt::ALT | Qt::Key_U, 35}, mLupe},
    {{&TToolForm::Zoom1, "Zoom1", nullptr, "Zoomansicht", "Zoomansicht", Qt::CTRL | Qt::Key_Z, -1},
     mZoom},
}};

inline const std::array<TBefehlEintrag, 12> BefehlTabelle = {{
    {&TToolForm::Auswahlbereich1, "Auswahlbereich1", nullptr, "", "Auswahlbereich...",
     QKeyCombination(Qt::Key_F2), -1},
    {&TToolForm::Hineinzoomen1, "Hineinzoomen1", "ZoomInBtn", "Zoomansicht hineinzoomen",
     "Hineinzoomen", Qt::CTRL | Qt::Key_Plus, 27},
    {&TToolForm::Herauszoomen1, "Herauszoomen1", "ZoomOutBtn", "Zoomansicht herauszoomen",
     "Herauszoomen", Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Slash, 28},
    {&TToolForm::Rckgngig1, "Rckgngig1", "RueckgaengigBtn", "Rückgängig", "Rückgängig",
     Qt::CTRL | Qt::Key_Backspace, 29},
    {&TToolForm::Alleslschen1, "Alleslschen1", "ClearBtn", "Alles löschen", "Alles löschen",
     Qt::CTRL | Qt::Key_Delete, 30},
    {&TToolForm::LeeresBlatt1, "LeeresBlatt1", "BlattBtn", "Leeres Blatt...", "Leeres Blatt",
     Qt::CTRL | Qt::Key_N, 36},
    {&TToolForm::Drucken1, "Drucken1", "DruckBtn", "Drucken", "Drucken...", Qt::CTRL | Qt::Key_P,
     31},
    {&TToolForm::Speichern1, "Speichern1", "SaveBtn", "Speichern...", "Speichern...",
     Qt::CTRL | Qt::Key_S, 32},
    {&TToolForm::AlsEMailversenden1, "AlsEMailversenden1", "EmailBtn", "Als E-Mail versenden...",
     "Als E-Mail versenden...", Qt::CTRL | Qt::Key_M, 37},
    {&TToolForm::IndieZwischenablage1, "IndieZwischenablage1", "ClipBtn",
     "In Zwischenablage kopieren", "In Zwischenablage kopieren", Qt::CTRL | Qt::Key_C, 33},
    {&TToolForm::AusZwischenablage1, "AusZwischenablage1", nullptr, "",
     "Aus Zwischenablage einfügen", Qt::CTRL | Qt::Key_V, 48},
    {&TToolForm::Info1, "Info1", "InfoBtn", "Info / Einstellungen / Hilfe",
     "Info / Einstellungen / Hilfe", QKeyCombination(Qt::Key_F1), 34},
}};

// The entry of a code, or nullptr for a code without one.
inline const TFarbEintrag* Farbeintrag(int32_t FarbMode) {
    for (const TFarbEintrag& e : FarbTabelle)
        if (e.FarbMode == FarbMode) return &e;
    return nullptr;
}
inline const TWerkzeugEintrag* Werkzeugeintrag(int32_t Modus) {
    for (const TWerkzeugEintrag& e : WerkzeugTabelle)
        if (e.Modus == Modus) return &e;
    return nullptr;
}
