"""Builds the Debian package with CPack from the build folder, reads its
control data and file list, and lets lintian judge it.

paket_test.py BUILDDIR SOURCEDIR VERSION"""

import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import traceback

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from e2e import Fehlschlag, pruefe  # noqa: E402

import installationsliste  # noqa: E402

# Found by dpkg-shlibdeps in the binary; the rest are what the program starts
# or loads at run time without linking to it.
AUS_DEM_PROGRAMM = ("libc6", "libqt6core6", "libqt6gui6", "libqt6widgets6")
ZUR_LAUFZEIT = ("xdg-utils", "qt6-translations-l10n", "libqt6svg6", "fonts-liberation2",
                "fonts-dejavu-core", "qt6-wayland")


def ausfuehren(argv, **kw):
    r = subprocess.run(argv, capture_output=True, text=True, timeout=240, **kw)
    pruefe(r.returncode == 0, "%s: %s%s" % (" ".join(argv), r.stdout, r.stderr))
    return r.stdout


def paket_bauen(build, ausgabe):
    ausfuehren(["cpack", "-G", "DEB", "-B", ausgabe], cwd=build)
    pakete = glob.glob(os.path.join(ausgabe, "*.deb"))
    pruefe(len(pakete) == 1, "genau ein Paket: %s" % pakete)
    return pakete[0]


def steuerdaten(paket):
    felder = {}
    for zeile in ausfuehren(["dpkg-deb", "-I", paket, "control"]).splitlines():
        if zeile and not zeile[0].isspace():
            k, _, v = zeile.partition(":")
            felder[k] = v.strip()
    return felder


def abhaengigkeiten(depends):
    """{package: version condition} of a Depends field."""
    ergebnis = {}
    for eintrag in depends.split(","):
        m = re.fullmatch(r"\s*([a-z0-9.+-]+)\s*(?:\(([^)]*)\))?\s*", eintrag)
        pruefe(m, "Abhängigkeit lesbar: %r" % eintrag)
        ergebnis[m.group(1)] = m.group(2)
    return ergebnis


def pruefe_steuerdaten(paket, version):
    architektur = ausfuehren(["dpkg", "--print-architecture"]).strip()
    pruefe(os.path.basename(paket) == "skribano_%s_%s.deb" % (version, architektur),
           "Debian-Dateiname: " + os.path.basename(paket))
    f = steuerdaten(paket)
    for k, v in (("Package", "skribano"), ("Version", version), ("Architecture", architektur),
                 ("Section", "graphics")):
        pruefe(f.get(k) == v, "%s: %r statt %r" % (k, f.get(k), v))
    abh = abhaengigkeiten(f.get("Depends", ""))
    for name in AUS_DEM_PROGRAMM:
        # A version condition shows it was computed from the binary.
        pruefe(abh.get(name), "Depends nennt %s mit Mindestversion: %s" % (name, f.get("Depends")))
    for name in ZUR_LAUFZEIT:
        pruefe(name in abh, "Depends nennt %s: %s" % (name, f.get("Depends")))


def pruefe_inhalt(paket, quelle):
    gefunden, verweise = set(), {}
    for zeile in ausfuehren(["dpkg-deb", "-c", paket]).splitlines():
        teile = zeile.split()
        rechte, besitzer, pfad = teile[0], teile[1], teile[5]
        pruefe(besitzer == "root/root", "%s gehört root: %s" % (pfad, besitzer))
        if rechte.startswith("d"):
            pruefe(rechte == "drwxr-xr-x", "Ordner %s: %s" % (pfad, rechte))
            continue
        pfad = pfad[2:] if pfad.startswith("./") else pfad
        gefunden.add(pfad)
        if rechte.startswith("l"):
            verweise[pfad] = teile[7]
    erwartet = installationsliste.dateien(quelle)
    pruefe(gefunden == erwartet, "Paketinhalt: es fehlen %s, zu viel sind %s" %
           (sorted(erwartet - gefunden), sorted(gefunden - erwartet)))
    pruefe(verweise == {"usr/bin/skribano": "../lib/skribano/skribano"}, "Verweise: %s" % verweise)


def lintian(paket):
    r = subprocess.run(["lintian", "--fail-on", "error,warning", paket], capture_output=True,
                       text=True, timeout=240)
    print("lintian:\n" + r.stdout + r.stderr)
    pruefe(r.returncode == 0, "lintian meldet Fehler oder Warnungen")


def main():
    if len(sys.argv) != 4:
        print(__doc__)
        return 2
    build, quelle, version = sys.argv[1:]
    ausgabe = tempfile.mkdtemp(prefix="skribano-paket-")
    try:
        paket = paket_bauen(build, ausgabe)
        pruefe_steuerdaten(paket, version)
        pruefe_inhalt(paket, quelle)
        lintian(paket)
    except Fehlschlag as f:
        traceback.print_exc()
        print("FEHLGESCHLAGEN:", f)
        return 1
    finally:
        shutil.rmtree(ausgabe, ignore_errors=True)
    print("BESTANDEN: Debian-Paket")
    return 0


if __name__ == "__main__":
    sys.exit(main())
