#!/usr/bin/env python3
"""Measures Start at 1920x1080 and 3840x2160 on a virtual X server under
openbox: the time from the Start click to the overlay showing the frozen
picture (Google Benchmark, median of the repetitions) and the resident
memory of the real program when idle and in drawing mode.

    bench/start_messung.py BUILD_DIR"""

import json
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from e2e import Bild, Sitzung, Skribano  # noqa: E402


def rss_kib(pid):
    with open("/proc/%d/status" % pid) as f:
        for zeile in f:
            if zeile.startswith("VmRSS:"):
                return int(zeile.split()[1])
    return 0


def messe(build, display, breite, hoehe):
    with Sitzung(display, breite, hoehe, binary=os.path.join(build, "skribano")) as s:
        s.zeige_hintergrund(Bild.muster(breite, hoehe, 0))
        env = dict(s.env, QT_QPA_PLATFORM="xcb", QT_ENABLE_HIGHDPI_SCALING="0",
                   XDG_RUNTIME_DIR=os.path.join(s.ordner, "run"))
        os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700, exist_ok=True)
        r = subprocess.run([os.path.join(build, "bench", "skribano_bench"),
                            "--benchmark_filter=BM_StartBisOverlaySichtbar",
                            "--benchmark_repetitions=5", "--benchmark_format=json"],
                           env=env, capture_output=True, text=True, timeout=600)
        ergebnisse = json.loads(r.stdout)["benchmarks"]
        median = [b for b in ergebnisse if b.get("aggregate_name") == "median"][0]

        app = Skribano(s).starten()
        time.sleep(1.0)
        leer = rss_kib(app.p.pid)
        app.start_fertig_klicken()
        app.warte_auf_overlay((0, 0, breite, hoehe))
        time.sleep(0.5)
        gestartet = rss_kib(app.p.pid)
        s.ziehen([(200 + 20 * i, 300) for i in range(20)])
        time.sleep(0.5)
        zeichnen = rss_kib(app.p.pid)
        bild_kib = breite * hoehe * 4 / 1024
        return (median["real_time"], leer, (gestartet - leer) / bild_kib,
                (zeichnen - leer) / bild_kib)


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build"
    print("Größe       Start→Overlay (Median)  RSS bereit  Zuwachs in Vollbildern:"
          " nach Start / nach dem ersten Strich")
    for i, (b, h) in enumerate(((1920, 1080), (3840, 2160))):
        ms, leer, start, strich = messe(build, 191 + i, b, h)
        print("%4dx%-4d   %8.1f ms              %6.1f MiB  %5.2f / %5.2f" %
              (b, h, ms, leer / 1024, start, strich))


if __name__ == "__main__":
    main()
