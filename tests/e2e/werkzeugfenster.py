"""The tool window's layout on the real program: client sizes for the stored
button size and number of extra colours, an extra colour's button and
stroke, a start without any window manager, a window that grows near the
screen's edge, the window title and a prompt end."""

import time

from e2e import Bild, Sitzung, Skribano, pruefe, warte_bis
from einstellungen_e2e import _schreibe_konfig, _strich_pruefen

B, H = 1280, 800


def _groessen(display, konfig, bereit, zeichnen):
    with Sitzung(display, B, H) as s:
        s.zeige_hintergrund(Bild.muster(B, H, 30))
        app = Skribano(s)
        _schreibe_konfig(app, konfig)
        app.starten()
        warte_bis(lambda: app.werkzeug_geometrie()[2:] == bereit,
                  text="Bereit: Client %s, ist %s" % (bereit, app.werkzeug_geometrie()[2:]))
        app.zeichenmodus((0, 0, B, H))
        warte_bis(lambda: app.werkzeug_geometrie()[2:] == zeichnen,
                  text="Zeichnen: Client %s, ist %s" % (zeichnen, app.werkzeug_geometrie()[2:]))
        return s, app, s.bildschirm()


def groesse_grundeinstellung(display):
    _groessen(display, {}, (52, 27), (52, 518))


def groesse_zehn_zusatzfarben(display):
    _groessen(display, {"AnzZusatzCol": 10}, (52, 27), (52, 638))


def groesse_knopfbreite_vierzig(display):
    with Sitzung(display, B, H) as s:
        s.zeige_hintergrund(Bild.muster(B, H, 31))
        app = Skribano(s)
        _schreibe_konfig(app, {"WerkzeugGroesseX": 40})
        app.starten()
        warte_bis(lambda: app.werkzeug_geometrie()[2:] == (82, 27),
                  text="Bereit: Client 82 x 27, ist %s" % (app.werkzeug_geometrie()[2:],))
        x, y, w, h = app.werkzeug_geometrie()
        # The Start button fills the client width: its left and right edges
        # are the same frame lines, and its face runs through to both.
        bild = s.bildschirm()
        links = [bild.pixel(x, y + i) for i in range(2, 25)]
        rechts = [bild.pixel(x + 81, y + i) for i in range(2, 25)]
        pruefe(links == rechts, "Start-Knopf 82 breit: Ränder %s / %s" % (links[:3], rechts[:3]))
        pruefe(bild.pixel(x + 80, y + 13) == bild.pixel(x + 1, y + 13),
               "Knopffläche bis zum rechten Rand")
        app.zeichenmodus((0, 0, B, H))
        warte_bis(lambda: app.werkzeug_geometrie()[2:] == (82, 518),
                  text="Zeichnen: Client 82 x 518, ist %s" % (app.werkzeug_geometrie()[2:],))


def zusatzfarbe_strich(display):
    with Sitzung(display, B, H) as s:
        vorher = Bild.muster(B, H, 32)
        s.zeige_hintergrund(vorher)
        app = Skribano(s)
        _schreibe_konfig(app, {"AnzZusatzCol": 2})
        app.starten()
        app.zeichenmodus((0, 0, B, H))
        x, y, w, h = app.werkzeug_geometrie()
        # ZusatzCol1Btn: left in the row below the fixed colours, at
        # 28 + 9 + 7 x 24 + 8 ... = y 205 of the client.
        mx, my = x + 1 + 12, y + 28 + 57 + 5 * 24 + 12
        s.zeiger_nach(mx, my + 30)
        farbe = s.bildschirm().pixel(mx, my)
        pruefe(farbe == (255, 128, 128), "Zusatzfarbe 1 zeigt %s" % (farbe,))
        s.klick(mx, my)
        _strich_pruefen(app, vorher, (255, 128, 128), 13)


def ohne_fenstermanager(display):
    # No window manager activates the window: the settings are still
    # applied at start, and the automatic start stays in drawing mode.
    with Sitzung(display, B, H, fenstermanager=False) as s:
        vorher = Bild.muster(B, H, 33)
        s.zeige_hintergrund(vorher)
        app = Skribano(s)
        _schreibe_konfig(app, {"AutoOpen": 1, "WerkzeugGroesseX": 40, "FarbMode": 12,
                               "StiftdickeMode": 2})
        app.starten()
        app.warte_auf_overlay((0, 0, B, H))
        warte_bis(lambda: app.werkzeug_geometrie()[2:] == (82, 518),
                  text="Zeichnen mit Knopfbreite 40: ist %s" % (app.werkzeug_geometrie()[2:],))
        time.sleep(1.5)
        pruefe(app.overlay() is not None, "Zeichenmodus bleibt offen")
        pruefe(app.werkzeug_geometrie()[2:] == (82, 518), "Werkzeugleiste bleibt")
        _strich_pruefen(app, vorher, (255, 255, 0), 7)


def bleibt_auf_dem_schirm(display):
    with Sitzung(display, B, H) as s:
        s.zeige_hintergrund(Bild.muster(B, H, 34))
        app = Skribano(s).starten()
        s.xdotool("windowmove", "--sync", app.werkzeug, B - 40, H - 60)
        warte_bis(lambda: app.werkzeug_rahmen()[1] > H - 100, text="Werkzeugfenster unten")
        app.zeichenmodus((0, 0, B, H))

        def ganz_sichtbar():
            x, y, w, h = app.werkzeug_rahmen()
            return x >= 0 and y >= 0 and x + w <= B and y + h <= H
        warte_bis(ganz_sichtbar, text="Werkzeugfenster ganz auf dem Schirm: %s" %
                  (app.werkzeug_rahmen(),))
        x, y, w, h = app.werkzeug_rahmen()
        pruefe(y + h == H and x + w == B, "Nur so weit wie nötig verschoben: %s" % ((x, y, w, h),))


def titel_und_ende(display):
    with Sitzung(display, B, H) as s:
        s.zeige_hintergrund(Bild.muster(B, H, 35))
        app = Skribano(s).starten()
        for eigenschaft in ("WM_NAME", "_NET_WM_NAME"):
            out = s.befehl("xprop", "-id", app.werkzeug, eigenschaft)
            pruefe(out.strip().endswith('= "Skribano"'), "Titel: %s" % out.strip())
        pruefe("Icon (" in s.befehl("xprop", "-id", app.werkzeug, "_NET_WM_ICON"),
               "Fenster hat ein Programmsymbol")
        app.zeichenmodus((0, 0, B, H))
        s.schliessen(app.werkzeug)
        beginn = time.monotonic()
        pruefe(app.p.wait(timeout=20) == 0, "Programm endet ohne Fehler:\n" + app.ausgabe())
        dauer = time.monotonic() - beginn
        print("Programm endet %.3f s nach dem Schließen" % dauer)
        pruefe(dauer < 1.0, "Programm endet nach %.2f s" % dauer)
