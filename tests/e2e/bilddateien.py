"""Image files, screenshot folders and the clipboard on the real program:
the files are read back byte by byte (PNG chunks, zlib stream, row filters;
JPEG frame and quantisation tables) and compared with the frozen picture."""

import os
import re
import struct
import subprocess
import zlib

from e2e import Bild, Sitzung, Skribano, pruefe, warte_bis
from referenz import warte_auf_bild, warte_auf_menu, warte_ohne_menu

B, H = 1280, 800
GRAU = (192, 192, 192)


# --- reading the files -------------------------------------------------
def png_chunks(daten):
    pruefe(daten[:8] == b"\x89PNG\r\n\x1a\n", "PNG-Signatur")
    pos, chunks = 8, []
    while pos < len(daten):
        n, typ = struct.unpack(">I4s", daten[pos:pos + 8])
        chunks.append((typ, daten[pos + 8:pos + 8 + n]))
        pos += 12 + n
    return chunks


def _paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    return a if pa <= pb and pa <= pc else (b if pb <= pc else c)


def lade_png(daten):
    """(Bild, header, idat sizes, zlib stream, row filters) of an 8-bit RGB
    or RGBA PNG without interlacing."""
    chunks = png_chunks(daten)
    w, h, tiefe, art, _, _, interlace = struct.unpack(">IIBBBBB", chunks[0][1])
    pruefe(tiefe == 8 and art in (2, 6), "8-Bit-RGB(A) erwartet: %d/%d" % (tiefe, art))
    idats = [d for t, d in chunks if t == b"IDAT"]
    strom = b"".join(idats)
    roh = zlib.decompress(strom)
    bpp = 3 if art == 2 else 4
    zeile = w * bpp
    vorige = bytearray(zeile)
    pixel, filter_ = bytearray(), []
    for y in range(h):
        f = roh[y * (zeile + 1)]
        z = bytearray(roh[y * (zeile + 1) + 1:(y + 1) * (zeile + 1)])
        filter_.append(f)
        for i in range(zeile):
            a = z[i - bpp] if i >= bpp else 0
            b, c = vorige[i], (vorige[i - bpp] if i >= bpp else 0)
            z[i] = (z[i] + (0, a, b, (a + b) // 2, _paeth(a, b, c))[f]) & 0xFF
        vorige = z
        if bpp == 4:
            del z[3::4]
        pixel += z
    return Bild(w, h, pixel), interlace, [len(d) for d in idats], strom, filter_


def png_bild(pfad):
    with open(pfad, "rb") as f:
        return lade_png(f.read())[0]


def pruefe_png_datei(pfad, soll):
    with open(pfad, "rb") as f:
        bild, interlace, idats, strom, filter_ = lade_png(f.read())
    pruefe(interlace == 0, "PNG ohne Interlacing")
    pruefe(max(idats) <= 65535, "IDAT-Blöcke höchstens 65535 Bytes: %d" % max(idats))
    pruefe(strom[:2] == b"\x78\x5e", "zlib-Kopf 78 5E (Stufe 2 bis 5): %s" % strom[:2].hex())
    pruefe(set(filter_) == {1}, "Jede Zeile mit dem Filter Sub: %s" % sorted(set(filter_)))
    pruefe((bild.breite, bild.hoehe) == (soll.breite, soll.hoehe),
           "PNG-Größe %dx%d" % (bild.breite, bild.hoehe))
    pruefe(bild.daten == soll.daten, "PNG gleich dem eingefrorenen Bild")


STD_LUMINANZ = [16, 11, 10, 16, 24, 40, 51, 61, 12, 12, 14, 19, 26, 58, 60, 55,
                14, 13, 16, 24, 40, 57, 69, 56, 14, 17, 22, 29, 51, 87, 80, 62,
                18, 22, 37, 56, 68, 109, 103, 77, 24, 35, 55, 64, 81, 104, 113, 92,
                49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99]
STD_CHROMINANZ = [17, 18, 24, 47] + [99] * 4 + [18, 21, 26, 66] + [99] * 4 + \
                 [24, 26, 56] + [99] * 5 + [47, 66] + [99] * 38
ZICKZACK = [0, 1, 8, 16, 9, 2, 3, 10, 17, 24, 32, 25, 18, 11, 4, 5, 12, 19, 26, 33, 40, 48,
            41, 34, 27, 20, 13, 6, 7, 14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22,
            15, 23, 30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55,
            62, 63]


def tabelle_q99(basis):
    return bytes(max(1, (basis[i] * 2 + 50) // 100) for i in ZICKZACK)


def pruefe_jpeg_datei(pfad, breite, hoehe):
    with open(pfad, "rb") as f:
        d = f.read()
    pruefe(d[:2] == b"\xff\xd8", "JPEG-Signatur")
    pos, sof, tabellen = 2, None, {}
    while pos + 4 <= len(d) and d[pos] == 0xFF:
        art, n = d[pos + 1], struct.unpack(">H", d[pos + 2:pos + 4])[0]
        inhalt = d[pos + 4:pos + 2 + n]
        pruefe(art != 0xC2, "JPEG nicht progressiv")
        if art == 0xC0:
            sof = inhalt
        if art == 0xDB:
            for i in range(0, len(inhalt), 65):
                pruefe(inhalt[i] >> 4 == 0, "8-Bit-Quantisierungstabelle")
                tabellen[inhalt[i] & 15] = inhalt[i + 1:i + 65]
        if art == 0xDA:
            break
        pos += 2 + n
    pruefe(sof is not None, "Baseline-Rahmen SOF0")
    p, h, w, k = struct.unpack(">BHHB", sof[:6])
    pruefe((p, w, h, k) == (8, breite, hoehe, 3), "SOF0: %d Bit, %dx%d, %d Komponenten" %
           (p, w, h, k))
    pruefe(tabellen.get(0) == tabelle_q99(STD_LUMINANZ), "Luminanztabelle der Qualität 99")
    pruefe(tabellen.get(1) == tabelle_q99(STD_CHROMINANZ), "Chrominanztabelle der Qualität 99")


def png_datei(bild):
    roh = b"".join(b"\x00" + bild.ausschnitt_zeile(0, y, bild.breite) for y in range(bild.hoehe))

    def chunk(typ, inhalt):
        return struct.pack(">I", len(inhalt)) + typ + inhalt + \
            struct.pack(">I", zlib.crc32(typ + inhalt) & 0xFFFFFFFF)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", bild.breite, bild.hoehe,
                                                              8, 2, 0, 0, 0)) + \
        chunk(b"IDAT", zlib.compress(roh)) + chunk(b"IEND", b"")


# --- the program -------------------------------------------------------
class Ablauf:
    def __init__(self, s, werte, saat, path_extra=None):
        self.s = s
        self.vorher = Bild.muster(B, H, saat)
        s.zeige_hintergrund(self.vorher)
        env = {}
        if path_extra:
            env["PATH"] = path_extra + ":" + os.environ["PATH"]
        self.app = app = Skribano(s, env)
        home = app.env["HOME"]
        self.dokumente = os.path.join(home, "Dokumente")
        # The documents folder as the desktop names it.
        os.makedirs(app.env["XDG_CONFIG_HOME"], exist_ok=True)
        with open(os.path.join(app.env["XDG_CONFIG_HOME"], "user-dirs.dirs"), "w") as f:
            f.write('XDG_DOCUMENTS_DIR="$HOME/Dokumente"\n')
        self.ordner = os.path.join(self.dokumente, "Skribano", "Bilder")
        konfig = os.path.join(app.env["XDG_CONFIG_HOME"], "Quorvel", "Skribano.conf")
        os.makedirs(os.path.dirname(konfig))
        werte = dict({"ScreenshotDir": "%docdir%\\\\Skribano\\\\Bilder"}, **werte)
        with open(konfig, "w") as f:
            f.write("[General]\n" + "".join("%s=%s\n" % kv for kv in werte.items()))
        app.starten()
        self.oid, _ = app.zeichenmodus((0, 0, B, H))
        self.werkzeug = app.werkzeug_rahmen()
        self.fenster = [app.werkzeug, self.oid]

    def bereich_waehlen(self):
        """The area (100, 150) to (299, 249): 200 by 100 pixels."""
        self.s.taste(self.oid, "alt+b")
        self.s.ziehen([(100, 150), (200, 200), (299, 249)])

    def dateien(self):
        return sorted(os.listdir(self.ordner)) if os.path.isdir(self.ordner) else []

    def warte_auf_dateien(self, n):
        return warte_bis(lambda: len(self.dateien()) >= n and self.dateien(),
                         text="%d Dateien im Screenshot-Ordner" % n)

    def meldung_beantworten(self, *teile):
        """Waits for the message box whose text holds every one of teile,
        then closes it with Return."""
        warte_bis(lambda: all(t in self.app.ausgabe() for t in teile),
                  text="Meldung: " + " ".join(teile))
        mid, _ = warte_auf_menu(self.app, self.fenster)
        self.s.xdotool("windowactivate", "--sync", mid)
        self.s.xdotool("key", "Return")
        warte_ohne_menu(self.app, self.fenster)


def screenshots_f7_f8(display):
    with Sitzung(display, B, H) as s:
        attrappe = os.path.join(s.ordner, "attrappe")
        os.makedirs(attrappe)
        protokoll = os.path.join(s.ordner, "xdg-open.txt")
        with open(os.path.join(attrappe, "xdg-open"), "w") as f:
            f.write('#!/bin/sh\necho "$@" >> %s\n' % protokoll)
        os.chmod(os.path.join(attrappe, "xdg-open"), 0o755)
        a = Ablauf(s, {}, 21, path_extra=attrappe)
        # The pen's mark lies under the pointer on the picture.
        s.zeiger_nach(600, 400)
        s.taste(a.oid, "F7")
        # While a screenshot is stored the overlay takes no keys.
        a.warte_auf_dateien(1)
        warte_ohne_menu(a.app, a.fenster)
        # The overlay keeps the keyboard after the message window.
        s.xdotool("key", "F7")
        namen = a.warte_auf_dateien(2)
        muster = re.compile(r"^(\d{8}-\d{6})-(\d{3,})\.png$")
        treffer = [muster.match(n) for n in namen]
        pruefe(all(treffer) and [t.group(2) for t in treffer] == ["001", "002"],
               "Namen yyyymmdd-hhnnss-001.png und -002.png: %s" % namen)
        for n in namen:
            pruefe_png_datei(os.path.join(a.ordner, n), a.vorher)
        s.taste(a.oid, "F8")
        namen = a.warte_auf_dateien(3)
        pruefe(namen[2].endswith("-003.jpg"), "JPEG mit der nächsten Nummer: %s" % namen)
        pruefe_jpeg_datei(os.path.join(a.ordner, namen[2]), B, H)
        s.taste(a.oid, "ctrl+o")
        warte_bis(lambda: os.path.exists(protokoll), text="xdg-open wird aufgerufen")
        with open(protokoll) as f:
            pruefe(f.read().strip() == a.ordner, "xdg-open mit dem Screenshot-Ordner")
        pruefe(a.app.p.poll() is None, "Programm läuft weiter")


def speichern_unter_bereich(display):
    with Sitzung(display, B, H) as s:
        a = Ablauf(s, {}, 22)
        a.bereich_waehlen()
        ziel = os.path.join(s.ordner, "ablage")
        os.makedirs(ziel)

        def speichern_unter(name):
            s.taste(a.oid, "ctrl+u")
            did, _ = warte_auf_menu(a.app, a.fenster)
            s.xdotool("windowactivate", "--sync", did)
            s.xdotool("type", "--delay", 20, os.path.join(ziel, name))
            s.xdotool("key", "Return")
        speichern_unter("bild.PNG")
        warte_bis(lambda: os.path.exists(os.path.join(ziel, "bild.PNG")), text="bild.PNG")
        warte_ohne_menu(a.app, a.fenster)
        bild = png_bild(os.path.join(ziel, "bild.PNG"))
        pruefe((bild.breite, bild.hoehe) == (200, 100), "Bereich 200x100: %dx%d" % (bild.breite, bild.hoehe))
        pruefe(bild.pixel(0, 0) == a.vorher.pixel(100, 150), "Oben links das Pixel des Bereichs")
        pruefe(all(bild.ausschnitt_zeile(0, y, 200) == a.vorher.ausschnitt_zeile(100, 150 + y, 200)
                   for y in range(100)), "Der ganze Bereich")
        speichern_unter("bild.jpeg")
        a.meldung_beantworten("Speichern fehlgeschlagen wegen ungültiger Dateinamenserweiterung.")
        pruefe(os.listdir(ziel) == ["bild.PNG"], "bild.jpeg wird nicht geschrieben: %s" %
               os.listdir(ziel))
        pruefe(a.app.p.poll() is None, "Programm läuft weiter")


def auto_screenshot(display):
    with Sitzung(display, B, H) as s:
        a = Ablauf(s, {"AutoScreenshot": 1}, 23)
        a.bereich_waehlen()
        a.app.start_fertig_klicken()
        a.app.warte_ohne_overlay()
        namen = a.dateien()
        pruefe(len(namen) == 1 and namen[0].endswith("-001.png"), "Ein Screenshot: %s" % namen)
        pruefe_png_datei(os.path.join(a.ordner, namen[0]), a.vorher)


def auto_screenshot_ohne_ordner(display):
    with Sitzung(display, B, H) as s:
        datei = os.path.join(s.ordner, "datei")
        open(datei, "w").close()
        # A folder of over 5,000 characters: its box fits on the screen and
        # the OK button at its bottom right takes a click.
        ordner = datei + "/Bilder" * 715
        a = Ablauf(s, {"AutoScreenshot": 1, "ScreenshotDir": ordner}, 24)
        a.app.start_fertig_klicken()
        warte_bis(lambda: "konnte nicht erstellt werden:\n" + ordner + "\n" in a.app.ausgabe())
        box, (x, y, w, h) = warte_auf_menu(a.app, a.fenster)
        rx, ry, rw, rh = s.aussenrahmen(box)
        pruefe(min(rx, ry) >= 0 and rx + rw <= B and ry + rh <= H, "Meldung zu groß: %d" % rh)
        s.klick(x + w - 50, y + h - 23)
        warte_ohne_menu(a.app, a.fenster)
        pruefe(a.app.overlay() is not None, "Das Overlay bleibt")
        warte_auf_bild(s, a.vorher, [a.werkzeug], "Das eingefrorene Bild bleibt")


def zwischenablage(display):
    with Sitzung(display, B, H) as s:
        a = Ablauf(s, {}, 25)
        s.zeiger_nach(600, 400)
        s.taste(a.oid, "ctrl+c")

        def ziele():
            r = subprocess.run(["xclip", "-selection", "clipboard", "-t", "TARGETS", "-o"],
                               env=s.env, capture_output=True, timeout=20)
            return r.stdout.decode(errors="replace").split()
        pruefe("image/png" in warte_bis(lambda: "image/png" in ziele() and ziele(),
                                        text="image/png in der Zwischenablage"), "image/png")
        r = subprocess.run(["xclip", "-selection", "clipboard", "-t", "image/png", "-o"],
                           env=s.env, capture_output=True, timeout=20)
        kopie = lade_png(r.stdout)[0]
        pruefe(kopie.daten == a.vorher.daten, "Die Kopie ist das Bild ohne Werkzeugmarke")

        # A stroke, then a picture from outside as the new background.
        for t in ("shift+alt+6", "ctrl+1", "alt+s"):
            s.taste(a.oid, t)
        s.ziehen([(300 + 20 * i, 500) for i in range(21)])
        x, y, w, h = a.app.werkzeug_geometrie()
        s.zeiger_nach(x + w // 2, y + 14)
        mit_strich = warte_bis(lambda: (lambda b: b if b.pixel(500, 500) == (0, 0, 0) else None)(
            s.bildschirm()), text="Strich erscheint")
        klein = Bild.muster(100, 100, 7)
        pfad = os.path.join(s.ordner, "klein.png")
        with open(pfad, "wb") as f:
            f.write(png_datei(klein))
        s.starte(["xclip", "-quiet", "-selection", "clipboard", "-t", "image/png", "-i", pfad],
                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        warte_bis(lambda: "image/png" in ziele(), text="xclip bietet das Bild an")
        s.taste(a.oid, "ctrl+v")
        soll = Bild(B, H, b"".join(
            klein.ausschnitt_zeile(0, yy, 100) + bytes(GRAU) * (B - 100) if yy < 100
            else bytes(GRAU) * B for yy in range(H)))
        warte_auf_bild(s, soll, [a.werkzeug], "Eingefügtes Bild oben links, Grau herum")
        s.taste(a.oid, "ctrl+BackSpace")
        warte_auf_bild(s, mit_strich, [a.werkzeug], "Rückgängig: alter Hintergrund mit Strich")

        s.starte(["xclip", "-quiet", "-selection", "clipboard", "-i", "/dev/null"],
                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        warte_bis(lambda: "image/png" not in ziele(), text="Nur Text in der Zwischenablage")
        s.taste(a.oid, "ctrl+v")
        a.meldung_beantworten("In der Zwischenablage befindet sich kein Bild.")
        warte_auf_bild(s, mit_strich, [a.werkzeug], "Ohne Bild bleibt alles")
        pruefe(a.app.p.poll() is None, "Programm läuft weiter")
