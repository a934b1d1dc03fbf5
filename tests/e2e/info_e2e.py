"""The info box and the settings dialog on the real program under openbox:
F1 and Alt+F1, Escape, the settings applied at once and stored at the end,
and the online help handed to a stand-in browser or reported missing."""

import os
import subprocess
import time

from e2e import Bild, Sitzung, Skribano, pruefe, warte_bis
from einstellungen_e2e import _beenden_mit_schliessen, _lies_konfig, _schreibe_konfig, _zeichenmodus

B, H = 1280, 800
HILFE = "https://skribano.example.org/hilfe.php"
# Client positions of the info box's help button and the settings dialog's
# screenshot folder field and first extra-colour panel, as the dialogs lay
# them out.
HILFE_KNOPF = (472 + 72, 489 + 15)
SCREENSHOT_FELD = (483 + 16 + 100, 8 + 36 + 11)
ZUSATZFARBE_1 = (483 + 180 + 50, 240 + 20 + 11)


def _namen(app):
    return {i: app.s.befehl("xdotool", "getwindowname", i, pruefen=False).strip()
            for i in app._fenster()}


def _fenster_namens(app, name):
    return [i for i, n in _namen(app).items() if n == name]


def _warte_auf(app, name, zeit=10.0):
    return warte_bis(lambda: (_fenster_namens(app, name) or [None])[0], zeit=zeit,
                     text="Fenster %r erscheint" % name)


def _warte_weg(app, name):
    warte_bis(lambda: not _fenster_namens(app, name), text="Fenster %r verschwindet" % name)


def _klick_im_fenster(app, fenster, punkt):
    x, y, _, _ = app.s.geometrie(fenster)
    app.s.klick(x + punkt[0], y + punkt[1])


def f1_und_alt_f1(display):
    with Sitzung(display, B, H) as s:
        s.zeige_hintergrund(Bild.muster(B, H, 3))
        app = Skribano(s).starten()
        # F1 in the ready state: the info box alone.
        s.taste(app.werkzeug, "F1")
        info = _warte_auf(app, "Info")
        time.sleep(0.5)
        pruefe(not _fenster_namens(app, "Einstellungen"), "F1 öffnet keine Einstellungen")
        pruefe(s.geometrie(info)[2:] == (624, 565), "Info 624 x 565: %s" % (s.geometrie(info),))
        s.taste(info, "Escape")
        _warte_weg(app, "Info")

        # Alt+F1 on the overlay: the settings at once, over the info box.
        overlay = _zeichenmodus(app, (0, 0, B, H))
        s.taste(overlay, "alt+F1")
        einst = _warte_auf(app, "Einstellungen")
        pruefe(_fenster_namens(app, "Info"), "Info ist hinter den Einstellungen offen")
        pruefe(s.geometrie(einst)[2:] == (958, 433), "Einstellungen 958 x 433")
        s.taste(einst, "Escape")
        _warte_weg(app, "Einstellungen")
        info = _warte_auf(app, "Info")
        time.sleep(1.0)
        pruefe(not _fenster_namens(app, "Einstellungen"), "Kein zweites Mal Einstellungen")
        pruefe(len(_fenster_namens(app, "Info")) == 1, "Info bleibt offen")
        s.taste(info, "Escape")
        _warte_weg(app, "Info")
        pruefe(app.overlay() is not None, "Zeichenmodus bleibt")

        # F1 on the overlay: the info box alone, as in the ready state.
        s.taste(overlay, "F1")
        info = _warte_auf(app, "Info")
        time.sleep(0.5)
        pruefe(not _fenster_namens(app, "Einstellungen"), "F1 beim Zeichnen: keine Einstellungen")
        s.taste(info, "Escape")
        _warte_weg(app, "Info")

        # Alt+F1 in the tool window while drawing does the same.
        s.taste(app.werkzeug, "alt+F1")
        einst = _warte_auf(app, "Einstellungen")
        s.taste(einst, "Escape")
        info = _warte_auf(app, "Info")
        s.taste(info, "Escape")
        _warte_weg(app, "Info")


