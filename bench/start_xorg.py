#!/usr/bin/env python3
"""Times Start of the real program on an Xorg server with the dummy driver
(closer to a desktop than Xvfb) under openbox, at 1920x1080 and 3840x2160.

For every run a fresh process is started; its Start button is clicked by
XTest (xovl) twelve times, with "Fertig" in between. Recorded: click ->
overlay mapped and click -> overlay painted (XDamage over half the window)
for the first Start and for Starts 4-12, and the resident memory in the
ready state, with the overlay up and after three strokes. Several binaries
are measured with their runs interleaved, so that a before/after comparison
sees the same load. Prints medians beside faultcost's price of fresh memory.
With --toggle every even Start from the 4th on is asked for by
"skribano --toggle" (launched by xovl, through the session's own bus)
instead of the click, so both ways are timed side by side.

    bench/start_xorg.py [--runs 7] [--sizes 1920,3840] [--display 520] [--toggle] BINARY...

Needs root or an Xorg allowed to read a -config outside /etc (packages in
scripts/install-deps.sh). Not part of ./test.sh: it measures, it does not test."""

import argparse
import os
import re
import statistics
import subprocess
import sys
import tempfile
import time

HIER = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HIER, "..", "tests", "e2e"))
from e2e import Bild, Sitzung, Skribano, pruefe, warte_bis  # noqa: E402

GROESSEN = {1920: (1920, 1080), 3840: (3840, 2160)}
STARTS = 12


