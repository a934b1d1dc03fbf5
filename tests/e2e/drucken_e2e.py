"""Printing on the real program through a CUPS scheduler of the test's own
with a CUPS-PDF queue: the page is measured at one pixel per 0.1 mm. And the
program without any printer: an error box, no message window left over."""

import os

from cups_privat import WARTESCHLANGE, PrivaterCups
from e2e import Bild, Sitzung, Skribano, pruefe, warte_bis
from referenz import Referenz
from seitenmessung import dunkle_box, seite

B, H = 1920, 1080
BLAU, ROT = (0, 0, 140), (140, 0, 0)


def _bild():
    """Dark blue on the left half, dark red on the right."""
    zeile = bytes(BLAU) * (B // 2) + bytes(ROT) * (B // 2)
    return Bild(B, H, zeile * H)


def fenster_namens(app, name):
    """Visible windows of the program with exactly this title."""
    for _ in range(20):
        r = app.s.befehl("xdotool", "search", "--all", "--onlyvisible", "--pid", str(app.p.pid),
                         "--name", "^%s$" % name, pruefen=False)
        if "BadWindow" not in r:
            break
    return r.split()


def _zeichenmodus(s, umgebung):
    s.zeige_hintergrund(_bild())
    app = Skribano(s, env_extra=umgebung).starten()
    overlay, _ = app.zeichenmodus((0, 0, B, H))
    return app, overlay


def _druckdialog(app, overlay):
    app.s.taste(overlay, "ctrl+p")
    return warte_bis(lambda: fenster_namens(app, "Bildschirminhalt drucken"),
                     text="Druckdialog erscheint")[0]


def _gedruckt(cups, anzahl):
    def fertig():
        d = cups.pdf_dateien()
        return d if len(d) >= anzahl and cups.auftraege_fertig() else None
    d = warte_bis(fertig, zeit=90, schritt=0.3, text="PDF-Datei des Auftrags\n" + cups.protokoll())
    pruefe(len(d) == anzahl, "%d Seiten statt %d: %s" % (len(d), anzahl, d))
    return d[-1]


def _pruefe_seite(pdf, box):
    bild = seite(pdf)
    gemessen = dunkle_box(bild)
    pruefe(gemessen == box, "Bild auf der Seite bei %s statt %s" % (gemessen, box))
    x, y, w, h = box
    links, rechts = bild.pixel(x + w // 4, y + h // 2), bild.pixel(x + 3 * w // 4, y + h // 2)
    pruefe(links[2] > links[0] + 60 and rechts[0] > rechts[2] + 60,
           "Linke Hälfte blau, rechte rot: %s, %s" % (links, rechts))


def _nach_dem_druck(app):
    warte_bis(lambda: not fenster_namens(app, "Bildschirminhalt drucken"),
              text="Druckdialog schließt sich")
    pruefe(not fenster_namens(app, "Information"), "Meldefenster bleibt nach dem Druck stehen")
    pruefe(app.p.poll() is None, "Programm läuft weiter")


def standardseite(display):
    # The defaults: 2.5 cm from the left, 1.8 cm from the top, 16 cm wide,
    # the height of 9 cm from the picture's ratio 16:9.
    with PrivaterCups() as cups, Sitzung(display, B, H) as s:
        zeile = Referenz(s).drucker(cups.env())
        pruefe(zeile == WARTESCHLANGE + " an cups-pdf:/", "Druckerzeile: %r" % zeile)
        app, overlay = _zeichenmodus(s, cups.env())
        dialog = _druckdialog(app, overlay)
        s.taste(dialog, "Return")
        _pruefe_seite(_gedruckt(cups, 1), (250, 180, 1600, 900))
        _nach_dem_druck(app)

        # An area of 400 x 100 across both halves: 16 cm wide, 4 cm high.
        s.taste(overlay, "alt+b")
        s.ziehen([(760, 500), (960, 550), (1159, 599)])
        dialog = _druckdialog(app, overlay)
        s.taste(dialog, "Return")
        _pruefe_seite(_gedruckt(cups, 2), (250, 180, 1600, 400))
        _nach_dem_druck(app)


def unbedruckbarer_rand(display):
    # A printer that cannot print the outer 12 points (4.2 mm) of A4: the
    # margins still count from the paper's edge, and a margin of 0.2 cm
    # puts the picture at the edge of the printable area.
    with PrivaterCups(rand_pt=(12, 12, 12, 12)) as cups, Sitzung(display, B, H) as s:
        app, overlay = _zeichenmodus(s, cups.env())
        dialog = _druckdialog(app, overlay)
        s.taste(dialog, "Return")
        _pruefe_seite(_gedruckt(cups, 1), (250, 180, 1600, 900))
        _nach_dem_druck(app)

        dialog = _druckdialog(app, overlay)
        s.taste(dialog, "alt+l")
        s.xdotool("key", "ctrl+a")
        s.xdotool("type", "0,2")
        s.xdotool("key", "Return")
        _pruefe_seite(_gedruckt(cups, 2), (42, 180, 1600, 900))
        _nach_dem_druck(app)


def kein_drucker(display):
    with Sitzung(display, B, H) as s:
        umgebung = {"CUPS_SERVER": os.path.join(s.ordner, "kein-cups.sock")}
        app, overlay = _zeichenmodus(s, umgebung)
        dialog = _druckdialog(app, overlay)
        s.taste(dialog, "Return")
        warte_bis(lambda: "Skribano: Es ist kein Drucker vorhanden." in app.ausgabe(),
                  text="Fehlermeldung ohne Drucker")
        box = warte_bis(lambda: [f for f in fenster_namens(app, "Skribano")
                                 if f != app.werkzeug and f != overlay],
                        text="Meldungsfenster erscheint")
        pruefe(not fenster_namens(app, "Information"), "Meldefenster steht noch")
        s.taste(box[0], "Return")
        warte_bis(lambda: not [f for f in fenster_namens(app, "Skribano")
                               if f != app.werkzeug and f != overlay],
                  text="Meldungsfenster schließt sich")
        s.taste(dialog, "Escape")
        warte_bis(lambda: not fenster_namens(app, "Bildschirminhalt drucken"),
                  text="Druckdialog schließt sich mit Escape")
        pruefe(app.p.poll() is None, "Programm läuft weiter ohne Drucker")
        pruefe(not fenster_namens(app, "Information"), "Meldefenster steht noch")
