"""Installs Skribano into a temporary DESTDIR under the prefix /usr, checks
the installed files, validates the desktop entry and the AppStream metainfo
with the desktop's own tools, and starts the installed command on a virtual X
server up to its tool window.

installation_test.py BUILDDIR SOURCEDIR VERSION DISPLAY"""

import configparser
import gzip
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import traceback
import xml.etree.ElementTree as ET

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from e2e import Fehlschlag, Sitzung, Skribano, pruefe  # noqa: E402

import installationsliste  # noqa: E402
from installationsliste import ID, PROGRAMMORDNER  # noqa: E402


def installieren(build, ziel):
    env = dict(os.environ, DESTDIR=ziel)
    r = subprocess.run(["cmake", "--install", build, "--prefix", "/usr"], env=env,
                       capture_output=True, text=True, timeout=120)
    pruefe(r.returncode == 0, "cmake --install: " + r.stdout + r.stderr)


def vorhandene(ziel):
    gefunden = set()
    for ordner, _, dateien in os.walk(ziel):
        for d in dateien:
            gefunden.add(os.path.relpath(os.path.join(ordner, d), ziel))
    return gefunden


def pruefe_dateiliste(ziel, quelle):
    erwartet = installationsliste.dateien(quelle)
    gefunden = vorhandene(ziel)
    pruefe(gefunden == erwartet, "Dateiliste: es fehlen %s, zu viel sind %s" %
           (sorted(erwartet - gefunden), sorted(gefunden - erwartet)))
    befehl = os.path.join(ziel, "usr/bin/skribano")
    pruefe(os.path.islink(befehl) and os.readlink(befehl) == "../lib/skribano/skribano",
           "usr/bin/skribano ist ein relativer Verweis in den Programmordner")
    pruefe(os.access(os.path.join(ziel, PROGRAMMORDNER, "skribano"), os.X_OK),
           "Programm ausführbar")
    # Only this name beside the program would switch the language.
    pruefe(not os.path.exists(os.path.join(ziel, PROGRAMMORDNER, "skribano_translation.ini")),
           "keine aktive Übersetzungsdatei")
    for name in installationsliste.uebersetzungen(quelle):
        with open(os.path.join(quelle, "resources/translations", name), "rb") as a, \
                open(os.path.join(ziel, PROGRAMMORDNER, "translations", name), "rb") as b:
            pruefe(a.read() == b.read(), "Übersetzung %s unverändert installiert" % name)


def pruefe_dokumente(ziel, version):
    doku = os.path.join(ziel, "usr/share")
    with gzip.open(os.path.join(doku, "doc/skribano/changelog.gz"), "rt", encoding="utf-8") as f:
        kopf = f.readline()
    pruefe(kopf.startswith("skribano (%s) " % version),
           "jüngster Eintrag der Änderungsliste ist Version %s: %s" % (version, kopf.strip()))
    with gzip.open(os.path.join(doku, "man/man1/skribano.1.gz"), "rt", encoding="utf-8") as f:
        pruefe('"Skribano %s"' % version in f.readline(), "Handbuchseite nennt Version " + version)


def png_groesse(pfad):
    with open(pfad, "rb") as f:
        kopf = f.read(24)
    pruefe(kopf[:8] == b"\x89PNG\r\n\x1a\n" and kopf[12:16] == b"IHDR", "%s ist ein PNG" % pfad)
    return struct.unpack(">II", kopf[16:24])


def pruefe_icons(ziel, quelle):
    for g in installationsliste.ICON_GROESSEN:
        pfad = os.path.join(ziel, "usr/share/icons/hicolor/%dx%d/apps/%s.png" % (g, g, ID))
        pruefe(png_groesse(pfad) == (g, g), "Icon %dx%d hat die Größe %s" % (g, g, png_groesse(pfad)))
    with open(os.path.join(quelle, "resources/icons/skribano.svg"), "rb") as a, \
            open(os.path.join(ziel, "usr/share/icons/hicolor/scalable/apps/%s.svg" % ID), "rb") as b:
        pruefe(a.read() == b.read(), "skalierbares Icon ist die Zeichnung")


def werkzeug(argv):
    r = subprocess.run(argv, capture_output=True, text=True, timeout=60)
    return r.returncode, (r.stdout + r.stderr).strip()


