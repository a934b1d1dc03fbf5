"""The colour picker of the zoom view and the Shift key on a dragged line, on
the real program: the colour code on the real clipboard, the picked colour
drawn exactly, and the line snapping to 45 degrees while Shift is held."""

from bereich_e2e import _foto, _invers
from e2e import Bild, Sitzung, Skribano, pruefe, warte_bis

B, H = 1280, 800
ORANGE = (255, 128, 0)
QUADRAT = (400, 300, 300, 300)  # x, y, w, h of the orange square


def _hintergrund():
    bild = _foto(B, H)
    daten = bytearray(bild.daten)
    x0, y0, w, h = QUADRAT
    for y in range(y0, y0 + h):
        i = (y * B + x0) * 3
        daten[i:i + w * 3] = bytes(ORANGE) * w
    return Bild(B, H, bytes(daten))


def _zwischenablage(s):
    r = s.befehl("xclip", "-selection", "clipboard", "-o", pruefen=False)
    return r


def _strich(s, y):
    s.ziehen([(100, y), (150, y), (200, y), (250, y)])


def pipette_und_shift(display):
    with Sitzung(display, B, H) as s:
        hg = _hintergrund()
        s.zeige_hintergrund(hg)
        # Held keys must not repeat: every release ends the F key's effect.
        s.befehl("xset", "r", "off")
        app = Skribano(s).starten()
        oid, _ = app.zeichenmodus((0, 0, B, H))
        # Transparent red, the first start's colour.
        s.taste(oid, "alt+1")
        s.taste(oid, "alt+s")

        # Shift + click in the zoom view: the code goes to the clipboard.
        s.taste(oid, "ctrl+z")
        s.zeiger_nach(600, 380)
        s.zeiger_nach(620, 420)
        s.xdotool("keydown", "shift")
        s.xdotool("click", 1)
        s.xdotool("keyup", "shift")
        warte_bis(lambda: _zwischenablage(s) == "#FF8000",
                  text="#FF8000 in der Zwischenablage, nicht %r" % _zwischenablage(s))
        s.taste(oid, "alt+s")
        _strich(s, 650)
        s.zeiger_nach(600, 200)
        soll = (hg.pixel(175, 650)[0], 0, 0)
        warte_bis(lambda: s.bildschirm().pixel(175, 650) == soll,
                  text="Der Stift malt weiter transparent rot")

        # With F held the picked colour becomes the opaque drawing colour.
        s.taste(oid, "ctrl+z")
        s.zeiger_nach(600, 380)
        s.zeiger_nach(620, 420)
        s.xdotool("keydown", "f")
        s.xdotool("keydown", "shift")
        s.xdotool("click", 1)
        s.xdotool("keyup", "shift")
        s.xdotool("keyup", "f")
        s.taste(oid, "alt+s")
        _strich(s, 720)
        s.zeiger_nach(600, 200)
        warte_bis(lambda: all(s.bildschirm().pixel(x, 720) == ORANGE for x in (130, 175, 220)),
                  text="Der Strich ist genau orange und deckend")

        # A line at about 30 degrees snaps to 45 while Shift is held.
        s.taste(oid, "alt+l")
        s.zeiger_nach(100, 100)
        s.xdotool("mousedown", 1)
        s.zeiger_nach(200, 158)
        s.zeiger_nach(300, 215)

        def invertiert(*punkte):
            def pruef():
                bild = s.bildschirm()
                return any(bild.pixel(x, y) == _invers(hg.pixel(x, y)) for x, y in punkte)
            return pruef
        # At x 200 the 30-degree line is at y 157.5: one of the two pixels.
        dreissig = [(200, 157), (200, 158)]
        warte_bis(invertiert(*dreissig), text="Gummiband unter 30 Grad")
        s.xdotool("keydown", "shift")
        warte_bis(invertiert((200, 200)), text="Mit Shift rastet die Linie auf 45 Grad ein")
        pruefe(not invertiert(*dreissig)(), "Die 30-Grad-Linie ist weg")
        s.xdotool("keyup", "shift")
        warte_bis(invertiert(*dreissig), text="Ohne Shift zurück zum Zeiger")
        pruefe(s.bildschirm().pixel(200, 200) == hg.pixel(200, 200), "Die 45-Grad-Linie ist weg")
        s.xdotool("mouseup", 1)
        pruefe(app.p.poll() is None, "Programm läuft weiter")
