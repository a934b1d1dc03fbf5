"""Program start and drawing mode on a real X server under openbox."""

import time

from e2e import Bild, Sitzung, Skribano, pruefe, rechteck_abweichungen, warte_bis
from einstellungen_e2e import _lies_konfig

B, H = 1920, 1080


def _abweichungen(s, bild, rect, ausser=()):
    return rechteck_abweichungen(s.bildschirm(), bild, rect, ausser)


def _befehl(app, option):
    code, text, _ = app.befehl(option)
    pruefe(code == 0 and text == "", "skribano %s: Code %d, %s" % (option, code, text))


def einfrieren_zeichnen_fertig(display):
    with Sitzung(display, B, H) as s:
        vorher = Bild.muster(B, H, 0)
        s.zeige_hintergrund(vorher)
        app = Skribano(s).starten()
        wx, wy, ww, wh = app.werkzeug_geometrie()
        pruefe(wh == Skribano.START_HOEHE, "Bereit: nur der Start-Knopf, Höhe %d" % wh)
        pruefe(wx + ww > B - 60 and wy < 60, "Werkzeugfenster oben rechts: %s" % ((wx, wy),))
        # The pointer passes the tool window: what that prepares for a Start
        # is given back after 4 s, and the Start then makes its own.
        s.xdotool("mousemove", "--sync", wx + ww // 2, wy + 13)
        s.xdotool("mousemove", "--sync", 900, 900)
        time.sleep(4.5)
        # Passing it again prepares afresh: the prepared window buffer then
        # holds the screen of that moment, which the Start must paint over.
        s.xdotool("mousemove", "--sync", wx + ww // 2, wy + 13)
        time.sleep(1)
        vorher = Bild.muster(B, H, 4)
        s.zeige_hintergrund(vorher)

        oid, og = app.zeichenmodus((0, 0, B, H))
        werkzeug = app.werkzeug_rahmen()
        # The desktop changes behind the overlay; the overlay keeps the frozen picture.
        s.zeige_hintergrund_ohne_warten(Bild.muster(B, H, 1))
        time.sleep(0.5)
        n, erstes = _abweichungen(s, vorher, (0, 0, B, H), [werkzeug])
        pruefe(n == 0, "Overlay zeigt das eingefrorene Bild: %d Abweichungen, erste %s" % (n, erstes))
        # The tool window is above the overlay and is not in the picture.
        n, _ = _abweichungen(s, vorher, werkzeug)
        pruefe(n > werkzeug[2] * werkzeug[3] // 2, "Werkzeugfenster sichtbar über dem Overlay")

        # A pen stroke; the press activates the overlay, the tool window stays above.
        s.ziehen([(300 + 10 * i, 500) for i in range(41)])
        s.xdotool("mousemove", "--sync", 900, 900)
        jetzt = s.bildschirm()
        geaendert = sum(jetzt.pixel(x, 500) != vorher.pixel(x, 500) for x in range(320, 680))
        pruefe(geaendert == 360, "Strich auf dem Overlay: %d von 360 Pixeln geändert" % geaendert)
        n, erstes = rechteck_abweichungen(jetzt, vorher, (0, 700, B, 100))
        pruefe(n == 0, "Abseits des Strichs unverändert: %d, erste %s" % (n, erstes))
        n, _ = rechteck_abweichungen(jetzt, vorher, app.werkzeug_rahmen())
        pruefe(n > werkzeug[2] * werkzeug[3] // 2, "Werkzeugfenster bleibt über dem aktiven Overlay")

        # Moving the tool window uncovers the overlay: the capture never held it.
        s.xdotool("windowmove", "--sync", app.werkzeug, 600, 200)
        time.sleep(0.3)
        n, erstes = _abweichungen(s, vorher, werkzeug)
        pruefe(n == 0, "Aufnahme ohne Werkzeugfenster: %d Abweichungen, erste %s" % (n, erstes))

        app.start_fertig_klicken()
        app.warte_ohne_overlay()
        warte_bis(lambda: app.werkzeug_geometrie()[3] == Skribano.START_HOEHE,
                  text="Werkzeugfenster zeigt nur Start")
        neu = Bild.muster(B, H, 1)
        n, erstes = _abweichungen(s, neu, (0, 0, B, H), [app.werkzeug_rahmen()])
        pruefe(n == 0, "Fertig gibt den Bildschirm zurück: %d Abweichungen, erste %s" % (n, erstes))
        pruefe(app.p.poll() is None, "Programm läuft weiter")


def tasten_f9_enter_escape(display):
    with Sitzung(display, B, H) as s:
        s.zeige_hintergrund(Bild.muster(B, H, 2))
        app = Skribano(s).starten()
        for taste, fenster in (("F9", "werkzeug"), ("F9", "overlay"), ("Return", "werkzeug"),
                               ("Return", "werkzeug"), ("Escape", "werkzeug"), ("F9", "overlay")):
            zeichnen = app.overlay() is None
            ziel = app.werkzeug if fenster == "werkzeug" else app.overlay()[0]
            s.taste(ziel, taste)
            if zeichnen:
                app.warte_auf_overlay((0, 0, B, H))
                warte_bis(lambda: app.werkzeug_geometrie()[3] > Skribano.START_HOEHE,
                          text="%s im Fenster %s startet den Zeichenmodus" % (taste, fenster))
            else:
                app.warte_ohne_overlay()
                warte_bis(lambda: app.werkzeug_geometrie()[3] == Skribano.START_HOEHE,
                          text="%s im Fenster %s beendet den Zeichenmodus" % (taste, fenster))
        pruefe(app.p.poll() is None, "Programm läuft weiter")


def zweiter_start(display):
    with Sitzung(display, B, H) as s:
        s.zeige_hintergrund(Bild.muster(B, H, 3))
        erster = Skribano(s).starten()
        zweiter = Skribano(s)
        zweiter.log = open(s.ordner + "/zweiter.log", "w+")
        zweiter.p = s.starte([s.binary], env=erster.env, stdout=zweiter.log,
                             stderr=zweiter.log)
        warte_bis(lambda: "Die Anwendung läuft bereits." in zweiter.ausgabe(),
                  text="Meldung des zweiten Starts")
        box = warte_bis(lambda: list(s.fenster(zweiter.p.pid)), text="Meldungsfenster erscheint")
        pruefe(len(box) == 1, "Nur das Meldungsfenster, kein Programmfenster: %s" % box)
        pruefe(zweiter.p.poll() is None, "Die Meldung wartet auf OK")
        s.taste(box[0], "Return")
        pruefe(zweiter.p.wait(timeout=10) == 0, "Zweiter Start endet ohne Fehler")
        pruefe(erster.p.poll() is None, "Der erste läuft weiter")
        pruefe(erster.werkzeug in s.fenster(erster.p.pid), "Sein Werkzeugfenster bleibt")
        erster.start_fertig_klicken()
        overlay, _ = erster.warte_auf_overlay((0, 0, B, H))

        # The options: help, a wrong one, no bus, and --quit saving as a close does.
        code, text, _ = erster.befehl("--help")
        pruefe(code == 0 and all("--" + o in text for o in ("start", "toggle", "quit", "version")),
               "--help nennt die Optionen:\n" + text)
        code, text, _ = erster.befehl("--zeichnen")
        pruefe(code == 2 and "Unbekannte Option „--zeichnen“" in text, "Code %d: %s" % (code, text))
        code, text, dauer = erster.befehl("--toggle", env_extra={
            "DBUS_SESSION_BUS_ADDRESS": "unix:path=" + s.ordner + "/kein-bus"})
        pruefe(code == 1 and "Sitzungsbus ist nicht erreichbar" in text and dauer < 5,
               "Ohne Bus: Code %d nach %.1f s: %s" % (code, dauer, text))
        s.taste(overlay, "ctrl+4")
        time.sleep(0.3)
        _befehl(erster, "--quit")
        pruefe(erster.warte_auf_ende(10, "--quit") == 0, "--quit beendet das Programm normal")
        pruefe(_lies_konfig(erster).get("StiftdickeMode") == "4", "--quit speichert")
        # With none running, --start starts one straight into drawing mode.
        Skribano(s).starten("--start").warte_auf_overlay((0, 0, B, H))


def skalierung_ohne_wirkung(display):
    # Whatever scale factor the desktop asks for, the overlay shows one
    # picture pixel per screen pixel.
    with Sitzung(display, B, H) as s:
        vorher = Bild.muster(B, H, 4)
        s.zeige_hintergrund(vorher)
        app = Skribano(s, {"QT_SCALE_FACTOR": "2", "QT_SCREEN_SCALE_FACTORS": "2"}).starten()
        pruefe(app.werkzeug_geometrie()[2:] == (52, Skribano.START_HOEHE),
               "Werkzeugfenster in Gerätepixeln: %s" % (app.werkzeug_geometrie(),))
        app.start_fertig_klicken()
        app.warte_auf_overlay((0, 0, B, H))
        time.sleep(0.3)
        s.zeige_hintergrund_ohne_warten(Bild.muster(B, H, 5))
        time.sleep(0.5)
        n, erstes = _abweichungen(s, vorher, (0, 0, B, H), [app.werkzeug_rahmen()])
        pruefe(n == 0, "Eins zu eins: %d Abweichungen, erste %s" % (n, erstes))


def zwei_monitore_werkzeugmonitor(display):
    # MonitorMode 0: the monitor under the tool window is frozen and covered,
    # by a click or asked for by another process (--start, then --toggle).
    links, rechts = (0, 0, B, H), (B, 0, B, H)
    with Sitzung(display, 2 * B, H, monitore=[links, rechts]) as s:
        bild = Bild.muster(2 * B, H, 6)
        s.zeige_hintergrund(bild)
        app = Skribano(s).starten()
        for monitor, anderer, ort in ((links, rechts, None), (rechts, links, (B + 800, 300))):
            if ort:
                s.xdotool("windowmove", "--sync", app.werkzeug, *ort)
                time.sleep(0.3)
                _befehl(app, "--start")
            else:
                app.start_fertig_klicken()
            app.warte_auf_overlay(monitor)
            time.sleep(0.3)
            if ort:
                _befehl(app, "--start")  # drawing already: nothing happens
            neu = Bild.muster(2 * B, H, 7 if ort is None else 6)
            eingefroren = bild
            s.zeige_hintergrund_ohne_warten(neu)
            time.sleep(0.7)
            schirm = s.bildschirm()
            n, erstes = rechteck_abweichungen(schirm, eingefroren, monitor, [app.werkzeug_rahmen()])
            pruefe(n == 0, "Monitor %s eingefroren: %d, erste %s" % (monitor, n, erstes))
            n, erstes = rechteck_abweichungen(schirm, neu, anderer, [app.werkzeug_rahmen()])
            pruefe(n == 0, "Monitor %s frei: %d, erste %s" % (anderer, n, erstes))
            if ort:
                _befehl(app, "--toggle")
            else:
                app.start_fertig_klicken()
            app.warte_ohne_overlay()
            bild = neu
        for zeichnen in (True, False):
            _befehl(app, "--toggle")
            if zeichnen:
                app.warte_auf_overlay(rechts)
            else:
                app.warte_ohne_overlay()
            warte_bis(lambda: (app.werkzeug_geometrie()[3] > Skribano.START_HOEHE) == zeichnen,
                      text="--toggle: Zeichenmodus %s" % zeichnen)


def wiederholter_start_4k(display):
    """Each Start at 3840 x 2160 shows exactly the screen of its moment, though
    the memory of the last capture and its drawing is used again."""
    b, h = 3840, 2160
    with Sitzung(display, b, h) as s:
        s.zeige_hintergrund(Bild.muster(b, h, 4))
        app = Skribano(s).starten()
        for saat in (4, 5, 6):
            bild = Bild.muster(b, h, saat)
            app.start_fertig_klicken()
            app.warte_auf_overlay((0, 0, b, h))
            time.sleep(0.5)
            werkzeug = app.werkzeug_rahmen()
            n, erstes = _abweichungen(s, bild, (0, 0, b, h), [werkzeug])
            pruefe(n == 0, "Start %d zeigt das eingefrorene Bild: %d Abweichungen, erste %s" %
                   (saat - 3, n, erstes))
            # A stroke changes the picture the next Start's memory held.
            s.ziehen([(2000 + 20 * i, 1500) for i in range(41)])
            s.xdotool("mousemove", "--sync", 3000, 1900)
            jetzt = s.bildschirm()
            geaendert = sum(jetzt.pixel(x, 1500) != bild.pixel(x, 1500) for x in range(2020, 2780))
            pruefe(geaendert == 760, "Strich auf dem Overlay: %d von 760 Pixeln" % geaendert)
            app.start_fertig_klicken()
            app.warte_ohne_overlay()
            s.zeige_hintergrund(Bild.muster(b, h, saat + 1))
