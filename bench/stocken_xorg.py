#!/usr/bin/env python3
"""Times what a user of the real program may wait for at 3840x2160, on an
Xorg server with the dummy driver under openbox, each figure as the median
with its range (min-max) over the runs, beside the figure it replaces:

- the first Start of a fresh process, click -> overlay painted, once with
  the pointer coming into the tool window 300 ms before the click, once with
  the pointer moved there in the same instant as the click; the second
  Start of the same process; the resident memory in the ready state, at
  rest and a few seconds after the pointer passed the tool window;
- the pen: event -> pixel of every segment of the first three strokes after
  a Start, the first begun 0.3, 1 and 2 s after the click (xstroke), the
  worst segment of each run;
- F7 and F8: key -> final file for a photo-like and a desktop-like picture
  (xsave), with the file's size.

    bench/stocken_xorg.py [--runs 7] [--display 530] BINARY

Runs in several minutes; not part of ./test.sh: it measures, it does not
test."""

import argparse
import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

HIER = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HIER)
from start_xorg import XorgSitzung, last, rss_mib  # noqa: E402
from e2e import Bild, Skribano, pruefe, warte_bis  # noqa: E402

BREITE, HOEHE = 3840, 2160
VERZOEGERUNGEN = (0.3, 1.0, 2.0)
# Figures of the program before this measurement existed (medians of 7).
BISHER = {"erster_warnung": 129, "erster_ohne": 129, "zweiter": 83, "rss_bereit": 34,
          "strich": 67, "png_foto": 709}


def werkzeuge(ordner):
    q = os.path.join(HIER, "xorg")
    w = {n: os.path.join(ordner, n) for n in ("xovl", "xstroke", "xsave")}
    subprocess.run(["gcc", "-O2", "-o", w["xovl"], os.path.join(q, "xovl.c"), "-lX11", "-lXtst",
                    "-lXdamage", "-lXfixes"], check=True)
    subprocess.run(["g++", "-O2", "-x", "c++", "-o", w["xstroke"], os.path.join(q, "xstroke.c"),
                    "-lX11", "-lXtst"], check=True)
    subprocess.run(["gcc", "-O2", "-o", w["xsave"], os.path.join(q, "xsave.c"), "-lX11",
                    "-lXtst"], check=True)
    return w


def vorlagen(bench, ordner):
    """The output benchmark's photo-like and desktop-like pictures as PPM."""
    env = dict(os.environ, SKRIBANO_VORLAGEN=ordner, QT_QPA_PLATFORM="offscreen")
    subprocess.run([bench, "--benchmark_filter=BM_VorlagenAblegen"], env=env, check=True,
                   capture_output=True, timeout=300)
    return {n: os.path.join(ordner, n + ".ppm") for n in ("foto", "desktop")}


def klick_start(s, w, app, warnung):
    """Clicks Start; ms from the click to the overlay painted. With warnung
    the pointer comes from outside into the tool window 300 ms before."""
    x, y, b, h = app.werkzeug_geometrie()
    cx, cy = x + b // 2, y + 13
    if warnung:
        s.xdotool("mousemove", str(cx), str(cy))
        time.sleep(0.15)
    # xovl moves the pointer 150 ms before its click, or with -n at once.
    r = subprocess.run([w["xovl"], "-t", "10000", "-c", str(cx), str(cy)] +
                       ([] if warnung else ["-n"]), env=s.env, capture_output=True, text=True,
                       timeout=30)
    m = re.search(r"damage_half_ms=(-?[\d.]+)", r.stdout)
    pruefe(m and float(m.group(1)) >= 0, "xovl sah kein Overlay:\n" + r.stdout)
    return float(m.group(1)), time.monotonic()


def strich(s, w, y):
    """One stroke of 30 segments 30 ms apart; event -> pixel of each in ms
    (xstroke prints them sorted). A segment not seen within xstroke's limit
    of a second counts as 1000 ms."""
    r = subprocess.run([w["xstroke"], "400", str(y), "100", "0", "30", "30"], env=s.env,
                       capture_output=True, text=True, timeout=60)
    m = re.search(r"^all_ms (.*)$", r.stdout, re.M)
    verpasst = re.search(r"missed=(\d+)", r.stdout)
    pruefe(m and verpasst, "xstroke sah keinen Strich:\n" + r.stdout)
    return [float(v) for v in m.group(1).split()] + [1000.0] * int(verpasst.group(1))


def zeiger_weg(s):
    s.xdotool("mousemove", "200", str(HOEHE - 200))