def _anderes_programm_und_zurueck(s, fenster):
    """Another program's window becomes active, then fenster again."""
    s.starte(["xmessage", "-name", "anderes", "ein anderes Programm"], stdout=subprocess.DEVNULL,
             stderr=subprocess.DEVNULL)
    anderes = warte_bis(lambda: s.befehl("xdotool", "search", "--onlyvisible", "--classname",
                                         "anderes", pruefen=False).split(),
                        text="Anderes Programm erscheint")[0]
    s.xdotool("windowactivate", "--sync", anderes)
    s.xdotool("windowactivate", "--sync", fenster)


def ok_wirkt_sofort_und_bleibt(display):
    with Sitzung(display, B, H) as s:
        s.zeige_hintergrund(Bild.muster(B, H, 4))
        app = Skribano(s)
        _schreibe_konfig(app, {"MonitorMode": 7, "ScreenshotDir": "/tmp/anderswo"})
        app.starten()
        # The info box alone first, then the settings over it.
        s.taste(app.werkzeug, "F1")
        s.taste(_warte_auf(app, "Info"), "Escape")
        _warte_weg(app, "Info")
        overlay = _zeichenmodus(app, (0, 0, B, H))
        s.klick(400, 300)
        s.taste(overlay, "alt+F1")
        einst = _warte_auf(app, "Einstellungen")
        s.taste(einst, "alt+b")
        s.xdotool("key", "ctrl+a")
        s.xdotool("type", "40")
        _klick_im_fenster(app, einst, SCREENSHOT_FELD)
        s.xdotool("key", "ctrl+a", "BackSpace")
        # Made active again before OK: what was typed stays.
        _anderes_programm_und_zurueck(s, einst)
        s.xdotool("key", "Return")
        _warte_weg(app, "Einstellungen")
        # At once, still drawing: a tool window 82 pixels wide.
        warte_bis(lambda: app.werkzeug_geometrie()[2] == 82,
                  text="Werkzeugfenster 82 breit, ist %s" % (app.werkzeug_geometrie(),))
        pruefe(app.werkzeug_geometrie()[3] > Skribano.START_HOEHE and app.overlay(),
               "Zeichenmodus bleibt")
        s.taste(_warte_auf(app, "Info"), "Escape")
        _warte_weg(app, "Info")
        # Closed with its keys while drawing: the program ends at once.
        s.taste(app.werkzeug, "alt+F4")
        pruefe(app.warte_auf_ende(2, "Alt+F4 auf dem Werkzeugfenster") == 0, "Ende ohne Fehler")
        werte = _lies_konfig(app)
        pruefe(werte.get("WerkzeugGroesseX") == "40", "WerkzeugGroesseX=%s" %
               werte.get("WerkzeugGroesseX"))
        pruefe(werte.get("MonitorMode") == "0", "MonitorMode=%s" % werte.get("MonitorMode"))
        # The settings file doubles every backslash.
        pruefe(werte.get("ScreenshotDir") == r"%docdir%\\Skribano\\Screenshots",
               "ScreenshotDir=%s" % werte.get("ScreenshotDir"))


