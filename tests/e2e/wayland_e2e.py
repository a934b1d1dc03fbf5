"""Skribano on a Wayland desktop: a headless wlroots compositor (sway) with
two outputs of different sizes, pipewire, xdg-desktop-portal and
xdg-desktop-portal-wlr in a private D-Bus session. sway refuses to run as
root, so a scenario started as root drops to an unprivileged user of its
own; it also gets a /tmp of its own, because xdg-desktop-portal-wlr always
writes its picture to /tmp/out.png. The pointer is a real wlroots virtual
pointer (wayvnc's, driven over its VNC socket), keys come from wtype, the
screen is read with grim."""

import ctypes
# Loaded while the interpreter's own files are still readable: a scenario
# started as root goes on as a user who may not read them.
import encodings.idna  # noqa: F401
import glob
import json
import os
import pwd
import shutil
import socket
import struct
import subprocess
import tempfile
import time
import zlib

from e2e import BUS_KONFIGURATION, Bild, Fehlschlag, Lebenslauf, Uebersprungen, pruefe, warte_bis
from e2e import _mit_dem_harness_sterben

NUTZER = "skribano-e2e"
AUSGABE1, AUSGABE2 = (800, 600), (640, 480)
AUSGABE2_X = 800
WERKZEUG_BREITE = 52
# The frame around the tool window's controls inside the overlay.
RAHMEN = 2
START_HOEHE = 27
# Room for the pointer's picture, which the headless compositor draws into
# the output and so into every capture, and for the pen's tool mark under it.
ZEIGER = (-20, -20, 64, 72)

_libc = ctypes.CDLL(None, use_errno=True)
CLONE_NEWNS = 0x00020000
MS_REC, MS_PRIVATE = 0x4000, 0x40000

PROGRAMME = ["sway", "grim", "wtype", "wayvnc", "pipewire", "dbus-daemon", "dbus-send",
             "/usr/libexec/xdg-desktop-portal", "/usr/libexec/xdg-desktop-portal-wlr"]


# --- an unprivileged user with a /tmp of its own --------------------------
def _eigenes_tmp():
    """A mount namespace with a fresh /tmp; False where the kernel or the
    container does not allow one (then the scenarios share /tmp)."""
    if _libc.unshare(CLONE_NEWNS) != 0:
        return False
    if _libc.mount(b"none", b"/", None, MS_REC | MS_PRIVATE, None) != 0:
        return False
    return _libc.mount(b"tmpfs", b"/tmp", b"tmpfs", 0, b"mode=1777") == 0


def _als_nutzer(binary):
    """Returns the program's path usable by the user the scenario runs as.
    As root: the test user is created if missing, the process moves into
    its own /tmp and becomes that user."""
    if os.geteuid() != 0:
        return binary
    for _ in range(20):
        try:
            pw = pwd.getpwnam(NUTZER)
            break
        except KeyError:
            # A scenario started at the same moment may hold the lock.
            subprocess.run(["useradd", "--system", "--no-create-home", "--shell",
                            "/usr/sbin/nologin", NUTZER], capture_output=True)
            time.sleep(0.1)
    else:
        raise Fehlschlag("Der Benutzer %s lässt sich nicht anlegen" % NUTZER)
    # The build tree may lie where the user cannot read, or under the /tmp
    # that the fresh one hides: the program and a sanitizer's suppressions
    # are read first and go where the user can read them.
    optionen = [o for o in os.environ.get("LSAN_OPTIONS", "").split(":") if o]
    dateien = {"skribano": (binary, 0o755)}
    for o in optionen:
        if o.startswith("suppressions="):
            dateien["lsan.supp"] = (o.split("=", 1)[1], 0o644)
    inhalte = {}
    for name, (pfad, _) in dateien.items():
        with open(pfad, "rb") as f:
            inhalte[name] = f.read()
    _eigenes_tmp()
    ordner = tempfile.mkdtemp(prefix="skribano-bin-")
    os.chmod(ordner, 0o755)
    for name, (_, modus) in dateien.items():
        with open(os.path.join(ordner, name), "wb") as f:
            f.write(inhalte[name])
        os.chmod(os.path.join(ordner, name), modus)
    for i, o in enumerate(optionen):
        if o.startswith("suppressions="):
            optionen[i] = "suppressions=" + os.path.join(ordner, "lsan.supp")
    if optionen:
        os.environ["LSAN_OPTIONS"] = ":".join(optionen)
    kopie = os.path.join(ordner, "skribano")
    os.setgroups([])
    os.setgid(pw.pw_gid)
    os.setuid(pw.pw_uid)
    return kopie


