"""Blank sheets, undo and "Alles löschen" on the real overlay: every sheet
is checked pixel for pixel against its geometry, every drawing against the
sheet beneath it."""

from e2e import Bild, Sitzung, Skribano, pruefe, warte_bis
from referenz import Referenz, klick_mitte, warte_auf_bild, warte_auf_menu, warte_ohne_menu

B, H = 1280, 800
WEISS, GRAU, SCHWARZ = (255, 255, 255), (184, 184, 184), (0, 0, 0)

# Down from no current item: 1 "Aktueller Bildschirm", 2 "Weißes Blatt",
# 3 "Schwarzes Blatt", 4 "Kariert", 5 "Punktraster", 6 "Linien".
KARIERT_RUNTER = 4


def _blatt(zeilen, spalten):
    """White with light grey rows and columns across the whole screen."""
    zeile_weiss = bytearray(bytes(WEISS) * B)
    for x in spalten:
        zeile_weiss[x * 3:x * 3 + 3] = bytes(GRAU)
    zeile_weiss, zeile_grau = bytes(zeile_weiss), bytes(GRAU) * B
    return Bild(B, H, b"".join(zeile_grau if y in zeilen else zeile_weiss for y in range(H)))


def linien():
    # Lines a pixel above every multiple of 72, as many as fit the height.
    return _blatt({72 * i - 1 for i in range(1, round(H / 72) + 1)} & set(range(H)), ())


def kariert():
    # Squares of 48 from the top left corner.
    return _blatt({48 * i for i in range(round(H / 48) + 1)} & set(range(H)),
                  [x for x in (48 * i for i in range(round(B / 48) + 1)) if x < B])


class Ablauf:
    def __init__(self, s, hintergrund):
        self.s = s
        # Where buttons and menu items lie, asked before the program runs.
        self.orte = Referenz(s).orte()
        s.zeige_hintergrund(hintergrund)
        self.app = app = Skribano(s).starten()
        self.oid, _ = app.zeichenmodus((0, 0, B, H))
        self.werkzeug = app.werkzeug_rahmen()
        self.fenster = [app.werkzeug, self.oid]

    def zum_werkzeugfenster(self):
        x, y, w, h = self.app.werkzeug_geometrie()
        self.s.xdotool("mousemove", "--sync", x + w // 2, y + 14)

    def blatt_per_tastatur(self, fenster, pfeil, anzahl):
        self.s.taste(fenster, "ctrl+n")
        warte_auf_menu(self.app, self.fenster)
        for _ in range(anzahl):
            self.s.xdotool("key", pfeil)
        self.s.xdotool("key", "Return")
        warte_ohne_menu(self.app, self.fenster)

    def blattmenu_klick(self, eintrag):
        _, (mx, my, _, _) = warte_auf_menu(self.app, self.fenster)
        klick_mitte(self.s, (mx, my), self.orte[eintrag])
        warte_ohne_menu(self.app, self.fenster)
        self.zum_werkzeugfenster()

    def blatt_per_popup(self, eintrag):
        self.s.xdotool("mousemove", "--sync", B // 2, H // 2, "click", 3)
        mid, (mx, my, _, _) = warte_auf_menu(self.app, self.fenster)
        klick_mitte(self.s, (mx, my), self.orte["LeeresBlatt1"])
        warte_bis(lambda: mid not in self.s.fenster(self.app.p.pid), text="Popup-Menü schließt")
        self.blattmenu_klick(eintrag)

    def blatt_per_knopf(self, eintrag):
        x, y, _, _ = self.app.werkzeug_geometrie()
        klick_mitte(self.s, (x, y), self.orte["BlattBtn"])
        self.blattmenu_klick(eintrag)

    def strich(self, y):
        # Opaque black, width 3, pen: a horizontal stroke from x 300 to 700.
        for t in ("shift+alt+6", "ctrl+1", "alt+s"):
            self.s.taste(self.oid, t)
        self.s.ziehen([(300 + 20 * i, y) for i in range(21)])
        self.zum_werkzeugfenster()

    def pruefe_strich(self, blatt, y):
        """The screen is blatt, but for the stroke at row y: its row black
        from x 300 to 700, around it only black or the sheet."""
        band = (290, y - 10, 421, 21)

        def fertig():
            schirm = self.s.bildschirm()
            return schirm if all(schirm.pixel(x, y) == SCHWARZ for x in range(300, 701)) else None
        schirm = warte_bis(fertig, text="Strich erscheint")
        bx, by, bw, bh = band
        fremd = [(x, yy) for yy in range(by, by + bh) for x in range(bx, bx + bw)
                 if schirm.pixel(x, yy) not in (SCHWARZ, blatt.pixel(x, yy))]
        pruefe(not fremd, "Um den Strich nur Schwarz oder Blatt: %d andere, erstes %s" %
               (len(fremd), fremd[:1]))
        warte_auf_bild(self.s, blatt, [self.werkzeug, band], "Abseits des Strichs das Blatt")


def tastatur_und_menu(display):
    with Sitzung(display, B, H) as s:
        vorher = Bild.muster(B, H, 9)
        a = Ablauf(s, vorher)
        a.blatt_per_tastatur(a.app.werkzeug, "Down", KARIERT_RUNTER)
        warte_auf_bild(s, kariert(), [a.werkzeug], "Strg+N, Kariert")
        a.blatt_per_popup("LiniertesBlatt1")
        warte_auf_bild(s, linien(), [a.werkzeug], "Popup-Menü, Leeres Blatt, Linien")
        a.strich(500)
        a.pruefe_strich(linien(), 500)
        # Back to the frozen screen; the drawing goes with the sheet.
        a.blatt_per_knopf("AktuellesBild")
        warte_auf_bild(s, vorher, [a.werkzeug], "Blatt-Knopf, Aktueller Bildschirm")
        pruefe(a.app.p.poll() is None, "Programm läuft weiter")


def rueckgaengig_und_loeschen(display):
    with Sitzung(display, B, H) as s:
        vorher = Bild.muster(B, H, 10)
        a = Ablauf(s, vorher)
        # Up from no current item: the last one, "Aus Zwischenablage
        # einfügen", then "Linien" above the separator.
        a.blatt_per_tastatur(a.app.werkzeug, "Up", 2)
        warte_auf_bild(s, linien(), [a.werkzeug], "Strg+N, Linien")
        a.strich(400)
        a.pruefe_strich(linien(), 400)
        s.taste(a.oid, "ctrl+BackSpace")
        warte_auf_bild(s, linien(), [a.werkzeug], "Rückgängig nimmt den Strich")
        a.strich(600)
        a.pruefe_strich(linien(), 600)
        s.taste(a.oid, "ctrl+Delete")
        warte_auf_bild(s, linien(), [a.werkzeug], "Alles löschen lässt das Blatt")
        s.taste(a.oid, "ctrl+BackSpace")
        a.pruefe_strich(linien(), 600)
        # The sheet itself is undone by one step back after the sheet.
        a.blatt_per_tastatur(a.oid, "Down", KARIERT_RUNTER)
        warte_auf_bild(s, kariert(), [a.werkzeug], "Kariert über dem Strich")
        s.taste(a.oid, "ctrl+BackSpace")
        a.pruefe_strich(linien(), 600)
        pruefe(a.app.p.poll() is None, "Programm läuft weiter")