def groesse_5000_mit_enter(display):
    with Sitzung(display, B, H) as s:
        app = Skribano(s).starten()
        s.taste(app.werkzeug, "F1")
        info = _warte_auf(app, "Info")
        s.taste(info, "alt+e")
        einst = _warte_auf(app, "Einstellungen")
        # The real colour dialog for the first extra colour: the colour picked
        # stays on the panel when the settings dialog is active again.
        _klick_im_fenster(app, einst, ZUSATZFARBE_1)
        farbe = warte_bis(lambda: [i for i, n in _namen(app).items()
                                   if n not in ("Info", "Einstellungen", "Skribano")],
                          text="Farbdialog erscheint")[0]
        s.taste(farbe, "alt+h")
        s.xdotool("key", "ctrl+a")
        s.xdotool("type", "#123456")
        s.xdotool("key", "Return")
        warte_bis(lambda: farbe not in _namen(app), text="Farbdialog schließt")
        s.taste(einst, "alt+b")
        s.xdotool("key", "ctrl+a")
        s.xdotool("type", "5000")
        # Enter while the field still has the focus.
        s.xdotool("key", "Return")
        _warte_weg(app, "Einstellungen")
        warte_bis(lambda: app.werkzeug_geometrie()[2] == 202,
                  text="Werkzeugfenster 202 breit, ist %s" % (app.werkzeug_geometrie(),))
        s.taste(_warte_auf(app, "Info"), "Escape")
        _warte_weg(app, "Info")
        _beenden_mit_schliessen(app)
        werte = _lies_konfig(app)
        pruefe(werte.get("WerkzeugGroesseX") == "100", "WerkzeugGroesseX=100")
        pruefe(werte.get("ZusatzCol1") == str(0x563412), "ZusatzCol1=%s" % werte.get("ZusatzCol1"))


def _ohne_handler(s):
    # The desktop's opener finds no handler of its own and no browser but
    # the one in BROWSER.
    leer = os.path.join(s.ordner, "leer")
    os.makedirs(leer, exist_ok=True)
    return {"XDG_DATA_HOME": leer, "XDG_DATA_DIRS": leer}


def _hilfe_klicken(app):
    app.s.taste(app.werkzeug, "F1")
    info = _warte_auf(app, "Info")
    _klick_im_fenster(app, info, HILFE_KNOPF)
    return info


def hilfe_an_browser(display):
    with Sitzung(display, B, H) as s:
        ausgabe = os.path.join(s.ordner, "browser.txt")
        browser = os.path.join(s.ordner, "browser")
        with open(browser, "w") as f:
            f.write("#!/bin/sh\nprintf '%%s|%%s' \"$#\" \"$1\" > %s\n" % ausgabe)
        os.chmod(browser, 0o755)
        env = _ohne_handler(s)
        env["BROWSER"] = browser
        app = Skribano(s, env).starten()
        info = _hilfe_klicken(app)
        warte_bis(lambda: os.path.exists(ausgabe) and os.path.getsize(ausgabe) > 0,
                  text="Browser bekommt die Adresse")
        with open(ausgabe) as f:
            inhalt = f.read()
        pruefe(inhalt == "1|" + HILFE, "Übergeben: %r" % inhalt)
        time.sleep(0.5)
        pruefe(not _fenster_namens(app, "Skribano")[1:], "Keine Fehlermeldung")
        s.taste(info, "Escape")
        _warte_weg(app, "Info")


def hilfe_ohne_browser(display):
    with Sitzung(display, B, H) as s:
        env = _ohne_handler(s)
        env["BROWSER"] = os.path.join(s.ordner, "gibt-es-nicht")
        app = Skribano(s, env).starten()
        info = _hilfe_klicken(app)
        # The error box: a second window titled "Skribano", at once, not
        # after the 10 s a browser is given (5 s leave room for a busy machine).
        box = warte_bis(lambda: [i for i in _fenster_namens(app, "Skribano") if i != app.werkzeug],
                        zeit=5.0, text="Fehlermeldung erscheint")[0]
        text = HILFE + " kann nicht geöffnet werden. Sie benötigen einen Internet-Browser"
        pruefe("Skribano: " + text in app.ausgabe(), "Meldungstext:\n" + app.ausgabe())
        s.taste(box, "Return")
        warte_bis(lambda: box not in _namen(app), text="Fehlermeldung schließt")
        pruefe(_fenster_namens(app, "Info") == [info], "Info bleibt offen")
        s.taste(info, "Escape")
        _warte_weg(app, "Info")