def _fehlende_programme():
    fehlend = [p for p in PROGRAMME if not shutil.which(p)]
    plugins = glob.glob("/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so")
    if not plugins:
        fehlend.append("qt6-wayland")
    if not os.path.exists("/usr/share/xdg-desktop-portal/portals/gtk.portal"):
        # xdg-desktop-portal 1.16 offers its Screenshot portal only with
        # an Access implementation beside it.
        fehlend.append("xdg-desktop-portal-gtk")
    return fehlend


# --- pictures ---------------------------------------------------------------
def _png(pfad, bild):
    zeilen = b"".join(b"\0" + bild.ausschnitt_zeile(0, y, bild.breite) for y in range(bild.hoehe))

    def teil(art, daten):
        return (struct.pack(">I", len(daten)) + art + daten +
                struct.pack(">I", zlib.crc32(art + daten) & 0xffffffff))

    with open(pfad, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(teil(b"IHDR", struct.pack(">IIBBBBB", bild.breite, bild.hoehe, 8, 2, 0, 0, 0)))
        f.write(teil(b"IDAT", zlib.compress(zeilen, 6)))
        f.write(teil(b"IEND", b""))


def _ppm_lesen(daten):
    teile = daten.split(maxsplit=4)
    pruefe(teile[0] == b"P6" and teile[3] == b"255", "grim liefert kein PPM")
    return Bild(int(teile[1]), int(teile[2]), teile[4])


def _zeiger_weg(x, y, skala=1):
    """The pointer's picture at (x, y), on an output of that scale."""
    return (x + ZEIGER[0] * skala, y + ZEIGER[1] * skala, ZEIGER[2] * skala, ZEIGER[3] * skala)


KACHEL = 8


def _kachelmuster(breite, hoehe):
    """Squares of KACHEL pixels in dark colours, each unlike its neighbours."""
    zeilen = []
    for y in range(hoehe):
        zeile = bytearray()
        for x in range(0, breite, KACHEL):
            kx, ky = x // KACHEL, y // KACHEL
            farbe = bytes(((kx * 53 + ky * 97) % 160, (kx * 29 + ky * 71 + 40) % 160,
                           (kx * 83 + ky * 19 + 80) % 160))
            zeile += farbe * min(KACHEL, breite - x)
        zeilen.append(bytes(zeile))
    return Bild(breite, hoehe, b"".join(zeilen))


def _falsch(a, b, x, y, genau):
    """Whether pixel (x, y) of a is wrong against b. Not genau (b a
    _kachelmuster seen through a picture that was enlarged with filtering):
    inside a square it must be exact, on a square's edge a mixture of its
    neighbours."""
    if genau or 0 < x % KACHEL < KACHEL - 1 and 0 < y % KACHEL < KACHEL - 1:
        return a.pixel(x, y) != b.pixel(x, y)
    # Beyond the output's edge the portal's picture is empty (black).
    nachbarn = [b.pixel(u, v) if 0 <= u < b.breite and 0 <= v < b.hoehe else (0, 0, 0)
                for u in range(x - 1, x + 2) for v in range(y - 1, y + 2)]
    return any(not min(n[k] for n in nachbarn) <= a.pixel(x, y)[k] <= max(n[k] for n in nachbarn)
               for k in range(3))


def _falsche_pixel(a, b, ausser, genau=True):
    """The pixels of a that are wrong against b, leaving out the rectangles
    in ausser."""
    falsch = []
    for y in range(a.hoehe):
        if genau and a.ausschnitt_zeile(0, y, a.breite) == b.ausschnitt_zeile(0, y, b.breite):
            continue
        for x in range(a.breite):
            if _falsch(a, b, x, y, genau) and not any(
                    ax <= x < ax + aw and ay <= y < ay + ah for ax, ay, aw, ah in ausser):
                falsch.append((x, y))
    return falsch


def _abweichungen_ausser(a, b, ausser, genau=True):
    falsch = _falsche_pixel(a, b, ausser, genau)
    return len(falsch), (falsch[0] + (a.pixel(*falsch[0]), b.pixel(*falsch[0]))
                         if falsch else None)


def _abweichungs_rahmen(a, b, ausser, genau=True):
    """The bounding box (x, y, w, h) of the wrong pixels; None when none."""
    falsch = _falsche_pixel(a, b, ausser, genau)
    if not falsch:
        return None
    xs, ys = [p[0] for p in falsch], [p[1] for p in falsch]
    return (min(xs), min(ys), max(xs) - min(xs) + 1, max(ys) - min(ys) + 1)


# --- the pointer: wayvnc's virtual pointer over RFB -------------------------
class Zeiger:
    """A minimal VNC client: wayvnc turns its pointer events into a wlroots
    virtual pointer on one output, in that output's coordinates."""

    def __init__(self, port):
        self.s = warte_bis(lambda: self._verbinden(port), text="wayvnc nimmt Verbindungen an")
        self._lesen(12)
        self.s.sendall(b"RFB 003.008\n")
        arten = self._lesen(self._lesen(1)[0])
        pruefe(1 in arten, "wayvnc bietet keine Verbindung ohne Passwort")
        self.s.sendall(b"\x01")
        pruefe(struct.unpack(">I", self._lesen(4))[0] == 0, "wayvnc lehnt die Verbindung ab")
        self.s.sendall(b"\x01")
        self.breite, self.hoehe = struct.unpack(">HH", self._lesen(4))
        self._lesen(16)
        self._lesen(struct.unpack(">I", self._lesen(4))[0])
        self.x = self.y = 0

    @staticmethod
    def _verbinden(port):
        try:
            return socket.create_connection(("127.0.0.1", port), timeout=10)
        except OSError:
            return None

    def _lesen(self, n):
        daten = b""
        while len(daten) < n:
            teil = self.s.recv(n - len(daten))
            pruefe(teil, "wayvnc hat die Verbindung beendet")
            daten += teil
        return daten

    def _ereignis(self, x, y, knopf):
        self.x, self.y = x, y
        self.s.sendall(struct.pack(">BBHH", 5, knopf, x, y))
        time.sleep(0.03)

    def nach(self, x, y):
        self._ereignis(x, y, 0)

    def klick(self, x, y):
        self._ereignis(x, y, 0)
        self._ereignis(x, y, 1)
        self._ereignis(x, y, 0)

    def ziehen(self, punkte):
        self._ereignis(*punkte[0], 0)
        for x, y in punkte:
            self._ereignis(x, y, 1)
        self._ereignis(*punkte[-1], 0)


# --- the session ----------------------------------------------------------------


class WaylandSitzung(Lebenslauf):
    """sway on two headless outputs (the first at scale skala), its own
    D-Bus session bus without service activation (only what is started here
    is there), pipewire, the portal backend for wlroots and, with portal,
    the portal itself."""

    def __init__(self, nummer, skala=1.0, portal=True, skala2=1):
        fehlend = _fehlende_programme()
        if fehlend:
            raise Uebersprungen("nicht installiert: " + ", ".join(fehlend))
        self.binary = _als_nutzer(os.environ.get("SKRIBANO_BINARY", "skribano"))
        self.skala, self.portal, self.skala2 = skala, portal, skala2
        self.port = 15900 + nummer
        self.prozesse = []
        self.ordner = tempfile.mkdtemp(prefix="skribano-wayland-")
        self.run = os.path.join(self.ordner, "run")
        os.mkdir(self.run, 0o700)
        self.env = {k: v for k, v in os.environ.items()
                    if not k.startswith(("QT_", "XDG_", "WAYLAND", "DBUS", "DISPLAY", "SWAY"))}
        self.env.update({"HOME": os.path.join(self.ordner, "home"), "XDG_RUNTIME_DIR": self.run,
                         "XDG_CURRENT_DESKTOP": "sway",
                         "DBUS_SESSION_BUS_ADDRESS": "unix:path=" + os.path.join(self.run, "bus")})
        os.mkdir(self.env["HOME"])
        # A sanitized program writes its reports here, for beenden to find.
        self.sanitizer_log = os.path.join(self.ordner, "sanitizer")

    def starte(self, argv, log=None, env=None):
        # Appending: the program writes at the end while the test reads.
        ausgabe = open(os.path.join(self.ordner, log), "a+") if log else subprocess.DEVNULL
        p = subprocess.Popen(argv, env=env or self.env, stdin=subprocess.DEVNULL, stdout=ausgabe,
                             stderr=subprocess.STDOUT, preexec_fn=_mit_dem_harness_sterben)
        p.log = ausgabe if log else None
        self.prozesse.append(p)
        return p

    def beenden(self):
        self._prozesse_beenden()
        berichte = []
        for pfad in sorted(glob.glob(self.sanitizer_log + ".*")):
            with open(pfad, errors="replace") as f:
                berichte.append(f.read())
        shutil.rmtree(self.ordner, ignore_errors=True)
        return "\n".join(berichte).strip()

    def befehl(self, *argv):
        r = subprocess.run(argv, env=self.env, capture_output=True, timeout=30,
                           stdin=subprocess.DEVNULL)
        if r.returncode != 0:
            raise Fehlschlag("%s: %s" % (" ".join(argv), r.stderr.decode(errors="replace")))
        return r.stdout

    def _starten(self):
        # Beside an output of a higher scale the portal's picture of the
        # second output is enlarged with filtering: squares show whether
        # every pixel still lands in its place.
        geraet2 = (AUSGABE2[0] * self.skala2, AUSGABE2[1] * self.skala2)
        self.muster = [Bild.muster(*AUSGABE1, 5),
                       Bild.muster(*geraet2, 6) if self.skala == 1 else _kachelmuster(*geraet2)]
        for i, m in enumerate(self.muster):
            _png(os.path.join(self.ordner, "muster%d.png" % i), m)
        with open(os.path.join(self.ordner, "bus.conf"), "w") as f:
            f.write(BUS_KONFIGURATION % os.path.join(self.run, "bus"))
        self.starte(["dbus-daemon", "--config-file=" + os.path.join(self.ordner, "bus.conf"),
                     "--nofork", "--nopidfile"], log="dbus.log")
        warte_bis(lambda: os.path.exists(os.path.join(self.run, "bus")), text="D-Bus startet")

        with open(os.path.join(self.ordner, "sway.conf"), "w") as f:
            f.write("xwayland disable\ndefault_border none\ndefault_floating_border none\n"
                    "output HEADLESS-1 mode %dx%d position 0 0 scale %g bg %s center\n"
                    "output HEADLESS-2 mode %dx%d position %d 0 scale %d bg %s center\n" %
                    (*AUSGABE1, self.skala, os.path.join(self.ordner, "muster0.png"),
                     *geraet2, AUSGABE2_X, self.skala2, os.path.join(self.ordner, "muster1.png")))
        env = dict(self.env, WLR_BACKENDS="headless", WLR_RENDERER="pixman",
                   WLR_HEADLESS_OUTPUTS="2", WLR_LIBINPUT_NO_DEVICES="1")
        self.starte(["sway", "-c", os.path.join(self.ordner, "sway.conf")], log="sway.log", env=env)
        self.env["WAYLAND_DISPLAY"] = os.path.basename(warte_bis(
            lambda: [p for p in glob.glob(os.path.join(self.run, "wayland-*"))
                     if not p.endswith(".lock")], text="sway startet")[0])
        self.env["SWAYSOCK"] = warte_bis(lambda: glob.glob(os.path.join(self.run, "sway-ipc.*")),
                                         text="sway-IPC")[0]
        # swaybg has drawn both outputs once they show their patterns.
        warte_bis(lambda: self.bildschirm(1).pixel(0, 0) == self.muster[1].pixel(0, 0),
                  text="Hintergrund auf HEADLESS-2")

        self.starte(["pipewire"], log="pipewire.log")
        warte_bis(lambda: os.path.exists(os.path.join(self.run, "pipewire-0")),
                  text="pipewire startet")
        self.starte(["/usr/libexec/xdg-desktop-portal-wlr"], log="portal-wlr.log")
        warte_bis(lambda: self._name_da("org.freedesktop.impl.portal.desktop.wlr"),
                  text="xdg-desktop-portal-wlr am Bus")
        if self.portal:
            self.starte(["/usr/libexec/xdg-desktop-portal"], log="portal.log")
            warte_bis(lambda: self._name_da("org.freedesktop.portal.Desktop"),
                      text="xdg-desktop-portal am Bus")
        self.starte(["wayvnc", "-o", "HEADLESS-2", "127.0.0.1", str(self.port)], log="wayvnc.log")
        self.zeiger = Zeiger(self.port)

    def _name_da(self, name):
        r = subprocess.run(["dbus-send", "--session", "--print-reply",
                            "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
                            "org.freedesktop.DBus.NameHasOwner", "string:" + name],
                           env=self.env, capture_output=True, timeout=10)
        return b"boolean true" in r.stdout

    def bildschirm(self, ausgabe):
        """Output ausgabe (0 or 1) as grim reads it."""
        return _ppm_lesen(self.befehl("grim", "-t", "ppm", "-o", "HEADLESS-%d" % (ausgabe + 1),
                                      "-"))

    def fenster(self, pid):
        """The program's windows as sway sees them: (rect of the content,
        fullscreen, output name), in global coordinates."""
        baum = json.loads(self.befehl("swaymsg", "-t", "get_tree"))
        gefunden = []

        def gehe(knoten, ausgabe):
            if knoten.get("type") == "output":
                ausgabe = knoten["name"]
            if knoten.get("pid") == pid:
                r, w = knoten["rect"], knoten["window_rect"]
                gefunden.append(((r["x"] + w["x"], r["y"] + w["y"], w["width"], w["height"]),
                                 knoten.get("fullscreen_mode") == 1, ausgabe,
                                 knoten.get("shell")))
            for k in knoten.get("nodes", []) + knoten.get("floating_nodes", []):
                gehe(k, ausgabe)

        gehe(baum, None)
        return gefunden


class Programm:
    def __init__(self, s, einstellungen=None):
        self.s = s
        self.env = dict(s.env)
        home = s.env["HOME"]
        self.env.update({"XDG_CONFIG_HOME": os.path.join(home, ".config"),
                         "XDG_DOCUMENTS_DIR": os.path.join(home, "Dokumente")})
        if einstellungen:
            ordner = os.path.join(self.env["XDG_CONFIG_HOME"], "Quorvel")
            os.makedirs(ordner, exist_ok=True)
            with open(os.path.join(ordner, "Skribano.conf"), "w") as f:
                f.write("[General]\n" + "".join("%s=%s\n" % w for w in einstellungen.items()))
        self.env.pop("SWAYSOCK", None)
        for name in ("ASAN_OPTIONS", "UBSAN_OPTIONS"):
            optionen = [o for o in self.env.get(name, "").split(":") if o]
            # Qt's Wayland client leaves allocations at exit whose fast-unwound
            # stacks end in an unloaded module; whole stacks name the library,
            # and its suppression applies.
            if name == "ASAN_OPTIONS" and optionen:
                optionen.append("fast_unwind_on_malloc=0")
            self.env[name] = ":".join(optionen + ["log_path=" + s.sanitizer_log])
        self.p = s.starte([s.binary], log="skribano.log", env=self.env)

    def ausgabe(self):
        self.p.log.flush()
        self.p.log.seek(0)
        return self.p.log.read()

    def fenster(self):
        pruefe(self.p.poll() is None, "Skribano ist beendet (Code %s):\n%s" %
               (self.p.returncode, self.ausgabe()))
        return self.s.fenster(self.p.pid)

    def werkzeug(self):
        """The tool window (rect, output) while it is a window of its own."""
        f = [f for f in self.fenster() if f[0][2] * self.s.skala2 == WERKZEUG_BREITE and not f[1]]
        return (f[0][0], f[0][2]) if len(f) == 1 else None

    def overlay(self):
        f = [f for f in self.fenster() if f[1]]
        return (f[0][0], f[0][2]) if f else None


def _auf_ausgabe2(s, einstellungen=None):
    """Starts the program on the second output (sway opens new windows on
    the focused one); returns it and its tool window's rect in that
    output's coordinates."""
    s.befehl("swaymsg", "focus output HEADLESS-2")
    app = Programm(s, einstellungen)
    try:
        (x, y, w, h), ausgabe = warte_bis(app.werkzeug, text="Werkzeugfenster erscheint")
    except Fehlschlag as f:
        raise Fehlschlag("%s; Fenster: %s\n%s" % (f, app.fenster(), app.ausgabe()))
    pruefe(ausgabe == "HEADLESS-2", "Werkzeugfenster auf HEADLESS-2: %s" % ausgabe)
    pruefe(all(f[3] == "xdg_shell" for f in app.fenster()),
           "Skribano läuft als Wayland-Client: %s" % app.fenster())
    # An output at scale 2 takes only even sizes in pixels: 27 becomes 28.
    pruefe(abs(h * s.skala2 - START_HOEHE) <= s.skala2 - 1,
           "Bereit: nur der Start-Knopf, Höhe %d" % h)
    return app, (x - AUSGABE2_X, y, w, h)


def _einfrieren_zeichnen_fertig(nummer, skala, skala2=1):
    with WaylandSitzung(nummer, skala=skala, skala2=skala2) as s:
        app, rahmen = _auf_ausgabe2(s)
        muster = s.muster[1]
        z = s.zeiger
        # Pictures and the pointer count in the output's pixels, sway in its
        # logical coordinates.
        pixel = tuple(v * skala2 for v in rahmen)
        start = (pixel[0] + pixel[2] // 2, pixel[1] + pixel[3] // 2)
        z.nach(*start)
        time.sleep(0.2)
        n, erstes = _abweichungen_ausser(s.bildschirm(1), muster, [pixel, _zeiger_weg(*start, skala2)])
        pruefe(n == 0, "Der Desktop zeigt das Muster: %d Abweichungen, erste %s" % (n, erstes))

        z.klick(*start)
        og, ausgabe = warte_bis(app.overlay, text="Overlay erscheint")
        pruefe(ausgabe == "HEADLESS-2" and og == (AUSGABE2_X, 0) + AUSGABE2,
               "Overlay füllt die Ausgabe des Werkzeugfensters: %s auf %s" % (og, ausgabe))
        pruefe(app.werkzeug() is None, "Das Werkzeugfenster ist kein eigenes Fenster mehr")
        time.sleep(0.5)
        z.nach(600, 460)
        time.sleep(0.3)
        # Frozen exactly, without the tool window; its controls lie in the
        # overlay as one block of the tool window's width.
        eingefroren = s.bildschirm(1)
        weg = [_zeiger_weg(*start, skala2), _zeiger_weg(600, 460, skala2)]
        genau = skala == 1
        block = _abweichungs_rahmen(eingefroren, muster, weg, genau)
        pruefe(block is not None and block[2] == WERKZEUG_BREITE + 2 * RAHMEN and
               block[3] > 15 * START_HOEHE,
               "Die Knöpfe des Werkzeugfensters liegen im Overlay: %s" % (block,))
        n, erstes = _abweichungen_ausser(eingefroren, muster, weg + [block], genau)
        pruefe(n == 0, "Eingefroren Pixel für Pixel: %d Abweichungen, erste %s" % (n, erstes))

        # A button in the overlay works: opaque green, then a pen stroke.
        bx, by, bw, bh = block
        gruen = [(x, y) for y in range(by, by + 260) for x in range(bx + bw // 2, bx + bw)
                 if eingefroren.pixel(x, y) == (0, 255, 0)]
        pruefe(len(gruen) > 50, "Knopf deckendes Grün im Overlay gefunden")
        z.klick(sum(p[0] for p in gruen) // len(gruen), sum(p[1] for p in gruen) // len(gruen))
        z.ziehen([(200 + 10 * i, 300) for i in range(31)])
        z.nach(600, 460)
        time.sleep(0.3)
        jetzt = s.bildschirm(1)
        gezeichnet = sum(jetzt.pixel(x, 300) == (0, 255, 0) for x in range(200, 500))
        pruefe(gezeichnet == 300, "Grüner Strich im Overlay: %d von 300 Pixeln" % gezeichnet)
        n = sum(_falsch(jetzt, muster, x, y, genau) for y in range(350, 450)
                for x in range(100, 500))
        pruefe(n == 0, "Abseits des Strichs unverändert: %d Abweichungen" % n)

        # "Fertig" inside the overlay gives the desktop back.
        fertig = (bx + bw // 2, by + START_HOEHE // 2)
        z.klick(*fertig)
        warte_bis(lambda: app.overlay() is None, text="Overlay verschwindet")
        zurueck = warte_bis(app.werkzeug, text="Werkzeugfenster kommt zurück")
        pruefe(zurueck[1] == "HEADLESS-2" and zurueck[0] == (rahmen[0] + AUSGABE2_X,) + rahmen[1:],
               "Werkzeugfenster wieder wo es war: %s statt %s" % (zurueck, rahmen))
        z.nach(600, 460)
        time.sleep(0.3)
        n, erstes = _abweichungen_ausser(s.bildschirm(1), muster,
                                         [pixel, _zeiger_weg(*fertig, skala2), _zeiger_weg(600, 460, skala2)])
        pruefe(n == 0, "Fertig gibt den Desktop zurück: %d Abweichungen, erste %s" % (n, erstes))
        pruefe(app.p.poll() is None, "Programm läuft weiter")
        # The same round trip from a desktop shortcut: skribano --toggle.
        for zeichnen in (True, False):
            r = subprocess.run([s.binary, "--toggle"], env=app.env, capture_output=True, timeout=30)
            pruefe(r.returncode == 0, "--toggle: %s" % r.stderr.decode(errors="replace"))
            warte_bis(lambda: (app.overlay() is not None) == zeichnen and
                      (app.werkzeug() is None) == zeichnen, text="--toggle: Zeichnen %s" % zeichnen)


def einfrieren_zeichnen_fertig(nummer):
    _einfrieren_zeichnen_fertig(nummer, 1.0)


def nachbar_mit_skala_15(nummer):
    # The portal draws every output at the highest scale; the scale-1 output
    # beside a scale-1.5 one must still come out pixel for pixel.
    _einfrieren_zeichnen_fertig(nummer, 1.5)


def ausgabe_mit_skala_2(nummer):
    # The tool window's output at scale 2: the program counts in that
    # output's pixels, so the frozen picture, the stroke and the tool
    # window's controls come out pixel for pixel as at scale 1.
    _einfrieren_zeichnen_fertig(nummer, 1.0, skala2=2)


def erster_monitor_per_einstellung(nummer):
    # MonitorMode 1 freezes the first output though the tool window is on
    # the second: the overlay is put on the output the program names.
    with WaylandSitzung(nummer) as s:
        app, rahmen = _auf_ausgabe2(s, {"MonitorMode": 1})
        start = (rahmen[0] + rahmen[2] // 2, rahmen[1] + START_HOEHE // 2)
        s.zeiger.klick(*start)
        og, ausgabe = warte_bis(app.overlay, text="Overlay erscheint")
        pruefe(ausgabe == "HEADLESS-1" and og == (0, 0) + AUSGABE1,
               "Overlay füllt die erste Ausgabe: %s auf %s" % (og, ausgabe))
        time.sleep(0.5)
        eingefroren = s.bildschirm(0)
        block = _abweichungs_rahmen(eingefroren, s.muster[0], [])
        pruefe(block is not None and block[2] == WERKZEUG_BREITE + 2 * RAHMEN and
               block[3] > 15 * START_HOEHE,
               "Die Knöpfe des Werkzeugfensters liegen im Overlay: %s" % (block,))
        n, erstes = _abweichungen_ausser(eingefroren, s.muster[0], [block])
        pruefe(n == 0, "Erste Ausgabe eingefroren: %d Abweichungen, erste %s" % (n, erstes))
        # F9 on the overlay is "Fertig"; the keyboard follows sway's focus,
        # which stays on the output the click came from.
        # sway applies the focus asynchronously; a key sent before it goes
        # elsewhere, so it is sent again until the overlay answers.
        for versuch in range(3):
            s.befehl("swaymsg", "[pid=%d] focus" % app.p.pid)
            time.sleep(0.3)
            s.befehl("wtype", "-k", "F9")
            try:
                warte_bis(lambda: app.overlay() is None, zeit=4, text="Overlay verschwindet")
                break
            except Fehlschlag:
                if versuch == 2:
                    raise
        warte_bis(app.werkzeug, text="Werkzeugfenster kommt zurück")
        pruefe(app.p.poll() is None, "Programm läuft weiter")


def ohne_portal(nummer):
    with WaylandSitzung(nummer, portal=False) as s:
        app, rahmen = _auf_ausgabe2(s)
        start = (rahmen[0] + rahmen[2] // 2, rahmen[1] + START_HOEHE // 2)
        s.zeiger.klick(*start)
        box = warte_bis(lambda: [f for f in app.fenster() if f[0][2] > 100],
                        text="Fehlermeldung erscheint")
        pruefe(len(box) == 1 and not box[0][1], "Eine Meldung, kein Overlay: %s" % box)
        pruefe("Der Bildschirm konnte nicht aufgenommen werden" in app.ausgabe() and
               "nicht erreichbar" in app.ausgabe(), "Der Text der Meldung:\n" + app.ausgabe())
        pruefe(app.overlay() is None, "Kein Overlay")
        # The box answered with Enter; the program goes on in the ready state.
        s.befehl("wtype", "-k", "Return")
        warte_bis(lambda: not [f for f in app.fenster() if f[0][2] > 100],
                  text="Meldung geschlossen")
        werkzeug = warte_bis(app.werkzeug, text="Werkzeugfenster bleibt")
        pruefe(werkzeug[0][3] == START_HOEHE, "Bereit: nur der Start-Knopf: %s" % (werkzeug,))
        time.sleep(0.5)
        pruefe(app.p.poll() is None, "Programm läuft weiter")
        s.zeiger.nach(600, 460)
        time.sleep(0.3)
        n, erstes = _abweichungen_ausser(s.bildschirm(1), s.muster[1],
                                         [rahmen, _zeiger_weg(*start), _zeiger_weg(600, 460)])
        pruefe(n == 0, "Kein schwarzes Bild, der Desktop bleibt: %d, erste %s" % (n, erstes))
