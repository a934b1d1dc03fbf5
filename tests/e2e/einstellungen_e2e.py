"""Stored settings on a real X server under openbox: colour and width chosen
on the overlay survive closing and restarting, the stored monitor choice,
opening by itself at start, and a killed program leaving the store alone."""

import configparser
import os
import signal
import time

from e2e import Bild, Sitzung, Skribano, pruefe, rechteck_abweichungen, warte_bis

B, H = 1280, 800
GRUEN, BLAU = (0, 255, 0), (0, 0, 255)
STRICH_Y, STRICH_X0, STRICH_X1 = 400, 300, 700


def _konfig_pfad(app):
    return os.path.join(app.env["XDG_CONFIG_HOME"], "Quorvel", "Skribano.conf")


def _schreibe_konfig(app, werte):
    pfad = _konfig_pfad(app)
    os.makedirs(os.path.dirname(pfad), exist_ok=True)
    with open(pfad, "w") as f:
        f.write("[General]\n")
        for k, v in werte.items():
            f.write("%s=%s\n" % (k, v))


def _lies_konfig(app):
    k = configparser.ConfigParser(interpolation=None)
    k.optionxform = str
    pruefe(k.read(_konfig_pfad(app)) == [_konfig_pfad(app)], "Einstellungsdatei fehlt")
    return dict(k["General"])


def _zeichenmodus(app, rect):
    oid, _ = app.zeichenmodus(rect)
    return oid


def _beenden_mit_schliessen(app):
    app.s.schliessen(app.werkzeug)
    code = app.warte_auf_ende(20, "Schließen des Werkzeugfensters")
    pruefe(code == 0, "Programm endet nach Schließen ohne Fehler:\n" + app.ausgabe())


def _strich_pruefen(app, vorher, farbe, dicke):
    """Draws a horizontal pen stroke and checks every column of its middle:
    one run of exactly farbe, dicke +- 1 pixels high, around the stroke's
    line, and nothing else changed beside the tool window."""
    s = app.s
    s.ziehen([(x, STRICH_Y) for x in range(STRICH_X0, STRICH_X1 + 1, 10)])
    # The pen mark follows the pointer; park it far from the stroke.
    s.zeiger_nach(1000, 700)
    y0, y1 = STRICH_Y - 3 * dicke, STRICH_Y + 3 * dicke
    jetzt = warte_bis(lambda: _mit_strich(s, vorher, dicke), text="Strich erscheint")
    for x in range(STRICH_X0 + dicke, STRICH_X1 - dicke):
        geaendert = [y for y in range(y0, y1) if jetzt.pixel(x, y) != vorher.pixel(x, y)]
        pruefe(geaendert, "Spalte %d: kein Strich" % x)
        oben, unten = geaendert[0], geaendert[-1]
        pruefe(len(geaendert) == unten - oben + 1, "Spalte %d: Strich mit Lücke %s" % (x, geaendert))
        pruefe(abs(len(geaendert) - dicke) <= 1 and oben <= STRICH_Y <= unten,
               "Spalte %d: Strich von %d bis %d, erwartet %d Pixel um %d" %
               (x, oben, unten, dicke, STRICH_Y))
        falsch = [(y, jetzt.pixel(x, y)) for y in geaendert if jetzt.pixel(x, y) != farbe]
        pruefe(not falsch, "Spalte %d: Farbe %s statt %s" % (x, falsch[:3], farbe))
    n, erstes = rechteck_abweichungen(jetzt, vorher, (0, 0, B, y0), [app.werkzeug_rahmen()])
    pruefe(n == 0, "Über dem Strich unverändert: %d, erste %s" % (n, erstes))
    n, erstes = rechteck_abweichungen(jetzt, vorher, (0, y1, B, 200), [app.werkzeug_rahmen()])
    pruefe(n == 0, "Unter dem Strich unverändert: %d, erste %s" % (n, erstes))


def _mit_strich(s, vorher, dicke):
    # Both ends of the checked part are there: the program is through with it.
    jetzt = s.bildschirm()
    enden = (STRICH_X0 + dicke, STRICH_X1 - dicke - 1)
    return jetzt if all(jetzt.pixel(x, STRICH_Y) != vorher.pixel(x, STRICH_Y) for x in enden) else None


def farbe_dicke_bleiben(display):
    with Sitzung(display, B, H) as s:
        vorher = Bild.muster(B, H, 10)
        s.zeige_hintergrund(vorher)
        app = Skribano(s).starten()
        overlay = _zeichenmodus(app, (0, 0, B, H))
        # The choice is made with the keys on the overlay itself.
        s.taste(overlay, "shift+alt+3")
        s.taste(overlay, "ctrl+4")
        _strich_pruefen(app, vorher, GRUEN, 21)
        _beenden_mit_schliessen(app)
        werte = _lies_konfig(app)
        pruefe(werte.get("StiftdickeMode") == "4" and werte.get("FarbMode") == "13",
               "Gespeichert: StiftdickeMode=%s FarbMode=%s" %
               (werte.get("StiftdickeMode"), werte.get("FarbMode")))

        s.zeige_hintergrund(vorher)
        neu = Skribano(s).starten()
        _zeichenmodus(neu, (0, 0, B, H))
        _strich_pruefen(neu, vorher, GRUEN, 21)


