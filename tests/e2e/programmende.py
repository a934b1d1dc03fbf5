"""How the program ends on a real X server under openbox: a logout's signals
end it the normal way, a settings file that cannot be written is reported,
a damaged or odd settings file costs nothing else."""

import os
import signal
import stat
import time

from bilddateien import png_bild
from e2e import Bild, Sitzung, Skribano, pruefe, warte_bis
from einstellungen_e2e import (STRICH_X0, STRICH_X1, STRICH_Y, _beenden_mit_schliessen,
                               _konfig_pfad, _lies_konfig, _schreibe_konfig, _strich_pruefen,
                               _zeichenmodus)

B, H = 1280, 800
GRUEN = (0, 255, 0)


def _sperren(app):
    ordner = app.env["XDG_RUNTIME_DIR"]
    return [n for n in os.listdir(ordner) if n.startswith("NoMultiMutex")]


def _signal_beendet(app, nummer):
    """Sends the signal and returns the seconds until the program ended."""
    pruefe(_sperren(app), "Die Sperre liegt, solange das Programm läuft")
    anfang = time.monotonic()
    os.kill(app.p.pid, nummer)
    code = app.warte_auf_ende(20, "Signal %d" % nummer)
    dauer = time.monotonic() - anfang
    pruefe(code == 0, "Nach Signal %d endet das Programm normal (Code %s):\n%s" %
           (nummer, code, app.ausgabe()))
    pruefe(not _sperren(app), "Die Sperre ist freigegeben: %s" % _sperren(app))
    return dauer


def sigterm_speichert(display):
    with Sitzung(display, B, H) as s:
        s.zeige_hintergrund(Bild.muster(B, H, 20))
        app = Skribano(s).starten()
        overlay = _zeichenmodus(app, (0, 0, B, H))
        s.taste(overlay, "ctrl+4")
        # The window manager is slow to tell; the program has the key at once.
        time.sleep(0.3)
        dauer = _signal_beendet(app, signal.SIGTERM)
        print("Ende nach SIGTERM in %.2f s" % dauer)
        pruefe(dauer < 1.0, "Ende nach SIGTERM in %.2f s" % dauer)
        pruefe(_lies_konfig(app).get("StiftdickeMode") == "4", "StiftdickeMode gespeichert")


def sighup_im_zeichenmodus(display):
    # A logout in drawing mode ends it as "Fertig" would: the automatic
    # screenshot holds the drawing, and the settings are stored.
    with Sitzung(display, B, H) as s:
        vorher = Bild.muster(B, H, 21)
        s.zeige_hintergrund(vorher)
        app = Skribano(s)
        os.makedirs(app.env["XDG_CONFIG_HOME"])
        with open(os.path.join(app.env["XDG_CONFIG_HOME"], "user-dirs.dirs"), "w") as f:
            f.write('XDG_DOCUMENTS_DIR="$HOME/Dokumente"\n')
        ordner = os.path.join(app.env["HOME"], "Dokumente", "Skribano", "Bilder")
        _schreibe_konfig(app, {"AutoScreenshot": 1, "FarbMode": 13,
                               "ScreenshotDir": "%docdir%\\\\Skribano\\\\Bilder"})
        app.starten()
        overlay = _zeichenmodus(app, (0, 0, B, H))
        s.taste(overlay, "ctrl+1")
        _strich_pruefen(app, vorher, GRUEN, 3)
        dauer = _signal_beendet(app, signal.SIGHUP)
        print("Ende nach SIGHUP in %.2f s" % dauer)
        pruefe(dauer < 1.0, "Ende nach SIGHUP in %.2f s" % dauer)
        werte = _lies_konfig(app)
        pruefe(werte.get("StiftdickeMode") == "1" and werte.get("AutoScreenshot") == "1",
               "Gespeichert: %s" % werte)
        namen = os.listdir(ordner) if os.path.isdir(ordner) else []
        pruefe(len(namen) == 1 and namen[0].endswith("-001.png"), "Ein Screenshot: %s" % namen)
        _pruefe_strich_im_bild(png_bild(os.path.join(ordner, namen[0])), vorher, 3)