def ein_prozess(s, w, binary, verzoegerung, warnung):
    s.binary = binary
    zeiger_weg(s)
    app = Skribano(s).starten()
    time.sleep(1.5)
    werte = {"rss_bereit": rss_mib(app.p.pid)}
    if not warnung:
        # The pointer passes the tool window without a click: whatever was
        # prepared for a Start is let go again.
        x, y, b, h = app.werkzeug_geometrie()
        s.xdotool("mousemove", str(x + b // 2), str(y + 13))
        time.sleep(0.3)
        zeiger_weg(s)
        time.sleep(6)
        werte["rss_vorbei"] = rss_mib(app.p.pid)
    werte["erster"], t = klick_start(s, w, app, warnung)
    time.sleep(max(0.0, verzoegerung - (time.monotonic() - t) - werte["erster"] / 1000))
    werte["striche"] = [strich(s, w, HOEHE // 4 + i * HOEHE // 6) for i in range(3)]
    time.sleep(0.5)
    zeiger_weg(s)
    app.start_fertig_klicken()
    app.warte_ohne_overlay()
    time.sleep(1.0)
    werte["zweiter"], _ = klick_start(s, w, app, True)
    app.p.terminate()
    app.p.wait(timeout=10)
    s.prozesse.remove(app.p)
    return werte


def speichern(s, w, binary, vorlage, laeufe):
    """F7 (PNG) and F8 (JPEG) of the frozen picture: ms and bytes of each run."""
    with open(vorlage, "rb") as f:
        s.zeige_hintergrund(Bild(BREITE, HOEHE, f.read().split(b"\n", 3)[3]))
    s.binary = binary
    app = Skribano(s)
    ordner = os.path.join(app.env["HOME"], "Bilder")
    os.makedirs(ordner, exist_ok=True)
    konfig = os.path.join(app.env["XDG_CONFIG_HOME"], "Quorvel", "Skribano.conf")
    os.makedirs(os.path.dirname(konfig), exist_ok=True)
    with open(konfig, "w") as f:
        f.write("[General]\nScreenshotDir=%s\n" % ordner)
    app.starten()
    time.sleep(1.0)
    oid, _ = app.zeichenmodus((0, 0, BREITE, HOEHE))
    s.xdotool("mousemove", str(BREITE - 5), str(HOEHE - 5))
    s.xdotool("windowactivate", "--sync", str(oid))
    ergebnis = {"F7": [], "F8": []}
    for _ in range(laeufe):
        for taste in ("F7", "F8"):
            time.sleep(1.0)
            r = subprocess.run([w["xsave"], "-d", ordner, "-K", taste], env=s.env,
                               capture_output=True, text=True, timeout=60)
            m = re.search(r"file_ms=([\d.]+) size=(\d+)", r.stdout)
            pruefe(m, "xsave sah keine Datei:\n" + r.stdout)
            ergebnis[taste].append((float(m.group(1)), int(m.group(2))))
    app.p.terminate()
    app.p.wait(timeout=10)
    s.prozesse.remove(app.p)
    shutil.rmtree(ordner, ignore_errors=True)
    return ergebnis


def zeile(text, werte, bisher=None, einheit="ms"):
    if not werte:
        return
    neben = "" if bisher is None else "   (bisher %s %s)" % (bisher, einheit)
    print("  %-58s %7.1f %s  (%.1f–%.1f, n=%d)%s" %
          (text, statistics.median(werte), einheit, min(werte), max(werte), len(werte), neben))


def main():
    a = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    a.add_argument("--runs", type=int, default=7)
    a.add_argument("--display", type=int, default=530)
    a.add_argument("--bench", default=None, help="skribano_bench (default: beside BINARY)")
    a.add_argument("binary")
    args = a.parse_args()
    binary = os.path.abspath(args.binary)
    bench = args.bench or os.path.join(os.path.dirname(binary), "bench", "skribano_bench")
    last_vorher = last()
    with tempfile.TemporaryDirectory() as ordner:
        w = werkzeuge(ordner)
        bilder = vorlagen(bench, ordner)
        laeufe = []
        with XorgSitzung(args.display, BREITE, HOEHE) as s:
            s.zeige_hintergrund(Bild.muster(BREITE, HOEHE, 0))
            for _ in range(args.runs):
                for v in VERZOEGERUNGEN:
                    laeufe.append((v, True, ein_prozess(s, w, binary, v, True)))
                laeufe.append((1.0, False, ein_prozess(s, w, binary, 1.0, False)))
            gespeichert = {n: speichern(s, w, binary, p, args.runs) for n, p in bilder.items()}
    print("\n3840x2160, Xorg dummy + openbox  (Last vorher %s, nachher %s)" % (last_vorher, last()))
    mit = [l for v, warn, l in laeufe if warn]
    ohne = [l for v, warn, l in laeufe if not warn]
    zeile("1. Start, Zeiger 300 ms vorher im Werkzeugfenster", [l["erster"] for l in mit],
          BISHER["erster_warnung"])
    zeile("1. Start, Zeiger und Klick zugleich", [l["erster"] for l in ohne],
          BISHER["erster_ohne"])
    zeile("2. Start", [l["zweiter"] for l in mit + ohne], BISHER["zweiter"])
    zeile("RSS bereit, in Ruhe", [l["rss_bereit"] for l in mit + ohne], BISHER["rss_bereit"],
          "MiB")
    zeile("RSS bereit, 6 s nach dem Zeiger über dem Fenster", [l["rss_vorbei"] for l in ohne],
          BISHER["rss_bereit"], "MiB")
    for v in VERZOEGERUNGEN:
        zeile("Stift, schlimmstes Segment der 3 Striche ab %.1f s" % v,
              [max(max(st) for st in l["striche"]) for vv, warn, l in laeufe if vv == v and warn],
              "%s (1 s)" % BISHER["strich"] if v == 1.0 else None)
    alle = [x for _, _, l in laeufe for st in l["striche"] for x in st]
    zeile("Stift, alle Segmente", alle)
    for n, e in gespeichert.items():
        zeile("F7 PNG %s: Taste -> Datei" % n, [ms for ms, _ in e["F7"]],
              BISHER["png_foto"] if n == "foto" else None)
        zeile("F7 PNG %s: Größe" % n, [b / 1e6 for _, b in e["F7"]], None, "MB")
        zeile("F8 JPEG %s: Taste -> Datei" % n, [ms for ms, _ in e["F8"]])


if __name__ == "__main__":
    main()
