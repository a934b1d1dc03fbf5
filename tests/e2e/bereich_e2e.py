"""Area selection on the real program: the inverted crosshair while the button
is held, nothing inverted left behind, the edges of a square area and the
arrow keys."""

import subprocess

from bilddateien import lade_png
from e2e import Bild, Sitzung, Skribano, pruefe, warte_bis

B, H = 1280, 800


def _foto(breite, hoehe):
    """Smooth shades with fine grain, like a photograph: no pure black or
    white anywhere, and every pixel differs from its inverse."""
    zeilen = []
    for y in range(hoehe):
        zeile = bytearray(breite * 3)
        for x in range(breite):
            k = (x * 7 + y * 13) % 5
            zeile[3 * x] = 40 + (x * 150 // breite) + k
            zeile[3 * x + 1] = 50 + (y * 140 // hoehe) + (x * y) % 7
            zeile[3 * x + 2] = 200 - ((x + y) * 120 // (breite + hoehe)) - k
        zeilen.append(bytes(zeile))
    return Bild(breite, hoehe, b"".join(zeilen))


def _invers(p):
    return tuple(255 - c for c in p)


def _in(rects, x, y):
    return any(rx <= x < rx + rw and ry <= y < ry + rh for rx, ry, rw, rh in rects)


def _abweichungen(bild, soll, punkte, ausser):
    falsch = [(x, y) for x, y in punkte if not _in(ausser, x, y) and bild.pixel(x, y) != soll(x, y)]
    return falsch


def _ist_kante(p):
    return p in ((0, 0, 0), (255, 255, 255))


def _pruefe_kopie(s, oid, vorher, bereich):
    """Ctrl+C puts exactly the area's pixels of the background on the
    clipboard: no edge, read-out or crosshair becomes part of it."""
    x0, y0, w, h = bereich
    s.taste(oid, "ctrl+c")

    def kopie():
        r = subprocess.run(["xclip", "-selection", "clipboard", "-t", "image/png", "-o"],
                           env=s.env, capture_output=True, timeout=20)
        return r.returncode == 0 and r.stdout[:4] == b"\x89PNG" and lade_png(r.stdout)[0]
    bild = warte_bis(kopie, text="Der Bereich als PNG in der Zwischenablage")
    pruefe((bild.breite, bild.hoehe) == (w, h), "Kopie %dx%d statt %dx%d" %
           (bild.breite, bild.hoehe, w, h))
    pruefe(all(bild.ausschnitt_zeile(0, y, w) == vorher.ausschnitt_zeile(x0, y0 + y, w)
               for y in range(h)), "Die Kopie ist der Hintergrund des Bereichs")


def _starten(s):
    hintergrund = _foto(B, H)
    s.zeige_hintergrund(hintergrund)
    app = Skribano(s).starten()
    oid, _ = app.zeichenmodus((0, 0, B, H))
    s.taste(oid, "alt+b")
    return hintergrund, app, oid


def fadenkreuz_und_kanten(display):
    with Sitzung(display, B, H) as s:
        vorher, app, oid = _starten(s)
        werkzeug = app.werkzeug_rahmen()
        lesefeld = (0, 0, 266, 19)  # the selection read-out at the top left
        s.zeiger_nach(100, 100)
        s.xdotool("mousedown", 1)
        s.zeiger_nach(70, 90)
        s.zeiger_nach(50, 80)

        zeile = [(x, 80) for x in range(B)]
        spalte = [(50, y) for y in range(H)]

        def kreuz(x, y):
            # The pointer's own pixel lies on both lines: inverted twice.
            return vorher.pixel(x, y) if (x, y) == (50, 80) else _invers(vorher.pixel(x, y))

        def fadenkreuz_stimmt():
            bild = s.bildschirm()
            return not _abweichungen(bild, kreuz, zeile + spalte, [werkzeug, lesefeld]) and bild
        bild = warte_bis(fadenkreuz_stimmt, text="Fadenkreuz durch (50, 80) invertiert")
        # The anchor's edges run from the anchor towards the pointer.
        pruefe(bild.pixel(75, 100) == _invers(vorher.pixel(75, 100)), "Ankerlinie waagrecht")
        pruefe(bild.pixel(100, 90) == _invers(vorher.pixel(100, 90)), "Ankerlinie senkrecht")
        pruefe(bild.pixel(75, 90) == vorher.pixel(75, 90), "Innen bleibt das Bild")
        s.xdotool("mouseup", 1)

        # After the release: the area's edges and its read-out are widgets;
        # nothing inverted stays in the picture.
        kanten = [(50, 80, 51, 1), (50, 100, 51, 1), (50, 80, 1, 21), (100, 80, 1, 21)]
        anzeige = (50, 61, 234, 19)

        def nichts_invertiert():
            bild = s.bildschirm()
            punkte = [(x, y) for y in range(0, H, 1) for x in range(0, 400)]
            punkte += zeile + spalte
            falsch = _abweichungen(bild, vorher.pixel, punkte, [werkzeug, lesefeld, anzeige] + kanten)
            return (not falsch) and bild
        bild = warte_bis(nichts_invertiert, text="Nach dem Loslassen nichts invertiert")
        for x, y, w, h in kanten:
            for i in range(max(w, h)):
                p = (x + i, y) if w > 1 else (x, y + i)
                pruefe(_ist_kante(bild.pixel(*p)), "Kante bei %s: %s" % (p, bild.pixel(*p)))
        pruefe(not _ist_kante(bild.pixel(49, 90)) and not _ist_kante(bild.pixel(101, 90)),
               "Der Bereich reicht von x 50 bis 100")
        _pruefe_kopie(s, oid, vorher, (50, 80, 51, 21))

        # Shift keeps the area square: (+40, -90) gives 41 x 41.
        s.zeiger_nach(300, 300)
        s.xdotool("keydown", "shift")
        s.xdotool("mousedown", 1)
        s.zeiger_nach(320, 250)
        s.zeiger_nach(340, 210)
        s.xdotool("mouseup", 1)
        s.xdotool("keyup", "shift")
        s.zeiger_nach(600, 600)

        def quadrat():
            bild = s.bildschirm()
            rechts = all(_ist_kante(bild.pixel(340, y)) for y in range(260, 301))
            oben = all(_ist_kante(bild.pixel(x, 260)) for x in range(300, 341))
            aussen = not _ist_kante(bild.pixel(341, 280)) and not _ist_kante(bild.pixel(320, 301))
            return rechts and oben and aussen and not _ist_kante(bild.pixel(75, 90 + 10))
        warte_bis(quadrat, text="Quadratischer Bereich 41 x 41 bei (300, 260)")

        # The arrow keys nudge the area by one pixel.
        s.xdotool("key", "Right", "Right", "Up")
        warte_bis(lambda: all(_ist_kante(s.bildschirm().pixel(342, y)) for y in range(259, 300)),
                  text="Bereich zwei nach rechts, eins nach oben")
        pruefe(app.p.poll() is None, "Programm läuft weiter")


def dialog_f2(display):
    """F2 opens the area dialog over the overlay; Links 5000 and Breite 300
    on a 1920-pixel-wide screen give an area one pixel wide at the right
    edge."""
    breite, hoehe = 1920, 1080
    with Sitzung(display, breite, hoehe) as s:
        s.zeige_hintergrund(_foto(breite, hoehe))
        app = Skribano(s).starten()
        oid, _ = app.zeichenmodus((0, 0, breite, hoehe))
        s.taste(oid, "alt+b")
        s.ziehen([(100, 100), (150, 120), (200, 150)])
        s.zeiger_nach(600, 600)
        warte_bis(lambda: all(_ist_kante(s.bildschirm().pixel(200, y)) for y in range(100, 151)),
                  text="Bereich (100, 100) bis (200, 150)")
        s.taste(oid, "F2")

        def dialog():
            for i, g in app._fenster().items():
                if s.befehl("xdotool", "getwindowname", i).startswith("Auswahlbereich"):
                    return i
            return None
        did = warte_bis(dialog, text="Dialog Auswahlbereich erscheint")
        warte_bis(lambda: s.befehl("xdotool", "getactivewindow").strip() == did,
                  text="Dialog ist aktiv")
        s.xdotool("key", "--clearmodifiers", "alt+l")
        s.xdotool("type", "5000")
        s.xdotool("key", "--clearmodifiers", "alt+b")
        s.xdotool("type", "300")
        s.xdotool("key", "Return")
        warte_bis(lambda: dialog() is None, text="Dialog schließt")

        def am_rand():
            bild = s.bildschirm()
            return (all(_ist_kante(bild.pixel(1919, y)) for y in range(100, 151))
                    and not _ist_kante(bild.pixel(1918, 125))
                    and not _ist_kante(bild.pixel(200, 125)))
        warte_bis(am_rand, text="Bereich von x 1919 bis 1919 (R 1920)")
        pruefe(app.p.poll() is None, "Programm läuft weiter")
