"""Measuring a printed page: a PDF file is turned into a picture at 254
dots per inch, one pixel per 0.1 mm, and the printed picture is found as the
box of its dark pixels. Cairo draws a picture's edges with their coverage
(pdftoppm would widen a picture to whole pixels), so a box edge lies where
more than half of a pixel is covered."""

import os
import subprocess
import tempfile

from e2e import Bild, pruefe


def seite(pdf):
    with tempfile.TemporaryDirectory() as ordner:
        png = os.path.join(ordner, "seite")
        r = subprocess.run(["pdftocairo", "-r", "254", "-png", "-singlefile", pdf, png],
                           capture_output=True, timeout=120)
        pruefe(r.returncode == 0, "pdftocairo: " + r.stderr.decode(errors="replace"))
        r = subprocess.run(["convert", png + ".png", "-depth", "8", "ppm:-"],
                           capture_output=True, timeout=120)
        pruefe(r.returncode == 0, "convert: " + r.stderr.decode(errors="replace"))
    kopf, daten = r.stdout.split(b"\n255\n", 1)
    breite, hoehe = (int(v) for v in kopf.split()[1:3])
    return Bild(breite, hoehe, daten)


# The printed picture's channels add up to 140 (dark blue, dark red); a
# pixel counts as part of it when more than half of it is covered, so the
# sub-pixel offsets of the page's conversions do not move the box.
BILD_SUMME = 140
SCHWELLE = (3 * 255 + BILD_SUMME) // 2


def dunkel(p):
    return sum(p) < SCHWELLE


def dunkle_box(bild):
    """(x, y, w, h) of the pixels that dunkel() accepts, or None."""
    zeilen = [y for y in range(bild.hoehe) if _zeile_hat_dunkle(bild, y)]
    if not zeilen:
        return None
    y0, y1 = zeilen[0], zeilen[-1]
    spalten = [x for x in range(bild.breite)
               if any(dunkel(bild.pixel(x, y)) for y in (y0, (y0 + y1) // 2, y1))]
    return spalten[0], y0, spalten[-1] - spalten[0] + 1, y1 - y0 + 1


def _zeile_hat_dunkle(bild, y):
    zeile = bild.ausschnitt_zeile(0, y, bild.breite)
    if zeile.count(b"\xff") == len(zeile):
        return False
    return any(zeile[i] + zeile[i + 1] + zeile[i + 2] < SCHWELLE for i in range(0, len(zeile), 3))