def desktop_eintrag(ziel):
    pfad = os.path.join(ziel, "usr/share/applications/%s.desktop" % ID)
    code, ausgabe = werkzeug(["desktop-file-validate", pfad])
    pruefe(code == 0 and ausgabe == "", "desktop-file-validate: " + ausgabe)
    eintrag = configparser.ConfigParser(interpolation=None)
    eintrag.optionxform = str
    eintrag.read(pfad, encoding="utf-8")
    e = eintrag["Desktop Entry"]
    pruefe(e["Name"] == "Skribano" and e["Exec"] == "skribano" and e["Icon"] == ID,
           "Name, Befehl und Icon: %s" % dict(e))
    pruefe(e["Categories"] == "Graphics;2DGraphics;", "Kategorien: " + e["Categories"])
    for schluessel in ("Comment", "Comment[de]", "Keywords", "Keywords[de]"):
        pruefe(e.get(schluessel, ""), "Eintrag hat " + schluessel)
    aktionen = {eintrag["Desktop Action " + a]["Name"]: eintrag["Desktop Action " + a]["Exec"]
                for a in e.get("Actions", "").split(";") if a}
    pruefe(aktionen == {"Zeichnen starten": "skribano --start", "Beenden": "skribano --quit"},
           "Aktionen des Eintrags: %s" % aktionen)
    return e


def metainfo(ziel, quelle, version):
    pfad = os.path.join(ziel, "usr/share/metainfo/%s.metainfo.xml" % ID)
    code, ausgabe = werkzeug(["appstreamcli", "validate", "--no-net", pfad])
    pruefe(code == 0 and not re.search(r"^[EW]:", ausgabe, re.M), "appstreamcli: " + ausgabe)
    code, ausgabe = werkzeug(["appstreamcli", "validate-tree", "--no-net", os.path.join(ziel, "usr")])
    pruefe(code == 0 and not re.search(r"^[EW]:", ausgabe, re.M), "appstreamcli validate-tree: " + ausgabe)
    wurzel = ET.parse(pfad).getroot()
    pruefe(wurzel.findtext("launchable") == ID + ".desktop", "startet über den Desktop-Eintrag")
    # Every screenshot the site serves is kept in the source tree at its size.
    for bild in wurzel.iter("image"):
        pfad_bild = os.path.join(quelle, "packaging/screenshots", os.path.basename(bild.text))
        pruefe(bild.text.startswith("https://skribano.example.org/") and os.path.exists(pfad_bild),
               "Screenshot %s liegt in packaging/screenshots" % bild.text)
        pruefe(png_groesse(pfad_bild) == (int(bild.get("width")), int(bild.get("height"))),
               "Screenshot %s hat die angegebene Größe" % bild.text)
    release = wurzel.find("releases/release")
    # The version the info box shows is the release's version and date.
    with open(os.path.join(quelle, "src/app/data.cpp"), encoding="utf-8") as f:
        treffer = re.search(r'VersionText\s*=\s*QStringLiteral\("([^"]*)"\)', f.read())
    pruefe(treffer, "VersionText in src/app/data.cpp gefunden")
    erwartet = version + "." + release.get("date").replace("-", ".")
    pruefe(release.get("version") == version and treffer.group(1) == erwartet,
           "Release %s vom %s passt zu VersionText %s" %
           (release.get("version"), release.get("date"), treffer.group(1)))


def installiertes_programm_starten(ziel, display, fensterklasse):
    befehl = os.path.join(ziel, "usr/bin/skribano")
    with Sitzung(display, 1280, 720, binary=befehl) as s:
        app = Skribano(s).starten()
        pruefe(os.path.realpath("/proc/%d/exe" % app.p.pid) ==
               os.path.realpath(os.path.join(ziel, PROGRAMMORDNER, "skribano")),
               "läuft aus dem Programmordner")
        klasse = s.befehl("xprop", "-id", app.werkzeug, "WM_CLASS")
        pruefe(klasse.strip().endswith('"%s"' % fensterklasse),
               "Fensterklasse %s passt zu StartupWMClass=%s" % (klasse.strip(), fensterklasse))


def freie_anzeige(erste):
    n = erste
    while os.path.exists("/tmp/.X%d-lock" % n) or os.path.exists("/tmp/.X11-unix/X%d" % n):
        n += 1
    return n


def main():
    if len(sys.argv) != 5:
        print(__doc__)
        return 2
    build, quelle, version, display = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
    ziel = tempfile.mkdtemp(prefix="skribano-install-")
    try:
        installieren(build, ziel)
        pruefe_dateiliste(ziel, quelle)
        pruefe_icons(ziel, quelle)
        pruefe_dokumente(ziel, version)
        eintrag = desktop_eintrag(ziel)
        metainfo(ziel, quelle, version)
        installiertes_programm_starten(ziel, freie_anzeige(display), eintrag["StartupWMClass"])
    except Fehlschlag as f:
        traceback.print_exc()
        print("FEHLGESCHLAGEN:", f)
        return 1
    finally:
        shutil.rmtree(ziel, ignore_errors=True)
    print("BESTANDEN: Installation")
    return 0


if __name__ == "__main__":
    sys.exit(main())
