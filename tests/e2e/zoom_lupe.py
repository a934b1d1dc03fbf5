"""The lens and the zoom view on the real overlay: what the screen shows is
checked pixel for pixel against the frozen picture, enlarged by the rule of
each view."""

import os
import time

from e2e import Bild, Sitzung, Skribano, pruefe, warte_bis
from referenz import warte_auf_bild

B, H = 1920, 1080
PANEL_LINKS = (0, 0, 266, 19)
PANEL_RECHTS = (B - 266, 0, 266, 19)


def _zoom_bild(hg, f, bildpunkt):
    """The screen of the zoom view at factor f, where screen point (x, y)
    shows picture pixel bildpunkt(x, y, f)."""
    spalten = [bildpunkt(x, 0, f)[0] for x in range(B)]
    zeilen, cache = [], {}
    for y in range(H):
        sy = bildpunkt(0, y, f)[1]
        if sy not in cache:
            quelle = hg.ausschnitt_zeile(0, sy, hg.breite)
            cache[sy] = b"".join(quelle[3 * sx:3 * sx + 3] for sx in spalten)
        zeilen.append(cache[sy])
    return Bild(B, H, b"".join(zeilen))


def _um_die_mitte(x, y, f):
    # Each step about the centre keeps picture point (960, 540) there.
    return 960 + (x - 960) // f, 540 + (y - 540) // f


def _zeichenmodus(s, app, hg):
    oid, _ = app.zeichenmodus((0, 0, B, H))
    return oid, app.werkzeug_rahmen()


def zoom_tasten(display):
    with Sitzung(display, B, H) as s:
        hg = Bild.muster(B, H, 5)
        s.zeige_hintergrund(hg)
        app = Skribano(s).starten()
        oid, werkzeug = _zeichenmodus(s, app, hg)
        ausser = [werkzeug, PANEL_LINKS, PANEL_RECHTS]
        s.zeiger_nach(700, 600)

        s.taste(oid, "ctrl+KP_Add")
        soll = _zoom_bild(hg, 2, lambda x, y, f: ((x + 960) // 2, (y + 540) // 2))
        warte_auf_bild(s, soll, ausser, "200 % um die Mitte")
        # One key press, one step: 300 % next.
        s.taste(oid, "ctrl+KP_Add")
        warte_auf_bild(s, _zoom_bild(hg, 3, _um_die_mitte), ausser, "300 % um die Mitte")
        for _ in range(7):
            s.taste(oid, "ctrl+KP_Add")
        warte_auf_bild(s, _zoom_bild(hg, 10, _um_die_mitte), ausser, "1000 % und nicht weiter")

        # Back to 100 % with keypad minus: the pen draws again.
        for _ in range(8):
            s.taste(oid, "ctrl+KP_Subtract")
        warte_auf_bild(s, hg, ausser + [(680, 580, 41, 41)], "100 %: das Bild selbst")
        s.ziehen([(300, 700), (450, 700), (600, 700)])
        x, y = 450, 700
        r, _, _ = hg.pixel(x, y)
        warte_bis(lambda: s.bildschirm().pixel(x, y) == (r, 0, 0),
                  text="Der Stift zeichnet transparentes Rot")
        pruefe(app.p.poll() is None, "Programm läuft weiter")


def _lupe_bild(hg, zeiger, f):
    """The screen with the lens of width 13 (320 x 240) at zeiger, factor f."""
    zx, zy = zeiger
    links, oben = zx - 160, zy - 120
    sl, so = zx - (320 // f) // 2, zy - (240 // f) // 2
    zeilen = []
    for y in range(H):
        zeile = bytearray(hg.ausschnitt_zeile(0, y, B))
        j = y - oben
        if 0 <= j < 240:
            if j in (0, 239):
                innen = b"\0\0\0" * 320
            else:
                quelle = hg.ausschnitt_zeile(0, so + j // f, B)
                innen = b"\0\0\0" + b"".join(quelle[3 * (sl + i // f):3 * (sl + i // f) + 3]
                                             for i in range(1, 319)) + b"\0\0\0"
            zeile[3 * links:3 * (links + 320)] = innen
        zeilen.append(bytes(zeile))
    return Bild(B, H, b"".join(zeilen))


def lupe(display):
    with Sitzung(display, B, H) as s:
        hg = Bild.muster(B, H, 6)
        s.zeige_hintergrund(hg)
        app = Skribano(s).starten()
        oid, werkzeug = _zeichenmodus(s, app, hg)
        s.zeiger_nach(500, 400)
        s.taste(oid, "alt+u")
        # The lens's frame lies on x 340..659, y 280..519; its cross and
        # label are not part of the picture.
        ausser = [werkzeug, (341, 281, 60, 16), (340 + 152, 280 + 120, 17, 1),
                  (340 + 160, 280 + 112, 1, 17)]
        warte_auf_bild(s, _lupe_bild(hg, (500, 400), 2), ausser, "Lupe mit 200 %")
        s.klick(500, 400)
        warte_auf_bild(s, _lupe_bild(hg, (500, 400), 4), ausser, "Lupe mit 400 %")
        bild = s.bildschirm()
        pruefe(bild.pixel(340 + 152, 400) != _lupe_bild(hg, (500, 400), 4).pixel(340 + 152, 400),
               "Das Kreuz ist invertiert")
        pruefe(app.p.poll() is None, "Programm läuft weiter")


def _mausrad(display, konfig, erwartet_zoom):
    with Sitzung(display, B, H) as s:
        hg = Bild.muster(B, H, 7)
        s.zeige_hintergrund(hg)
        app = Skribano(s)
        pfad = os.path.join(app.env["XDG_CONFIG_HOME"], "Quorvel", "Skribano.conf")
        os.makedirs(os.path.dirname(pfad), exist_ok=True)
        with open(pfad, "w") as f:
            f.write("[General]\n" + "".join("%s=%s\n" % kv for kv in konfig.items()))
        app.starten()
        oid, werkzeug = _zeichenmodus(s, app, hg)
        s.zeiger_nach(700, 500)
        s.xdotool("click", 4)
        ausser = [werkzeug, PANEL_LINKS, PANEL_RECHTS]
        if erwartet_zoom:
            soll = _zoom_bild(hg, 2, lambda x, y, f: ((x + 700) // 2, (y + 500) // 2))
            warte_auf_bild(s, soll, ausser, "Mausrad: 200 % um den Zeiger")
        else:
            time.sleep(1)
            # Only the pen's mark at the pointer differs from the picture.
            warte_auf_bild(s, hg, ausser + [(690, 490, 21, 21)], "Mausrad ohne Wirkung")
        pruefe(app.p.poll() is None, "Programm läuft weiter")


def mausrad_zoom(display):
    _mausrad(display, {}, True)


def mausrad_aus(display):
    _mausrad(display, {"MausradZoom": 0}, False)
