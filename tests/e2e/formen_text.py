"""Shapes and text on the real overlay, compared pixel for pixel with what
the overlay's handlers draw for the same input over the same picture."""

from e2e import Bild, Sitzung, Skribano, pruefe, rechteck_abweichungen, warte_bis
from referenz import Referenz, warte_auf_bild

B, H = 1280, 800

# (keys choosing tool, colour and width; pointer points: press, moves...,
# release). Shift+Alt+1 opaque red, Shift+Alt+4 opaque blue.
FORMEN = [
    (["alt+p", "shift+alt+1", "ctrl+3"], [(100, 120), (200, 180), (400, 300)],
     ["werkzeug 5", "farbe 11", "dicke 3"]),
    (["alt+r", "shift+alt+4", "ctrl+2"], [(700, 350), (600, 200), (500, 100)],
     ["werkzeug 4", "farbe 14", "dicke 2"]),
]
TEXT_TASTEN = ["alt+t", "shift+alt+1", "ctrl+3"]
TEXT_BEFEHLE = ["werkzeug 6", "farbe 11", "dicke 3"]
TEXT_PUNKT = (150, 500)
ZEILEN = ["Zeile eins", "zweite Zeile"]


def _referenz_befehle():
    b = []
    for _, punkte, befehle in FORMEN:
        b += befehle
        b.append("bewegen %d %d" % punkte[0])
        b.append("druecken %d %d" % punkte[0])
        b += ["ziehen %d %d" % p for p in punkte[1:]]
        b.append("loslassen %d %d" % punkte[-1])
    b += TEXT_BEFEHLE
    b += ["bewegen %d %d" % TEXT_PUNKT, "druecken %d %d" % TEXT_PUNKT,
          "loslassen %d %d" % TEXT_PUNKT]
    b += ["tippen " + ZEILEN[0], "strgenter", "tippen " + ZEILEN[1], "enter"]
    b.append("werkzeugfenster")
    return b


def _aktiv(s, fenster_id):
    warte_bis(lambda: s.befehl("xdotool", "getactivewindow").strip() == fenster_id,
              text="Fenster %s ist aktiv" % fenster_id)


def pfeil_rechteck_text(display):
    with Sitzung(display, B, H) as s:
        vorher = Bild.muster(B, H, 8)
        s.zeige_hintergrund(vorher)
        app = Skribano(s).starten()
        oid, _ = app.zeichenmodus((0, 0, B, H))
        werkzeug = app.werkzeug_rahmen()

        # The first choices in the tool window, the later ones on the overlay,
        # which the drag has made the active window.
        for fenster, (tasten, punkte, _) in zip((app.werkzeug, oid), FORMEN):
            for t in tasten:
                s.taste(fenster, t)
            s.ziehen(punkte)
        for t in TEXT_TASTEN:
            s.taste(oid, t)
        s.klick(*TEXT_PUNKT)
        _aktiv(s, oid)
        s.xdotool("type", "--delay", 30, ZEILEN[0])
        s.xdotool("key", "ctrl+Return")
        s.xdotool("type", "--delay", 30, ZEILEN[1])
        s.xdotool("key", "Return")
        x, y, w, h = app.werkzeug_geometrie()
        s.xdotool("mousemove", "--sync", x + w // 2, y + h // 2)

        referenz = Referenz(s).zeichnen(vorher, _referenz_befehle())
        n, _ = rechteck_abweichungen(referenz, vorher, (0, 0, B, H))
        # Arrow, rectangle and two text lines change far more than this.
        pruefe(n > 3000, "Die Referenz zeichnet Pfeil, Rechteck und Text: %d Pixel" % n)
        warte_auf_bild(s, referenz, [werkzeug], "Bildschirm gegen Referenz")
        pruefe(app.p.poll() is None, "Programm läuft weiter")