def _pruefe_strich_im_bild(bild, vorher, dicke):
    """The stored picture is the frozen one with the stroke, and nothing of
    the tool window or the pen's mark."""
    pruefe((bild.breite, bild.hoehe) == (B, H), "Größe %dx%d" % (bild.breite, bild.hoehe))
    y0, y1 = STRICH_Y - 3 * dicke, STRICH_Y + 3 * dicke
    for y in list(range(0, y0)) + list(range(y1, H)):
        pruefe(bild.ausschnitt_zeile(0, y, B) == vorher.ausschnitt_zeile(0, y, B),
               "Zeile %d wie vorher" % y)
    falsch = [x for x in range(STRICH_X0 + dicke, STRICH_X1 - dicke)
              if bild.pixel(x, STRICH_Y) != GRUEN]
    pruefe(not falsch, "Strich in Zeile %d, falsch in den Spalten %s" % (STRICH_Y, falsch[:5]))


def _vorbereiten(s, saat):
    """The frozen picture to be, the program not yet started, and its
    settings file's path with the folder made."""
    vorher = Bild.muster(B, H, saat)
    s.zeige_hintergrund(vorher)
    app = Skribano(s)
    pfad = _konfig_pfad(app)
    os.makedirs(os.path.dirname(pfad))
    return vorher, app, pfad


def _fehlerbox_beantworten(app, text):
    """Waits for the program's error box with text, answers it and returns
    the program's exit code."""
    s = app.s
    warte_bis(lambda: text in app.ausgabe(), text="Meldung: " + text)
    box = warte_bis(lambda: [i for i in s.fenster(app.p.pid) if i != app.werkzeug],
                    text="Meldungsfenster erscheint")
    pruefe(app.p.poll() is None, "Die Meldung wartet auf OK")
    s.taste(box[0], "Return")
    return app.warte_auf_ende(20, "Meldung mit OK beantwortet")


def _schliessen_ohne_warten(app):
    app.s.schliessen(app.werkzeug)


def schreibfehler_gemeldet(display):
    # A folder in place of the settings file: it cannot be replaced.
    with Sitzung(display, B, H) as s:
        s.zeige_hintergrund(Bild.muster(B, H, 22))
        app = Skribano(s)
        pfad = _konfig_pfad(app)
        os.makedirs(os.path.join(pfad, "inhalt"))
        app.starten()
        _zeichenmodus(app, (0, 0, B, H))
        app.start_fertig_klicken()
        app.warte_ohne_overlay()
        _schliessen_ohne_warten(app)
        code = _fehlerbox_beantworten(app, "Die Einstellungen wurden nicht gespeichert: „%s“"
                                      % pfad)
        pruefe(code == 0, "Programm endet nach der Meldung normal (Code %s)" % code)
        pruefe(os.path.isdir(os.path.join(pfad, "inhalt")), "Der Ordner bleibt unverändert")


def beschaedigte_erste_zeile(display):
    # An unterminated quote on the first line costs only its own value.
    with Sitzung(display, B, H) as s:
        vorher, app, pfad = _vorbereiten(s, 23)
        spaeter = {"StiftdickeMode": "4", "FarbMode": "13", "AnzZusatzCol": "4",
                   "EmailDir": "/post/fach", "MausradZoom": "0", "ZusatzCol3": "255",
                   "Drucken-Breite": "12.5"}
        with open(pfad, "w") as f:
            f.write('ScreenshotDir="C:\\\\Bilder\n[General]\n')
            for k, v in spaeter.items():
                f.write("%s=%s\n" % (k, v))
        app.starten()
        _zeichenmodus(app, (0, 0, B, H))
        _strich_pruefen(app, vorher, GRUEN, 21)
        _beenden_mit_schliessen(app)
        werte = _lies_konfig(app)
        for k, v in spaeter.items():
            pruefe(werte.get(k) == v, "%s nach Start und Ende: %s statt %s" % (k, werte.get(k), v))
        pruefe(werte.get("ScreenshotDir") == "%docdir%\\\\Skribano\\\\Screenshots",
               "Der beschädigte Wert ist wieder der Anfangswert: %s" % werte.get("ScreenshotDir"))


def fifo_als_einstellungsdatei(display):
    with Sitzung(display, B, H) as s:
        vorher, app, pfad = _vorbereiten(s, 24)
        os.mkfifo(pfad)
        app.starten()
        overlay = _zeichenmodus(app, (0, 0, B, H))
        s.taste(overlay, "ctrl+4")
        s.taste(overlay, "shift+alt+3")
        _strich_pruefen(app, vorher, GRUEN, 21)
        app.start_fertig_klicken()
        app.warte_ohne_overlay()
        _schliessen_ohne_warten(app)
        code = _fehlerbox_beantworten(app, "„%s“ ist keine gewöhnliche Datei" % pfad)
        pruefe(code == 0, "Programm endet nach der Meldung normal (Code %s)" % code)
        pruefe(stat.S_ISFIFO(os.stat(pfad).st_mode), "Die FIFO bleibt, was sie war")
