"""The e-mail hand-over on the real program with a stand-in mail program
(MAILER names a script that records its arguments and ends with the code
found in a file), and without any mail program; the question at close
about the e-mail files of the run."""

import glob
import os
import re
import struct
import time
import urllib.parse

from drucken_e2e import fenster_namens
from e2e import Bild, Sitzung, Skribano, pruefe, rechteck_abweichungen, warte_bis
from einstellungen_e2e import _schreibe_konfig
from referenz import warte_auf_menu

B, H = 1280, 800
ERFOLG = "Skribano: Die Nachricht wurde dem E-Mail-Programm erfolgreich übermittelt."
FEHLER = "Skribano: Der E-Mail-Versand wurde abgebrochen oder es ist ein Fehler aufgetreten."
FRAGE = "E-Mail-Screenshot(s) wurde(n) im Ordner "


class Ablauf:
    def __init__(self, s, umgebung, einstellungen=None):
        self.s = s
        s.zeige_hintergrund(Bild.muster(B, H, 3))
        self.app = app = Skribano(s, env_extra=umgebung)
        if einstellungen:
            _schreibe_konfig(app, einstellungen)
        app.starten()
        self.overlay, _ = app.zeichenmodus((0, 0, B, H))

    def dateien(self):
        return sorted(glob.glob(os.path.join(self.app.env["HOME"], "**", "Email", "*.png"),
                                recursive=True))

    def als_png_versenden(self, waehrenddessen=lambda beginn: None):
        """Chooses "Als PNG-Bild versenden..." from the menu of Ctrl+M, runs
        waehrenddessen(time of the choice) and returns the seconds until the
        program reported the outcome."""
        bekannt = list(self.s.fenster(self.app.p.pid))
        self.s.taste(self.overlay, "ctrl+m")
        warte_auf_menu(self.app, bekannt)
        vorher = self.app.ausgabe().count("Skribano: ")
        # From the moment the key has reached the X server.
        self.s.xdotool("key", "p")
        beginn = time.monotonic()
        waehrenddessen(beginn)
        warte_bis(lambda: self.app.ausgabe().count("Skribano: ") > vorher, zeit=20,
                  text="Meldung nach dem Versand")
        return time.monotonic() - beginn

    def letzte_meldung(self):
        return [z for z in self.app.ausgabe().splitlines() if z.startswith("Skribano: ")][-1]

    def meldung_beantworten(self, taste):
        """Answers the open message box with taste."""
        app = self.app
        def box():
            return [f for f in fenster_namens(app, "Skribano") if f not in (app.werkzeug,
                                                                            self.overlay)]
        b = warte_bis(box, text="Meldungsfenster erscheint")[0]
        self.s.taste(b, taste)
        warte_bis(lambda: not box(), text="Meldungsfenster schließt sich")

    def schliessen(self):
        self.s.schliessen(self.app.werkzeug)
        warte_bis(lambda: FRAGE in self.app.ausgabe().split("Skribano: ")[-1],
                  text="Frage nach den E-Mail-Dateien")


def _mailprogramm(ordner):
    skript = os.path.join(ordner, "post.sh")
    with open(skript, "w") as f:
        f.write('#!/bin/sh\nprintf "%%s\\n" "$@" >> "%s/argumente"\nexit $(cat "%s/code")\n'
                % (ordner, ordner))
    os.chmod(skript, 0o755)
    return skript


def _aufrufe(ordner):
    with open(os.path.join(ordner, "argumente")) as f:
        return f.read().splitlines()


def _code(ordner, code):
    with open(os.path.join(ordner, "code"), "w") as f:
        f.write("%d\n" % code)


def _wartezeiger(home):
    """A still wait pointer (Xcursor, 24x24) in the user's pointer theme, which
    XFixes names "wait": the frames of an animated one have no name."""
    os.makedirs(os.path.join(home, ".icons/default/cursors"))
    with open(os.path.join(home, ".icons/default/cursors/wait"), "wb") as f:
        f.write(struct.pack("<4s15I", b"Xcur", 16, 0x10000, 1, 0xfffd0002, 24, 28, 36,
                            0xfffd0002, 24, 1, 24, 24, 12, 12, 0) + b"\xff" * 2304)