def _monitorwahl(display, monitor_mode):
    # Whichever monitor the tool window is on, the stored choice decides.
    links, rechts = (0, 0, B, H), (B, 0, B, H)
    erwartet, anderer = (links, rechts) if monitor_mode == 1 else (rechts, links)
    with Sitzung(display, 2 * B, H, monitore=[links, rechts]) as s:
        bild = Bild.muster(2 * B, H, 11)
        s.zeige_hintergrund(bild)
        app = Skribano(s)
        _schreibe_konfig(app, {"MonitorMode": monitor_mode})
        app.starten()
        for i, ort in enumerate(((B - 200, 100), (B + 600, 300))):
            s.xdotool("windowmove", "--sync", app.werkzeug, *ort)
            warte_bis(lambda: _abstand(app.werkzeug_rahmen(), ort) < 40,
                      text="Werkzeugfenster nach %s verschoben" % (ort,))
            _zeichenmodus(app, erwartet)
            neu = Bild.muster(2 * B, H, 12 + i)
            s.zeige_hintergrund_ohne_warten(neu)
            werkzeug = app.werkzeug_rahmen()
            schirm = warte_bis(lambda: _frei(s, neu, anderer, werkzeug),
                               text="Monitor %s zeigt das neue Bild" % (anderer,))
            n, erstes = rechteck_abweichungen(schirm, bild, erwartet, [werkzeug])
            pruefe(n == 0, "Werkzeug bei %s: Monitor %s eingefroren: %d, erste %s" %
                   (ort, erwartet, n, erstes))
            app.start_fertig_klicken()
            app.warte_ohne_overlay()
            bild = neu


def _abstand(rahmen, ort):
    return abs(rahmen[0] - ort[0]) + abs(rahmen[1] - ort[1])


def _frei(s, neu, rect, ausser):
    schirm = s.bildschirm()
    return schirm if _gleich(schirm, neu, rect, ausser) else None


def _gleich(a, b, rect, ausser):
    """Whether rect is the same in a and b outside the rectangle ausser;
    compares whole row pieces, so a picture still changing costs little."""
    x0, y0, w, h = rect
    ax, ay, aw, ah = ausser
    for y in range(y0, y0 + h):
        stuecke = [(x0, w)]
        if ay <= y < ay + ah:
            links, rechts = max(x0, ax), min(x0 + w, ax + aw)
            if links < rechts:
                stuecke = [(x0, links - x0), (rechts, x0 + w - rechts)]
        for x, breite in stuecke:
            if a.ausschnitt_zeile(x, y, breite) != b.ausschnitt_zeile(x, y, breite):
                return False
    return True


def monitor_erster(display):
    _monitorwahl(display, 1)


def monitor_zweiter(display):
    _monitorwahl(display, 2)


def _aktives_fenster(s):
    out = s.befehl("xprop", "-root", "_NET_ACTIVE_WINDOW")
    return int(out.split("#", 1)[1].split(",")[0], 16) if "#" in out else 0


def auto_open(display):
    with Sitzung(display, B, H) as s:
        vorher = Bild.muster(B, H, 14)
        s.zeige_hintergrund(vorher)
        app = Skribano(s)
        _schreibe_konfig(app, {"AutoOpen": 1})
        app.starten()
        # No click and no key: the program starts drawing mode by itself.
        app.warte_auf_overlay((0, 0, B, H))
        warte_bis(lambda: app.werkzeug_geometrie()[3] > Skribano.START_HOEHE,
                  text="Werkzeugfenster zeigt die Werkzeugleiste")
        s.zeige_hintergrund_ohne_warten(Bild.muster(B, H, 15))
        time.sleep(0.5)
        n, erstes = rechteck_abweichungen(s.bildschirm(), vorher, (0, 0, B, H),
                                          [app.werkzeug_rahmen()])
        pruefe(n == 0, "Eingefrorenes Bild: %d Abweichungen, erste %s" % (n, erstes))
        app.start_fertig_klicken()
        app.warte_ohne_overlay()

        # Another window takes the focus, then the tool window gets it back:
        # a later activation does not open drawing mode again.
        anderes = os.path.join(s.ordner, "anderes.ppm")
        Bild.muster(200, 150, 16).speichere_ppm(anderes)
        s.starte(["display", "-title", "Fremd", "-geometry", "+200+200", anderes])
        fremd = warte_bis(lambda: s.befehl("xdotool", "search", "--onlyvisible", "--name", "^Fremd$",
                                           pruefen=False).split(),
                          text="Fremdes Fenster erscheint")[0]
        for ziel in (fremd, app.werkzeug, fremd, app.werkzeug):
            s.xdotool("windowactivate", "--sync", ziel)
            warte_bis(lambda: _aktives_fenster(s) == int(ziel),
                      text="Fenster %s ist aktiv" % ziel)
        time.sleep(1.5)
        pruefe(app.overlay() is None, "Spätere Aktivierung öffnet den Zeichenmodus nicht")
        pruefe(app.werkzeug_geometrie()[3] == Skribano.START_HOEHE, "Werkzeugfenster bereit")


def kill_behaelt_alte_werte(display):
    with Sitzung(display, B, H) as s:
        vorher = Bild.muster(B, H, 17)
        s.zeige_hintergrund(vorher)
        app = Skribano(s)
        _schreibe_konfig(app, {"StiftdickeMode": 2, "FarbMode": 14})
        with open(_konfig_pfad(app), "rb") as f:
            gespeichert = f.read()
        app.starten()
        overlay = _zeichenmodus(app, (0, 0, B, H))
        s.taste(overlay, "shift+alt+1")
        s.taste(overlay, "ctrl+4")
        _strich_pruefen(app, vorher, (255, 0, 0), 21)
        os.kill(app.p.pid, signal.SIGKILL)
        app.p.wait(timeout=10)
        with open(_konfig_pfad(app), "rb") as f:
            pruefe(f.read() == gespeichert, "Einstellungsdatei unverändert nach kill -9")

        s.zeige_hintergrund(vorher)
        neu = Skribano(s).starten()
        _zeichenmodus(neu, (0, 0, B, H))
        _strich_pruefen(neu, vorher, BLAU, 7)
