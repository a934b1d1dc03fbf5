"""The translation file beside a copy of the real program."""

import os
import shutil

from e2e import Sitzung, Skribano, pruefe, warte_bis

DATEI = "skribano_translation.ini"
INHALT = "[skribano_translation]\nauswahl_auswahlbereich = Save, now; please # all of it\n"


def _kopie(s, ordner_name):
    ordner = os.path.join(s.ordner, ordner_name)
    os.makedirs(ordner)
    s.binary = shutil.copy(s.binary, ordner)
    return ordner


def _dialog_heisst(s, app, titel):
    """Opens the area dialog with F2 from the tool window and waits until a
    window of the program has the title."""
    s.taste(app.werkzeug, "F2")

    def namen():
        return [s.befehl("xdotool", "getwindowname", i, pruefen=False).strip()
                for i in app._fenster()]
    warte_bis(lambda: titel in namen(), text="Dialog heißt %r" % titel)
    pruefe(app.p.poll() is None, "Programm läuft weiter")


def datei_beim_programm(display):
    """A file beside the program renames the dialog, commas, semicolon and
    "#" included."""
    with Sitzung(display, 1024, 768) as s:
        ordner = _kopie(s, "programm")
        with open(os.path.join(ordner, DATEI), "w", encoding="utf-8") as f:
            f.write("\ufeff" + INHALT)
        app = Skribano(s).starten()
        _dialog_heisst(s, app, "Save, now; please # all of it")


def datei_anderswo(display):
    """The same file in other folders (the home, another folder) changes
    nothing."""
    with Sitzung(display, 1024, 768) as s:
        _kopie(s, "programm")
        anderswo = os.path.join(s.ordner, "anderswo")
        os.makedirs(anderswo)
        for o in (anderswo, s.env["HOME"]):
            with open(os.path.join(o, DATEI), "w", encoding="utf-8") as f:
                f.write(INHALT)
        app = Skribano(s).starten()
        _dialog_heisst(s, app, "Auswahlbereich")