def versand_und_frage_beim_schliessen(display):
    with Sitzung(display, B, H) as s:
        post = os.path.join(s.ordner, "post")
        os.makedirs(post)
        # The e-mail folder below a regular file cannot be created; then no
        # file can be written in it; both times no number is kept.
        ordner = os.path.join(s.env["HOME"], "ziel", "Email")
        open(os.path.dirname(ordner), "w").close()
        _wartezeiger(s.env["HOME"])
        a = Ablauf(s, {"MAILER": _mailprogramm(post)}, {"EmailDir": ordner})
        a.als_png_versenden()
        pruefe("Versand konnte nicht erstellt werden:\n%s\nKorrigieren" % ordner in
               a.app.ausgabe(), "Ordnermeldung: " + a.letzte_meldung())
        a.meldung_beantworten("Return")
        os.remove(os.path.dirname(ordner))
        os.makedirs(os.path.dirname(ordner))
        os.symlink("/proc", ordner)
        a.als_png_versenden()
        datei = r"Datei konnte nicht erstellt werden:\n%s/\d{8}-\d{6}-001\.png\n" % re.escape(ordner)
        pruefe(re.search(datei, a.app.ausgabe()), "Schreibfehler: " + a.letzte_meldung())
        a.meldung_beantworten("Return")
        os.remove(ordner)

        # A mail program that fails: the file goes again.
        _code(post, 1)
        a.als_png_versenden()
        pruefe(a.letzte_meldung() == FEHLER, "Fehlermeldung: " + a.letzte_meldung())
        a.meldung_beantworten("Return")
        pruefe(a.dateien() == [], "Keine Datei nach dem Fehlschlag: %s" % a.dateien())

        # Handed over: the file stays, with the number given back before.
        _code(post, 0)
        a.als_png_versenden()
        pruefe(a.letzte_meldung().startswith(ERFOLG), "Erfolgsmeldung: " + a.letzte_meldung())
        a.meldung_beantworten("Return")
        dateien = a.dateien()
        pruefe(len(dateien) == 1 and dateien[0].endswith("-001.png"),
               "Eine Datei -001.png im E-Mail-Ordner: %s" % dateien)
        aufrufe = _aufrufe(post)
        pruefe(len(aufrufe) == 2, "Zwei Aufrufe des Mailprogramms: %s" % aufrufe)
        kopf = "mailto:?subject=Screenshot&attach="
        pruefe(aufrufe[1].startswith(kopf) and
               urllib.parse.unquote(aufrufe[1][len(kopf):]) == dateien[0],
               "Betreff und Anhang: %s" % aufrufe[1])

        # Ctrl+E in both windows: a new message with the subject only.
        for fenster in (a.overlay, a.app.werkzeug):
            s.taste(fenster, "ctrl+e")
            n = len(aufrufe) + 1
            aufrufe = warte_bis(lambda: _aufrufe(post) if len(_aufrufe(post)) >= n else None,
                                text="Ctrl+E ruft das Mailprogramm auf")
            pruefe(aufrufe[-1] == "mailto:?subject=Screenshot", "Ctrl+E: %s" % aufrufe[-1])

        # Still running at the limit: handed over. Meanwhile the wait pointer
        # shows, a tool button lights up under the pointer, a drag draws nothing.
        with open(os.path.join(post, "post.sh"), "w") as f:
            f.write("#!/bin/sh\nsleep 30\n")
        x, y, w, h = a.app.werkzeug_geometrie()
        knopf = (x + w * 3 // 4 - 8, y + h - 21, 16, 16)
        s.zeiger_nach(600, 400)
        vorher = s.bildschirm()

        def waehrenddessen(beginn):
            warte_bis(lambda: s.zeigerbild() == b"wait", zeit=2, schritt=0.002, text="Wartezeiger")
            pruefe(time.monotonic() - beginn < 0.2, "Wartezeiger zu spät")
            s.ziehen([(300, 500), (400, 500), (500, 500)])
            s.zeiger_nach(knopf[0] + 8, knopf[1] + 8)
            warte_bis(lambda: rechteck_abweichungen(s.bildschirm(), vorher, knopf)[0], text="Hover")
            pruefe(a.app.ausgabe().count(ERFOLG) == 1, "Alles vor dem Ende des Wartens")
        pruefe(a.als_png_versenden(waehrenddessen) > 9.5 and a.letzte_meldung().startswith(ERFOLG),
               "Erfolg erst an der Frist: " + a.letzte_meldung())
        a.meldung_beantworten("Return")
        pruefe(rechteck_abweichungen(s.bildschirm(), vorher, (280, 480, 240, 40))[0] == 0,
               "Kein Strich vom Ziehen während des Wartens")
        dateien = a.dateien()

        # Abbrechen keeps the program and the files; Ja deletes the file whose
        # mail program has ended, keeps the other and ends.
        a.schliessen()
        pruefe(("1 " + FRAGE) in a.app.ausgabe(), "Frage nennt eine Datei")
        a.meldung_beantworten("Escape")
        time.sleep(0.5)
        pruefe(a.app.p.poll() is None, "Programm läuft nach Abbrechen weiter")
        pruefe(a.dateien() == dateien, "Datei bleibt nach Abbrechen")
        a.schliessen()
        a.meldung_beantworten("Return")
        pruefe(a.app.p.wait(timeout=20) == 0, "Programm endet nach Ja:\n" + a.app.ausgabe())
        pruefe(a.dateien() == dateien[1:], "Ja löscht nur die erste Datei: %s" % a.dateien())


def kein_mailprogramm(display):
    with Sitzung(display, B, H) as s:
        leer = os.path.join(s.ordner, "leer")
        os.makedirs(leer)
        s.env.pop("MAILER", None)
        # No handler for mailto anywhere xdg-mime looks.
        a = Ablauf(s, {"XDG_DATA_DIRS": leer, "XDG_CONFIG_DIRS": leer})
        dauer = a.als_png_versenden()
        pruefe(a.letzte_meldung() == FEHLER, "Fehlermeldung: " + a.letzte_meldung())
        # At once, not after the 5 s the desktop's mail handler is given
        # (the picture is saved first; 3 s leave room for a busy machine).
        pruefe(dauer < 3.0, "Fehlermeldung nach %.2f s" % dauer)
        a.meldung_beantworten("Return")
        pruefe(a.dateien() == [], "Keine Datei ohne Mailprogramm: %s" % a.dateien())
        pruefe(a.app.p.poll() is None, "Programm läuft weiter")
