"""The reference side of the drawing scenarios: the reference generator
e2e_referenz runs under the session's X server with its own empty settings
and answers what the real program must show, or where its buttons and menu
items lie. Also the program's popup menus as seen from outside."""

import os
import subprocess

from e2e import Bild, Fehlschlag, pruefe, rechteck_abweichungen, warte_bis


def lade_ppm(pfad):
    with open(pfad, "rb") as f:
        daten = f.read()
    felder, pos = [], 0
    while len(felder) < 4:
        while daten[pos:pos + 1].isspace():
            pos += 1
        if daten[pos:pos + 1] == b"#":
            pos = daten.index(b"\n", pos)
            continue
        ende = pos
        while not daten[ende:ende + 1].isspace():
            ende += 1
        felder.append(daten[pos:ende])
        pos = ende
    pruefe(felder[0] == b"P6" and felder[3] == b"255", "PPM im Format P6 mit 8 Bit erwartet")
    breite, hoehe = int(felder[1]), int(felder[2])
    return Bild(breite, hoehe, daten[pos + 1:pos + 1 + breite * hoehe * 3])


class Referenz:
    def __init__(self, sitzung):
        self.s = sitzung
        self.exe = os.environ.get("SKRIBANO_REFERENZ", "e2e_referenz")
        self.ordner = os.path.join(sitzung.ordner, "referenz")
        os.makedirs(os.path.join(self.ordner, "config"))
        self.env = dict(sitzung.env, QT_QPA_PLATFORM="xcb",
                        XDG_CONFIG_HOME=os.path.join(self.ordner, "config"),
                        XDG_RUNTIME_DIR=self.ordner)

    def _aufruf(self, *argv):
        r = subprocess.run([self.exe] + list(argv), env=self.env, capture_output=True,
                           timeout=120)
        pruefe(r.returncode == 0, "e2e_referenz %s: Code %d\n%s" %
               (argv[0], r.returncode, r.stderr.decode(errors="replace")))
        return r.stdout.decode()

    def zeichnen(self, hintergrund, befehle):
        """The drawing bitmap after befehle on the frozen picture hintergrund."""
        bild = os.path.join(self.ordner, "hintergrund.ppm")
        skript = os.path.join(self.ordner, "skript.txt")
        ausgabe = os.path.join(self.ordner, "referenz.ppm")
        hintergrund.speichere_ppm(bild)
        with open(skript, "w", encoding="utf-8") as f:
            f.write("\n".join(befehle) + "\n")
        self._aufruf("zeichnen", bild, skript, ausgabe)
        return lade_ppm(ausgabe)

    def drucker(self, env):
        """The printer line of the print dialog with the print system env."""
        self.env.update(env)
        return self._aufruf("drucker").strip()

    def orte(self):
        """{name: (x, y, w, h)} of the sheet button in the tool window and of
        the menu items in their menus."""
        ergebnis = {}
        for zeile in self._aufruf("orte").splitlines():
            name, *werte = zeile.split()
            ergebnis[name] = tuple(int(w) for w in werte)
        return ergebnis


def warte_auf_menu(app, bekannt):
    """The popup window of app that is not among the windows bekannt, as
    (id, (x, y, w, h)), once it is shown."""
    def neu():
        for i, g in app.s.fenster(app.p.pid).items():
            if i not in bekannt:
                return i, g
        return None
    return warte_bis(neu, text="Menü erscheint")


def warte_ohne_menu(app, bekannt):
    warte_bis(lambda: set(app.s.fenster(app.p.pid)) <= set(bekannt), text="Menü schließt")


def klick_mitte(s, ursprung, rect):
    x, y, w, h = rect
    s.klick(ursprung[0] + x + w // 2, ursprung[1] + y + h // 2)


def warte_auf_bild(s, soll, ausser, text, zeit=10):
    """Waits until the screen equals soll outside the rectangles ausser."""
    letzte = {}

    def gleich():
        letzte["n"] = rechteck_abweichungen(s.bildschirm(), soll, (0, 0, soll.breite, soll.hoehe),
                                            ausser)
        return letzte["n"][0] == 0
    try:
        warte_bis(gleich, zeit=zeit, schritt=0.2, text=text)
    except Fehlschlag:
        raise Fehlschlag("%s: %d Pixel verschieden, erstes %s" % ((text,) + letzte["n"]))
