"""The translation file beside a copy of the real program."""

import os
import shutil

from drucken_e2e import fenster_namens
from e2e import Bild, Fehlschlag, Sitzung, Skribano, pruefe, warte_bis
from referenz import Referenz, warte_auf_menu, warte_ohne_menu

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


def _mit_datei(s, inhalt):
    ordner = _kopie(s, "programm")
    with open(os.path.join(ordner, DATEI), "w", encoding="utf-8") as f:
        f.write("[skribano_translation]\n" + inhalt)
    s.zeige_hintergrund(Bild.muster(s.breite, s.hoehe, 31))
    return Skribano(s).starten()


def titel_der_ausgabedialoge(display):
    """The print dialog and the save dialog take their titles from the file,
    commas and semicolons included."""
    with Sitzung(display, 1024, 768) as s:
        app = _mit_datei(s, "druck_bildschirmdrucken=Print it\n"
                            "speichern_bildschirmspeichern=Save, now; please\n")
        overlay, _ = app.zeichenmodus()
        s.taste(overlay, "ctrl+p")
        dialog = warte_bis(lambda: fenster_namens(app, "Print it"), text="Druckdialog „Print it“")
        pruefe(not fenster_namens(app, "Bildschirminhalt drucken"), "Kein deutscher Titel")
        s.taste(dialog[0], "Escape")
        warte_bis(lambda: not fenster_namens(app, "Print it"), text="Druckdialog schließt sich")
        s.taste(overlay, "ctrl+u")
        dialog = warte_bis(lambda: fenster_namens(app, "Save, now; please"),
                           text="Speichern-Dialog „Save, now; please“")
        s.taste(dialog[0], "Escape")
        warte_bis(lambda: not fenster_namens(app, "Save, now; please"),
                  text="Speichern-Dialog schließt sich")
        pruefe(app.p.poll() is None, "Programm läuft weiter")


def _startknopf(app):
    """The pixels of the tool window in the ready state: the Start button,
    with the pointer away from it."""
    warte_bis(lambda: app.werkzeug_geometrie()[3] == Skribano.START_HOEHE,
              text="Werkzeugfenster zeigt nur den Start-Knopf")
    app.s.zeiger_nach(app.s.breite - 1, app.s.hoehe - 1)
    x, y, w, h = app.werkzeug_geometrie()
    bild = app.s.bildschirm()
    return [bild.ausschnitt_zeile(x, y + i, w) for i in range(h)]


def _ruhiger_knopf(app):
    """The Start button once two looks in a row agree."""
    def ruhig():
        erster, zweiter = _startknopf(app), _startknopf(app)
        return erster if erster == zweiter else None
    return warte_bis(ruhig, text="Start-Knopf ruhig")


def _warte_auf_knopf(app, soll):
    """True once the Start button looks like soll; the highlight of the
    pointer that just left it may take a moment to go."""
    try:
        warte_bis(lambda: _startknopf(app) == soll, zeit=5, schritt=0.2)
        return True
    except Fehlschlag:
        return False


def start_text_bleibt(display):
    """"Go" shows in the ready state after the first activation and after
    every "Fertig"; without the file the button looks otherwise."""
    with Sitzung(display, 1024, 768) as s:
        app = _mit_datei(s, "btn_start=Go\n")
        go = _ruhiger_knopf(app)
        for _ in range(2):
            app.zeichenmodus()
            app.start_fertig_klicken()
            app.warte_ohne_overlay()
            pruefe(_warte_auf_knopf(app, go), "Nach „Fertig“ steht wieder „Go“ auf dem Knopf")
        app.s.schliessen(app.werkzeug)
        app.warte_auf_ende(20, "Schließen")
    with Sitzung(display, 1024, 768) as s:
        s.zeige_hintergrund(Bild.muster(s.breite, s.hoehe, 31))
        app = Skribano(s).starten()
        pruefe(not _warte_auf_knopf(app, go), "Ohne Datei steht „Start“ auf dem Knopf, nicht „Go“")


def _stift_in_menue_und_hinweis(s, inhalt):
    """The pixels of the pen's and the line's menu items in the overlay's
    menu, and the width of the pen button's hint window."""
    orte = Referenz(s).orte()
    app = _mit_datei(s, inhalt)
    overlay, _ = app.zeichenmodus()
    fenster = [app.werkzeug, overlay]
    s.xdotool("mousemove", "--sync", s.breite // 2, s.hoehe // 2, "click", 3)
    _, (mx, my, _, _) = warte_auf_menu(app, fenster)
    bild = s.bildschirm()

    def eintrag(name):
        x, y, w, h = orte[name]
        return [bild.ausschnitt_zeile(mx + x, my + y + i, w) for i in range(h)]
    stift, linie = eintrag("Stift1"), eintrag("Linie1")
    s.xdotool("key", "Escape")
    warte_ohne_menu(app, fenster)
    # Hints show over the active window.
    s.xdotool("windowactivate", "--sync", app.werkzeug)
    x, y, _, _ = app.werkzeug_geometrie()
    bx, by, bw, bh = orte["StiftBtn"]
    s.zeiger_nach(x + bx + bw // 2 - 2, y + by + bh // 2)
    s.zeiger_nach(x + bx + bw // 2, y + by + bh // 2)
    _, (_, _, breite, _) = warte_auf_menu(app, fenster)
    return stift, linie, breite


def stift_in_menue_und_hinweis(display):
    """btn_stift changes the pen's menu item and its button's hint, and
    nothing of the line's item."""
    with Sitzung(display, 1024, 768) as s:
        deutsch = _stift_in_menue_und_hinweis(s, "")
    with Sitzung(display, 1024, 768) as s:
        englisch = _stift_in_menue_und_hinweis(s, "btn_stift=Pen\n")
    pruefe(englisch[0] != deutsch[0], "Der Menüeintrag des Stifts ändert sich")
    pruefe(englisch[1] == deutsch[1], "Der Menüeintrag der Linie bleibt")
    pruefe(englisch[2] < deutsch[2], "Der Hinweis „Pen“ ist schmaler als „Zeichenstift“: %d, %d"
           % (englisch[2], deutsch[2]))