class XorgSitzung(Sitzung):
    """A session on Xorg with the dummy driver instead of Xvfb."""

    def _starte_x(self):
        pruefe(not os.path.exists("/tmp/.X11-unix/X" + self.display[1:]),
               "Anzeige %s ist schon belegt" % self.display)
        conf = os.path.join(HIER, "xorg", "xorg-%d.conf" % self.breite)
        self.starte(["Xorg", self.display, "-config", conf, "-logfile",
                     os.path.join(self.ordner, "xorg.log"), "-noreset", "-nolisten", "tcp"],
                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        warte_bis(lambda: subprocess.run(["xdotool", "getdisplaygeometry"], env=self.env,
                                         capture_output=True).returncode == 0,
                  zeit=30, text="Xorg startet")
        self.starte(["openbox", "--sm-disable"], stdout=subprocess.DEVNULL,
                    stderr=subprocess.DEVNULL)
        warte_bis(lambda: "window id" in self.befehl("xprop", "-root", "_NET_SUPPORTING_WM_CHECK",
                                                     pruefen=False),
                  text="Fenstermanager startet")


def werkzeuge_bauen(ordner):
    quellen = os.path.join(HIER, "xorg")
    xovl = os.path.join(ordner, "xovl")
    faultcost = os.path.join(ordner, "faultcost")
    subprocess.run(["gcc", "-O2", "-o", xovl, os.path.join(quellen, "xovl.c"), "-lX11", "-lXtst",
                    "-lXdamage", "-lXfixes"], check=True)
    subprocess.run(["gcc", "-O2", "-o", faultcost, os.path.join(quellen, "faultcost.c")],
                   check=True)
    return xovl, faultcost


def rss_mib(pid):
    with open("/proc/%d/status" % pid) as f:
        for zeile in f:
            if zeile.startswith("VmRSS:"):
                return int(zeile.split()[1]) / 1024
    return 0.0


def start_klicken(sitzung, xovl, app, umschalten=False):
    """Clicks Start through xovl, or runs "skribano --toggle" through it; the
    times in ms from the trigger of the X events that mark the phases: tool
    window hidden, first window created (the overlay, at the first Start
    only), overlay mapped and painted."""
    x, y, w, h = app.werkzeug_geometrie()
    ausloeser = (["--", sitzung.binary, "--toggle"] if umschalten
                 else ["-c", str(x + w // 2), str(y + 13)])
    r = subprocess.run([xovl, "-v", "-t", "10000"] + ausloeser,
                       env=app.env, capture_output=True, text=True, timeout=30)

    def erstes(muster):
        m = re.search(muster, r.stdout)
        return float(m.group(1)) if m else float("nan")
    t = {"versteckt": erstes(r"ev t=([\d.]+) unmap"),
         "erzeugt": erstes(r"ev t=([\d.]+) create"),
         "gemappt": erstes(r"map_ms=(-?[\d.]+)"),
         "gemalt": erstes(r"damage_half_ms=(-?[\d.]+)")}
    pruefe(t["gemappt"] >= 0 and t["gemalt"] >= 0, "xovl sah kein Overlay:\n" + r.stdout)
    return t


def striche(sitzung, breite, hoehe):
    for i in range(3):
        y = hoehe // 4 + i * hoehe // 6
        sitzung.ziehen([(breite // 5 + k * breite // 40, y) for k in range(20)])


def ein_lauf(sitzung, xovl, binary, breite, hoehe, umschalten):
    """One fresh process: twelve Starts; returns its figures."""
    sitzung.binary = binary
    app = Skribano(sitzung).starten()
    time.sleep(1.5)
    werte = {"rss_bereit": rss_mib(app.p.pid), "spaeter": [], "umschalten": []}
    for n in range(1, STARTS + 1):
        befehl = umschalten and n >= 4 and n % 2 == 0
        zeiten = start_klicken(sitzung, xovl, app, befehl)
        app.warte_auf_overlay((0, 0, breite, hoehe))
        time.sleep(0.3)
        if n == 1:
            werte["erster"] = zeiten
            werte["rss_overlay"] = rss_mib(app.p.pid)
            striche(sitzung, breite, hoehe)
            time.sleep(0.3)
            werte["rss_striche"] = rss_mib(app.p.pid)
        elif n >= 4:
            werte["umschalten" if befehl else "spaeter"].append(zeiten)
        app.start_fertig_klicken()
        app.warte_ohne_overlay()
        time.sleep(0.3)
    app.p.terminate()
    app.p.wait(timeout=10)
    sitzung.prozesse.remove(app.p)
    return werte


def faultcost_ms(faultcost):
    r = subprocess.run([faultcost], capture_output=True, text=True, timeout=60)
    m = re.search(r"first touch ([\d.]+) ms", r.stdout)
    return float(m.group(1)) if m else float("nan")


def last():
    with open("/proc/loadavg") as f:
        return f.read().split()[0]


def median(werte):
    return statistics.median(werte) if werte else float("nan")


def messe_groesse(display, breite, hoehe, binaries, laeufe, xovl, faultcost, umschalten):
    ergebnisse = {b: [] for b in binaries}
    kosten = []
    with XorgSitzung(display, breite, hoehe) as s:
        s.zeige_hintergrund(Bild.muster(breite, hoehe, 0))
        for _ in range(laeufe):
            for b in binaries:
                ergebnisse[b].append(ein_lauf(s, xovl, b, breite, hoehe, umschalten))
            kosten.append(faultcost_ms(faultcost))
    return ergebnisse, median(kosten)


def bericht(breite, hoehe, ergebnisse, kosten, last_vorher):
    print("\n%dx%d  (Last vorher %s, nachher %s; faultcost: 32 MiB erstmals beschrieben %.1f ms)"
          % (breite, hoehe, last_vorher, last(), kosten))
    print("  %-28s %9s %9s %9s %9s %8s %8s %8s" %
          ("Programm", "1. gemappt", "1. gemalt", "4-12 map", "4-12 malt",
           "RSS ber.", "Overlay", "3 Striche"))
    for b, laeufe in ergebnisse.items():
        def m(schluessel):
            return median([lauf[schluessel] for lauf in laeufe])

        def erster(phase):
            return median([lauf["erster"][phase] for lauf in laeufe])

        def spaeter(phase, art="spaeter"):
            return median([z[phase] for lauf in laeufe for z in lauf[art]])
        print("  %-28s %8.1f  %8.1f  %8.1f  %8.1f  %7.1f  %7.1f  %7.1f" %
              (os.path.basename(b)[-28:], erster("gemappt"), erster("gemalt"),
               spaeter("gemappt"), spaeter("gemalt"), m("rss_bereit"),
               m("rss_overlay"), m("rss_striche")))
        print("    Phasen, 1. Start: Klick -> versteckt %.1f, -> Overlay erzeugt %.1f "
              "(50 ms Wartezeit und Aufnahme), -> gemappt %.1f, -> gemalt %.1f" %
              (erster("versteckt"), erster("erzeugt"), erster("gemappt"), erster("gemalt")))
        print("    Phasen, Starts 4-12: Klick -> versteckt %.1f, -> gemappt %.1f "
              "(50 ms Wartezeit und Aufnahme), -> gemalt %.1f" %
              (spaeter("versteckt"), spaeter("gemappt"), spaeter("gemalt")))
        if laeufe[0]["umschalten"]:
            print("    skribano --toggle statt Klick (Starts 4-12): -> versteckt %.1f, -> gemappt "
                  "%.1f, -> gemalt %.1f, also %+.1f ms gegenüber dem Klick" %
                  (spaeter("versteckt", "umschalten"), spaeter("gemappt", "umschalten"),
                   spaeter("gemalt", "umschalten"),
                   spaeter("gemalt", "umschalten") - spaeter("gemalt")))
    print("  (ms vom Klick, MiB; Mediane über %d Prozesse, Starts 4-12 über alle ihre Starts)"
          % len(next(iter(ergebnisse.values()))))


def main():
    a = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    a.add_argument("--runs", type=int, default=7)
    a.add_argument("--sizes", default="1920,3840")
    a.add_argument("--display", type=int, default=520)
    a.add_argument("--toggle", action="store_true")
    a.add_argument("binaries", nargs="+")
    args = a.parse_args()
    binaries = [os.path.abspath(b) for b in args.binaries]
    with tempfile.TemporaryDirectory() as ordner:
        xovl, faultcost = werkzeuge_bauen(ordner)
        for i, g in enumerate(int(x) for x in args.sizes.split(",")):
            breite, hoehe = GROESSEN[g]
            last_vorher = last()
            ergebnisse, kosten = messe_groesse(args.display + i, breite, hoehe, binaries,
                                               args.runs, xovl, faultcost, args.toggle)
            bericht(breite, hoehe, ergebnisse, kosten, last_vorher)


if __name__ == "__main__":
    main()
