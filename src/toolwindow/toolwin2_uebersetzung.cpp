// LoadTranslation: the texts of the tool window, its menus and the dialogs
// from the translation file. One line of the table per key, naming every
// text the key sets; a key shared by a menu item's caption and a button's
// hint sets both on their one action.

#include "app/data.h"
#include "controls/kvxspez.h"
#include "output/druck.h"
#include "overlay/auswahl.h"
#include "platform/uebersetzungsdatei.h"
#include "settings/einstellungen.h"
#include "settings/info.h"
#include "toolwindow/toolwin2.h"
#include "toolwindow/uebersetzung.h"

#include <QAction>
#include <QFileDialog>
#include <QGroupBox>
#include <QMenu>
#include <functional>
#include <optional>
#include <vector>

namespace {

// One text a key sets: reading gives nothing when the text's owner does not
// exist (a dialog not built, a control without that name).
struct TZiel {
    std::function<std::optional<QString>(TToolForm&)> Lesen;
    std::function<void(TToolForm&, const QString&)> Schreiben;
    // A padded group box shows the text framed by one blank on each side.
    bool Gepolstert = false;
};

struct TUebersetzung {
    const char* Key;
    std::vector<TZiel> Ziele;
};

using TAktion = QAction* TToolForm::*;

TZiel Caption(TAktion m) {
    return {[m](TToolForm& F) -> std::optional<QString> {
                if (!(F.*m)) return std::nullopt;
                return (F.*m)->text();
            },
            [m](TToolForm& F, const QString& s) { (F.*m)->setText(s); }};
}

TZiel Hint(TAktion m) {
    return {[m](TToolForm& F) -> std::optional<QString> {
                if (!(F.*m)) return std::nullopt;
                return (F.*m)->toolTip();
            },
            [m](TToolForm& F, const QString& s) { (F.*m)->setToolTip(s); }};
}

// The sheet menu item takes the button's hint as its default.
TZiel CaptionAusHint(TAktion m) {
    TZiel z = Hint(m);
    z.Schreiben = [m](TToolForm& F, const QString& s) { (F.*m)->setText(s); };
    return z;
}

TZiel Menue(QMenu* TToolForm::*m) {
    return {[m](TToolForm& F) -> std::optional<QString> {
                if (!(F.*m)) return std::nullopt;
                return (F.*m)->title();
            },
            [m](TToolForm& F, const QString& s) { (F.*m)->setTitle(s); }};
}

// A menu item created by another part of the window, found by its name.
TZiel MenueEintrag(const char* Name) {
    const QString n = QString::fromUtf8(Name);
    return {[n](TToolForm& F) -> std::optional<QString> {
                if (auto* a = F.findChild<QAction*>(n)) return a->text();
                return std::nullopt;
            },
            [n](TToolForm& F, const QString& s) { F.findChild<QAction*>(n)->setText(s); }};
}

TZiel ZusatzHint(int n) {
    return {[n](TToolForm& F) -> std::optional<QString> {
                if (!F.ZusatzColAktion[n]) return std::nullopt;
                return F.ZusatzColAktion[n]->toolTip();
            },
            [n](TToolForm& F, const QString& s) { F.ZusatzColAktion[n]->setToolTip(s); }};
}

TZiel Tabelle(std::array<QString, 2>& T, int i) {
    return {[&T, i](TToolForm&) -> std::optional<QString> { return T[i]; },
            [&T, i](TToolForm&, const QString& s) { T[i] = s; }};
}

// A dialog's caption; Form is the process-wide instance.
template <class T> TZiel Titel(T*& Form) {
    return {[&Form](TToolForm&) -> std::optional<QString> {
                if (!Form) return std::nullopt;
                return Form->windowTitle();
            },
            [&Form](TToolForm&, const QString& s) { Form->setWindowTitle(s); }};
}

// The text of a dialog's control, found by its name: a group box's title,
// any other control's "text".
const char* TextEigenschaft(QWidget* w) {
    return qobject_cast<QGroupBox*>(w) ? "title" : "text";
}

template <class T> TZiel Steuer(T*& Form, const char* Name, bool Gepolstert = false) {
    const QString n = QString::fromUtf8(Name);
    return {[&Form, n](TToolForm&) -> std::optional<QString> {
                QWidget* w = Form ? Form->template findChild<QWidget*>(n) : nullptr;
                if (!w) return std::nullopt;
                return w->property(TextEigenschaft(w)).toString();
            },
            [&Form, n](TToolForm&, const QString& s) {
                QWidget* w = Form->template findChild<QWidget*>(n);
                w->setProperty(TextEigenschaft(w), s);
            },
            Gepolstert};
}

// The save dialog's title and filter wait in the tool window until the
// dialog is made; a dialog already made takes them at once.
TZiel SaveBMPTitel() {
    return {[](TToolForm& F) -> std::optional<QString> { return F.SaveBMPTitel; },
            [](TToolForm& F, const QString& s) {
                F.SaveBMPTitel = s;
                if (QFileDialog* d = F.SaveBMPGemacht) d->setWindowTitle(s);
            }};
}

// An empty filter lets the dialog offer every file.
TZiel SaveBMPFilter() {
    return {[](TToolForm& F) -> std::optional<QString> { return F.SaveBMPFilter; },
            [](TToolForm& F, const QString& s) {
                F.SaveBMPFilter = s;
                if (QFileDialog* d = F.SaveBMPGemacht) d->setNameFilters(DialogFilter(s));
            }};
}

using T = TToolForm;

const std::vector<TUebersetzung>& Tabelle() {
    static const std::vector<TUebersetzung> t = {
        {"btn_start", {Tabelle(StartFertigCaption, 0)}},
        {"btn_fertig", {Tabelle(StartFertigCaption, 1)}},
        {"btn_starthint", {Tabelle(StartFertigHint, 0)}},
        {"btn_fertighint", {Tabelle(StartFertigHint, 1)}},
        {"btn_groesse", {Menue(&T::Strichdicke1)}},
        {"btn_groesse1", {Hint(&T::Dicke1)}},
        {"btn_groesse2", {Hint(&T::Dicke2)}},
        {"btn_groesse3", {Hint(&T::Dicke3)}},
        {"btn_groesse4", {Hint(&T::Dicke4)}},
        {"btn_farbe", {Menue(&T::Farbe1)}},
        {"btn_transrot", {Caption(&T::MarkCol1), Hint(&T::MarkCol1)}},
        {"btn_transgelb", {Caption(&T::MarkCol2), Hint(&T::MarkCol2)}},
        {"btn_transgruen", {Caption(&T::MarkCol3), Hint(&T::MarkCol3)}},
        {"btn_transblau", {Caption(&T::MarkCol4), Hint(&T::MarkCol4)}},
        {"btn_deckrot", {Caption(&T::DeckCol1), Hint(&T::DeckCol1)}},
        {"btn_deckgelb", {Caption(&T::DeckCol2), Hint(&T::DeckCol2)}},
        {"btn_deckgruen", {Caption(&T::DeckCol3), Hint(&T::DeckCol3)}},
        {"btn_deckblau", {Caption(&T::DeckCol4), Hint(&T::DeckCol4)}},
        {"btn_deckweiss", {Caption(&T::DeckCol5), Hint(&T::DeckCol5)}},
        {"btn_deckschwarz", {Caption(&T::DeckCol6), Hint(&T::DeckCol6)}},
        {"btn_stift", {Caption(&T::Stift1), Hint(&T::Stift1)}},
        {"btn_radiergummi", {Caption(&T::Radiergummi1), Hint(&T::Radiergummi1)}},
        {"btn_linie", {Caption(&T::Linie1), Hint(&T::Linie1)}},
        {"btn_pfeil", {Caption(&T::Pfeil1), Hint(&T::Pfeil1)}},
        {"btn_doppelpfeil", {Caption(&T::DoppelPfeil1), Hint(&T::DoppelPfeil1)}},
        {"btn_rechteck", {Caption(&T::Rechteck1), Hint(&T::Rechteck1)}},
        {"btn_rechteckgefuellt", {Caption(&T::RechteckGefuellt1), Hint(&T::RechteckGefuellt1)}},
        {"btn_ellipse", {Caption(&T::Ellipse1), Hint(&T::Ellipse1)}},
        {"btn_ellipsegefuellt", {Caption(&T::EllipseGefuellt1), Hint(&T::EllipseGefuellt1)}},
        {"btn_text", {Caption(&T::Text1), Hint(&T::Text1)}},
        {"btn_haekchen", {Caption(&T::Haekchen1), Hint(&T::Haekchen1)}},
        {"btn_kreuz", {Caption(&T::Kreuz1), Hint(&T::Kreuz1)}},
        {"btn_bereich", {Caption(&T::Bereich1), Hint(&T::Bereich1)}},
        {"btn_bereichdlg", {Caption(&T::Auswahlbereich1)}},
        {"btn_lupe", {Caption(&T::Lupe1), Hint(&T::Lupe1)}},
        {"btn_zoomansicht", {Caption(&T::Zoom1)}},
        {"btn_hineinzoomen", {Caption(&T::Hineinzoomen1), Hint(&T::Hineinzoomen1)}},
        {"btn_herauszoomen", {Caption(&T::Herauszoomen1), Hint(&T::Herauszoomen1)}},
        {"btn_rueckgaengig", {Caption(&T::Rckgngig1), Hint(&T::Rckgngig1)}},
        {"btn_loeschen", {Caption(&T::Alleslschen1), Hint(&T::Alleslschen1)}},
        {"btn_drucken", {Caption(&T::Drucken1), Hint(&T::Drucken1)}},
        {"btn_speichern", {Caption(&T::Speichern1), Hint(&T::Speichern1)}},
        {"btn_email", {Caption(&T::AlsEMailversenden1), Hint(&T::AlsEMailversenden1)}},
        {"btn_zwischenablage", {Caption(&T::IndieZwischenablage1), Hint(&T::IndieZwischenablage1)}},
        {"btn_auszwischenablage",
         {Caption(&T::AusZwischenablageeinfuegen1), Caption(&T::AusZwischenablage1)}},
        {"btn_info", {Caption(&T::Info1), Hint(&T::Info1)}},
        {"btn_blatt", {CaptionAusHint(&T::LeeresBlatt1), Hint(&T::LeeresBlatt1)}},
        {"btn_blattaktuell", {Caption(&T::AktuellesBild)}},
        {"btn_blattweiss", {Caption(&T::WeiesBlatt1)}},
        {"btn_blattschwarz", {Caption(&T::SchwarzesBlatt1)}},
        {"btn_blattkariert", {Caption(&T::KariertesBlatt1)}},
        {"btn_blattpunktraster", {Caption(&T::KleineKreuze1)}},
        {"btn_blattlinien", {Caption(&T::LiniertesBlatt1)}},
        {"btn_zusatzfarbe1", {ZusatzHint(1)}},
        {"btn_zusatzfarbe2", {ZusatzHint(2)}},
        {"btn_zusatzfarbe3", {ZusatzHint(3)}},
        {"btn_zusatzfarbe4", {ZusatzHint(4)}},
        {"btn_zusatzfarbe5", {ZusatzHint(5)}},
        {"btn_zusatzfarbe6", {ZusatzHint(6)}},
        {"btn_zusatzfarbe7", {ZusatzHint(7)}},
        {"btn_zusatzfarbe8", {ZusatzHint(8)}},
        {"btn_zusatzfarbe9", {ZusatzHint(9)}},
        {"btn_zusatzfarbe10", {ZusatzHint(10)}},
        {"menue_speichern_speichernunter", {MenueEintrag("Speichernunter1")}},
        {"menue_speichern_pngscreenshot", {MenueEintrag("AlsPNGScreenshotSpeichern")}},
        {"menue_speichern_jpgscreenshot", {MenueEintrag("AlsJPGScreenshotSpeichern")}},
        {"menue_speichern_screenshotoeffnen", {MenueEintrag("ScreenshotOrdnerOeffnen1")}},
        {"menue_email_pngversenden", {MenueEintrag("EmailPNGMenuItem")}},
        {"menue_email_jpgversenden", {MenueEintrag("EmailJPGMenuItem")}},
        {"menue_email_emailscreenshotoeffnen", {MenueEintrag("EMailProgrammOeffnen1")}},
        {"speichern_bildschirmspeichern", {SaveBMPTitel()}},
        {"speichern_filter", {SaveBMPFilter()}},
        {"druck_bildschirmdrucken", {Titel(DruckForm)}},
        {"druck_positiongroesse", {Steuer(DruckForm, "PosGroupBox", true)}},
        {"druck_druckenbtn", {Steuer(DruckForm, "DruckBtn")}},
        {"druck_abbrechenbtn", {Steuer(DruckForm, "AbbrBtn")}},
        {"druck_einstellungenbtn", {Steuer(DruckForm, "DrEinrBtn")}},
        {"druck_drucker", {Steuer(DruckForm, "DruckerGroupBox", true)}},
        {"druck_links", {Steuer(DruckForm, "LiRandLab")}},
        {"druck_oben", {Steuer(DruckForm, "ObRandLab")}},
        {"druck_breite", {Steuer(DruckForm, "BreiteLab")}},
        {"druck_hoehe", {Steuer(DruckForm, "HoeheLab")}},
        {"druck_seitenverhaeltnis", {Steuer(DruckForm, "SeitRatio")}},
        {"info_hilfebtn", {Steuer(InfoBox, "HilfeBtn")}},
        {"info_einstellungenbtn", {Steuer(InfoBox, "EinstellBtn")}},
        {"info_schliessenbtn", {Steuer(InfoBox, "OkBtn")}},
        {"einstellungen_einstellungen", {Titel(EinstellungenForm)}},
        {"einstellungen_mauszeiger", {Steuer(EinstellungenForm, "GroupBox1", true)}},
        {"einstellungen_mauszeigernormal", {Steuer(EinstellungenForm, "RadioMauszeiger1")}},
        {"einstellungen_mauszeigeraus", {Steuer(EinstellungenForm, "RadioMauszeiger2")}},
        {"einstellungen_startende", {Steuer(EinstellungenForm, "GroupBox2", true)}},
        {"einstellungen_autostart", {Steuer(EinstellungenForm, "AutoOpenCheck")}},
        {"einstellungen_autoende", {Steuer(EinstellungenForm, "AutoCloseCheck")}},
        {"einstellungen_zoomansicht", {Steuer(EinstellungenForm, "GroupBox3", true)}},
        {"einstellungen_mausradzoom", {Steuer(EinstellungenForm, "MausradZoomCheck")}},
        {"einstellungen_autoscreenshot", {Steuer(EinstellungenForm, "GroupBox4", true)}},
        {"einstellungen_autoscreenshotfertig", {Steuer(EinstellungenForm, "AutoScreenshotCheck")}},
        {"einstellungen_multimonitor", {Steuer(EinstellungenForm, "GroupBox5", true)}},
        {"einstellungen_monitorstart", {Steuer(EinstellungenForm, "RadioScreen0")}},
        {"einstellungen_monitor1", {Steuer(EinstellungenForm, "RadioScreen1")}},
        {"einstellungen_monitor2", {Steuer(EinstellungenForm, "RadioScreen2")}},
        {"einstellungen_ordner", {Steuer(EinstellungenForm, "GroupBox7", true)}},
        {"einstellungen_screenshotordner", {Steuer(EinstellungenForm, "ScreenshotOrdnerLab")}},
        {"einstellungen_emailordner", {Steuer(EinstellungenForm, "EmailOrdnerLab")}},
        {"einstellungen_buttongroesse", {Steuer(EinstellungenForm, "GroupBox6", true)}},
        {"einstellungen_buttonbreite", {Steuer(EinstellungenForm, "ToolSizeXLab")}},
        {"einstellungen_buttonhoehe", {Steuer(EinstellungenForm, "ToolSizeYLab")}},
        {"einstellungen_okbtn", {Steuer(EinstellungenForm, "OkBtn")}},
        {"einstellungen_abbrechenbtn", {Steuer(EinstellungenForm, "AbbrBtn")}},
        {"einstellungen_zusatzfarben", {Steuer(EinstellungenForm, "GroupBox8")}},
        {"einstellungen_anzahlzusatzfarben", {Steuer(EinstellungenForm, "AnzZusatzFarbenLab")}},
        {"auswahl_auswahlbereich", {Titel(AuswahlForm)}},
        {"auswahl_positiongroesse", {Steuer(AuswahlForm, "GroupBox1", true)}},
        {"auswahl_links", {Steuer(AuswahlForm, "LinksLab")}},
        {"auswahl_oben", {Steuer(AuswahlForm, "ObenLab")}},
        {"auswahl_breite", {Steuer(AuswahlForm, "BreiteLab")}},
        {"auswahl_hoehe", {Steuer(AuswahlForm, "HoeheLab")}},
        {"auswahl_okbtn", {Steuer(AuswahlForm, "OkBtn")}},
        {"auswahl_loeschenbtn", {Steuer(AuswahlForm, "LoeschenBtn")}},
        {"auswahl_abbrechenbtn", {Steuer(AuswahlForm, "AbbrechenBtn")}},
    };
    return t;
}

} // namespace

QString TranslateText(const TUebersetzungsDatei& Datei, const QString& Key,
                      const QString& Current) {
    return Datei.Lesen(UebersetzungsSektion, Key).value_or(Trim(Current));
}

QStringList UebersetzungsKeys() {
    QStringList Keys;
    for (const TUebersetzung& u : Tabelle())
        Keys << QString::fromUtf8(u.Key);
    return Keys;
}

void TToolForm::LoadTranslation() {
    const auto Datei = TUebersetzungsDatei::Oeffnen(ProgramDir + UebersetzungsDateiName);
    if (!Datei) return;
    for (const TUebersetzung& u : Tabelle()) {
        const QString Key = QString::fromUtf8(u.Key);
        for (const TZiel& z : u.Ziele) {
            const std::optional<QString> Current = z.Lesen(*this);
            if (!Current) continue;
            const QString Text = TranslateText(*Datei, Key, *Current);
            z.Schreiben(*this, z.Gepolstert ? u' ' + Text + u' ' : Text);
        }
    }
    UpdateStartFertigBtn();
}
