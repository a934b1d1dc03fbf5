"""A small end-to-end framework: a real X server (Xvfb) with a real window
manager (openbox), a known picture on the screen, the real program with its
own home and config folders, driven with xdotool and read back pixel by
pixel. Every process started here is ended when the session ends, and dies
with the harness if the harness itself is killed."""

import ctypes
import os
import shutil
import signal
import subprocess
import tempfile
import time

_libc = ctypes.CDLL(None, use_errno=True)
PR_SET_PDEATHSIG = 1


def _mit_dem_harness_sterben():
    # The child gets SIGKILL when the harness dies, so nothing outlives a
    # killed test run.
    _libc.prctl(PR_SET_PDEATHSIG, signal.SIGKILL)
    os.setsid()


def _anzeige_belegt(display):
    """Whether a running X server holds the display. A killed one leaves
    its lock file and socket behind; the next server replaces both."""
    try:
        with open("/tmp/.X%s-lock" % display[1:]) as f:
            pid = int(f.read().strip())
    except (OSError, ValueError):
        return False
    try:
        os.kill(pid, 0)
    except ProcessLookupError:
        return False
    except PermissionError:
        pass
    return True


class Fehlschlag(AssertionError):
    pass


class Uebersprungen(Exception):
    """The scenario cannot run on this machine; the text says why."""


def pruefe(bedingung, text):
    if not bedingung:
        raise Fehlschlag(text)


def warte_bis(fn, zeit=10.0, schritt=0.05, text="Bedingung"):
    ende = time.monotonic() + zeit
    while True:
        wert = fn()
        if wert:
            return wert
        if time.monotonic() > ende:
            raise Fehlschlag("Zeitüberschreitung: " + text)
        time.sleep(schritt)


class Bild:
    """An RGB picture as raw bytes, 3 per pixel, row by row."""

    def __init__(self, breite, hoehe, daten):
        self.breite, self.hoehe, self.daten = breite, hoehe, bytes(daten)
        pruefe(len(self.daten) == breite * hoehe * 3, "Bildgröße passt nicht zu den Daten")

    @staticmethod
    def muster(breite, hoehe, saat=0):
        """Mid tones with structure everywhere: neighbouring pixels differ,
        and every stroke colour (black, or any colour ANDed in) shows."""
        # Red repeats in every row, green and blue repeat every 128 rows:
        # 128 rows are built, the others are copies.
        rot = bytes(64 + ((x + saat * 11) % 128) for x in range(breite))
        vorrat = []
        for y in range(min(hoehe, 128)):
            zeile = bytearray(breite * 3)
            zeile[0::3] = rot
            zeile[1::3] = bytes([64 + ((y * 3 + saat * 37) % 128)]) * breite
            zeile[2::3] = bytes(64 + ((x // 3 + y + saat * 53) % 128) for x in range(breite))
            vorrat.append(bytes(zeile))
        return Bild(breite, hoehe, b"".join(vorrat[y % 128] for y in range(hoehe)))

    def pixel(self, x, y):
        i = (y * self.breite + x) * 3
        return tuple(self.daten[i:i + 3])

    def ausschnitt_zeile(self, x, y, breite):
        i = (y * self.breite + x) * 3
        return self.daten[i:i + breite * 3]

    def speichere_ppm(self, pfad):
        with open(pfad, "wb") as f:
            f.write(b"P6\n%d %d\n255\n" % (self.breite, self.hoehe))
            f.write(self.daten)


def rechteck_abweichungen(a, b, rect, ausser=()):
    """Pixels of rect (x, y, w, h) that differ between pictures a and b,
    leaving out the rectangles in ausser. Returns (count, first pixel)."""
    x0, y0, w, h = rect
    anzahl, erstes = 0, None
    for y in range(y0, y0 + h):
        for links, rechts in _zeilenstuecke(x0, x0 + w, y, ausser):
            za = a.ausschnitt_zeile(links, y, rechts - links)
            zb = b.ausschnitt_zeile(links, y, rechts - links)
            if za == zb:
                continue
            for x in range(links, rechts):
                i = (x - links) * 3
                if za[i:i + 3] != zb[i:i + 3]:
                    anzahl += 1
                    if erstes is None:
                        erstes = (x, y, tuple(za[i:i + 3]), tuple(zb[i:i + 3]))
    return anzahl, erstes


def _zeilenstuecke(links, rechts, y, ausser):
    """The pieces [links, rechts) of row y that no rectangle of ausser covers."""
    stuecke = [(links, rechts)]
    for ax, ay, aw, ah in ausser:
        if not ay <= y < ay + ah:
            continue
        stuecke = [t for l, r in stuecke
                   for t in ((l, min(r, ax)), (max(l, ax + aw), r)) if t[0] < t[1]]
    return stuecke


# The private session bus of a test session, "%s" its socket's path.
with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "sitzungsbus.conf")) as _f:
    BUS_KONFIGURATION = _f.read().replace("@ADRESSE@", "unix:path=%s")


class Lebenslauf:
    """A session as a context: started on entry, ended on exit, and failed
    by any sanitizer report of the programs it ran."""

    def __enter__(self):
        try:
            self._starten()
        except BaseException:
            self.beenden()
            raise
        return self

    def __exit__(self, typ, *args):
        berichte = self.beenden()
        if berichte:
            # A sanitized program's report fails the scenario, even one
            # whose checks all passed.
            if typ is None:
                raise Fehlschlag("Sanitizer-Bericht:\n" + berichte)
            print("Sanitizer-Bericht:\n" + berichte)

    def _prozesse_beenden(self):
        """Ends every process the session started, last first, each with
        its process group."""
        for p in reversed(self.prozesse):
            if p.poll() is None:
                try:
                    os.killpg(p.pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
        for p in reversed(self.prozesse):
            try:
                p.wait(timeout=5)
            except subprocess.TimeoutExpired:
                os.killpg(p.pid, signal.SIGKILL)
                p.wait()
        self.prozesse.clear()


class Sitzung(Lebenslauf):
    """One X server with openbox (without any window manager when
    fenstermanager is false). monitore: list of (x, y, w, h) set with
    xrandr --setmonitor; the first is primary."""

    def __init__(self, display, breite, hoehe, monitore=None, binary=None, fenstermanager=True):
        self.fenstermanager = fenstermanager
        self.display = ":%d" % display
        self.breite, self.hoehe = breite, hoehe
        self.monitore = monitore or [(0, 0, breite, hoehe)]
        self.binary = binary or os.environ.get("SKRIBANO_BINARY", "skribano")
        self.prozesse = []
        self.ordner = tempfile.mkdtemp(prefix="skribano-e2e-")
        self.env = dict(os.environ)
        for k in list(self.env):
            if k.startswith(("QT_", "XDG_", "WAYLAND", "DBUS_")):
                del self.env[k]
        self.env["DISPLAY"] = self.display
        self.env["HOME"] = os.path.join(self.ordner, "home")
        os.makedirs(self.env["HOME"])
        # A sanitized program writes its reports here, for beenden to find.
        self.sanitizer_log = os.path.join(self.ordner, "sanitizer")

    # --- life -----------------------------------------------------------
    def _starten(self):
        self._starte_x()
        self._starte_bus()

    def _starte_bus(self):
        """A session bus of the session's own, without service activation:
        nothing the program says on a bus reaches another scenario, the
        desktop the tests run on or a service of the machine."""
        pfad = os.path.join(self.ordner, "bus")
        konfiguration = os.path.join(self.ordner, "bus.conf")
        with open(konfiguration, "w") as f:
            f.write(BUS_KONFIGURATION % pfad)
        self.starte(["dbus-daemon", "--config-file=" + konfiguration, "--nofork", "--nopidfile"],
                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        warte_bis(lambda: os.path.exists(pfad), text="Sitzungsbus startet")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = "unix:path=" + pfad

    def starte(self, argv, env=None, **kw):
        p = subprocess.Popen(argv, env=env or self.env, preexec_fn=_mit_dem_harness_sterben,
                             stdin=subprocess.DEVNULL, **kw)
        self.prozesse.append(p)
        return p

    def beenden(self):
        self._prozesse_beenden()
        berichte = self.sanitizer_berichte()
        shutil.rmtree(self.ordner, ignore_errors=True)
        return berichte

    def sanitizer_berichte(self):
        """What sanitized programs of this session reported (their logs,
        one per process, beside SANITIZER_LOG)."""
        texte = []
        for name in sorted(os.listdir(self.ordner)):
            if name.startswith(os.path.basename(self.sanitizer_log) + "."):
                with open(os.path.join(self.ordner, name), errors="replace") as f:
                    text = f.read()
                if text.strip():
                    texte.append("%s:\n%s" % (name, text))
        return "\n".join(texte)

    def befehl(self, *argv, pruefen=True):
        r = subprocess.run(argv, env=self.env, capture_output=True, timeout=60)
        if pruefen and r.returncode != 0:
            raise Fehlschlag("%s: %s" % (" ".join(argv), r.stderr.decode(errors="replace")))
        return r.stdout.decode(errors="replace")

    def _starte_x(self):
        pruefe(not _anzeige_belegt(self.display), "Anzeige %s ist schon belegt" % self.display)
        self.starte(["Xvfb", self.display, "-screen", "0", "%dx%dx24" % (self.breite, self.hoehe),
                     "-nolisten", "tcp", "-noreset"], stdout=subprocess.DEVNULL,
                    stderr=subprocess.DEVNULL)
        warte_bis(lambda: subprocess.run(["xdotool", "getdisplaygeometry"], env=self.env,
                                         capture_output=True).returncode == 0,
                  text="X-Server startet")
        if len(self.monitore) > 1:
            for i, (x, y, w, h) in enumerate(self.monitore):
                name = "*M%d" % i if i == 0 else "M%d" % i
                self.befehl("xrandr", "--setmonitor", name,
                            "%d/%dx%d/%d+%d+%d" % (w, w * 254 // 960, h, h * 254 // 960, x, y),
                            "screen" if i == 0 else "none")
        if not self.fenstermanager:
            return
        self.starte(["openbox", "--sm-disable"], stdout=subprocess.DEVNULL,
                    stderr=subprocess.DEVNULL)
        warte_bis(lambda: "window id" in self.befehl("xprop", "-root", "_NET_SUPPORTING_WM_CHECK",
                                                     pruefen=False),
                  text="Fenstermanager startet")

    # --- screen -----------------------------------------------------------
    def zeige_hintergrund(self, bild):
        """Puts bild on the root window and waits until the screen shows it."""
        pfad = os.path.join(self.ordner, "hintergrund.ppm")
        bild.speichere_ppm(pfad)
        self.befehl("display", "-window", "root", pfad, pruefen=False)
        warte_bis(lambda: self.bildschirm().ausschnitt_zeile(0, 0, 64) ==
                  bild.ausschnitt_zeile(0, 0, 64), text="Hintergrundbild erscheint")

    def zeige_hintergrund_ohne_warten(self, bild):
        """Puts bild on the root window, for when windows cover the screen."""
        pfad = os.path.join(self.ordner, "hintergrund.ppm")
        bild.speichere_ppm(pfad)
        self.befehl("display", "-window", "root", pfad, pruefen=False)

    def bildschirm(self):
        r = subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:-"], env=self.env,
                           capture_output=True, timeout=60)
        pruefe(r.returncode == 0, "import: " + r.stderr.decode(errors="replace"))
        return Bild(self.breite, self.hoehe, r.stdout)

    # --- windows and input ----------------------------------------------
    def fenster(self, pid):
        """The visible windows of process pid as {id: (x, y, w, h)}."""
        # xdotool's search gives up with BadWindow when some window vanishes
        # while it walks the tree; that says nothing about pid's windows.
        for _ in range(20):
            r = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                               env=self.env, capture_output=True, timeout=60)
            if b"BadWindow" not in r.stderr:
                break
        ids = r.stdout.decode(errors="replace").split()
        ergebnis = {}
        for i in ids:
            g = self.geometrie(i)
            if g:
                ergebnis[i] = g
        return ergebnis

    def geometrie(self, fenster_id):
        # xwininfo, not xdotool: under a reparenting window manager xdotool
        # counts the frame offset twice.
        out = self.befehl("xwininfo", "-id", str(fenster_id), pruefen=False)
        werte = {}
        for zeile in out.splitlines():
            k, _, v = zeile.strip().partition(":")
            werte[k] = v.strip()
        try:
            return tuple(int(werte[k]) for k in ("Absolute upper-left X", "Absolute upper-left Y",
                                                  "Width", "Height"))
        except (KeyError, ValueError):
            return None

    def aussenrahmen(self, fenster_id):
        """The window with its frame from the window manager, (x, y, w, h)."""
        x, y, w, h = self.geometrie(fenster_id)
        out = self.befehl("xprop", "-id", str(fenster_id), "_NET_FRAME_EXTENTS", pruefen=False)
        if "=" not in out:
            return x, y, w, h
        l, r, o, u = (int(v) for v in out.split("=", 1)[1].split(","))
        return x - l, y - o, w + l + r, h + o + u

    def xdotool(self, *argv):
        self.befehl("xdotool", *[str(a) for a in argv])

    def zeiger(self):
        werte = dict(w.split(":", 1) for w in self.befehl("xdotool", "getmouselocation").split())
        return int(werte["x"]), int(werte["y"])

    def zeigerbild(self):
        """The name of the pointer shown now, as XFixes reports it: on 64 bits
        the sixth word of XFixesCursorImage."""
        if not hasattr(self, "_xfixes"):
            x11, xf = ctypes.CDLL("libX11.so.6"), ctypes.CDLL("libXfixes.so.3")
            x11.XOpenDisplay.restype = ctypes.c_void_p
            xf.XFixesGetCursorImage.restype = ctypes.POINTER(ctypes.c_char_p * 6)
            self._xfixes = xf, ctypes.c_void_p(x11.XOpenDisplay(self.display.encode()))
        return self._xfixes[0].XFixesGetCursorImage(self._xfixes[1]).contents[5]

    def zeiger_nach(self, x, y):
        # --sync waits for the pointer to move, which it never does when it
        # is already there: xdotool then hangs for seconds.
        if self.zeiger() != (x, y):
            self.xdotool("mousemove", "--sync", x, y)

    def klick(self, x, y):
        self.zeiger_nach(x, y)
        self.xdotool("click", 1)

    def ziehen(self, punkte):
        (x, y), rest = punkte[0], punkte[1:]
        self.zeiger_nach(x, y)
        self.xdotool("mousedown", 1)
        for x, y in rest:
            self.zeiger_nach(x, y)
            time.sleep(0.02)
        self.xdotool("mouseup", 1)

    def schliessen(self, fenster_id):
        """Asks the window manager to close the window, as its title bar
        button does: the program gets WM_DELETE_WINDOW for exactly this
        window, whichever window has the focus."""
        self.befehl("wmctrl", "-i", "-c", str(fenster_id))

    def taste(self, fenster_id, taste):
        self.xdotool("windowactivate", "--sync", fenster_id)
        self.xdotool("key", "--clearmodifiers", taste)


class Skribano:
    """The program running in a session, with its own home, config and
    runtime folders."""

    START_HOEHE = 27  # the ready state shows only the Start button

    def __init__(self, sitzung, env_extra=None):
        self.s = sitzung
        home = sitzung.env["HOME"]
        self.env = dict(sitzung.env)
        self.env.update({
            "XDG_CONFIG_HOME": os.path.join(home, ".config"),
            "XDG_RUNTIME_DIR": os.path.join(sitzung.ordner, "run"),
            "XDG_DOCUMENTS_DIR": os.path.join(home, "Dokumente"),
            "QT_QPA_PLATFORM": "xcb",
        })
        os.makedirs(self.env["XDG_RUNTIME_DIR"], mode=0o700, exist_ok=True)
        for name in ("ASAN_OPTIONS", "UBSAN_OPTIONS"):
            optionen = [o for o in self.env.get(name, "").split(":") if o]
            self.env[name] = ":".join(optionen + ["log_path=" + sitzung.sanitizer_log])
        self.env.update(env_extra or {})
        self.p = None

    def starten(self, *optionen):
        # Appending: the program writes at the end even while the test has
        # sought back to the start to read what came so far.
        self.log = open(os.path.join(self.s.ordner, "skribano-%d.log" % len(self.s.prozesse)), "a+")
        self.p = self.s.starte([self.s.binary, *optionen], env=self.env, stdout=self.log,
                               stderr=subprocess.STDOUT)
        self.werkzeug = warte_bis(self._werkzeugfenster, text="Werkzeugfenster erscheint")
        return self

    def befehl(self, *optionen, env_extra=None):
        """Runs "skribano OPTIONEN" beside the program, as a desktop shortcut
        would: (exit code, its output, seconds)."""
        anfang = time.monotonic()
        try:
            r = subprocess.run([self.s.binary, *optionen], env=dict(self.env, **(env_extra or {})),
                               capture_output=True, timeout=30, stdin=subprocess.DEVNULL)
        except subprocess.TimeoutExpired:
            raise Fehlschlag("skribano %s endet nicht" % " ".join(optionen))
        return (r.returncode, (r.stdout + r.stderr).decode(errors="replace"),
                time.monotonic() - anfang)

    def warte_auf_ende(self, zeit, text):
        """The exit code once the program ended within zeit seconds; a
        failure with its output otherwise."""
        try:
            return self.p.wait(timeout=zeit)
        except subprocess.TimeoutExpired:
            raise Fehlschlag("%s: nach %d s läuft das Programm noch:\n%s" %
                             (text, zeit, self.ausgabe()))

    def ausgabe(self):
        self.log.flush()
        self.log.seek(0)
        return self.log.read()

    def _fenster(self):
        pruefe(self.p.poll() is None, "Skribano ist beendet (Code %s):\n%s" %
               (self.p.returncode, self.ausgabe() if self.p else ""))
        return self.s.fenster(self.p.pid)

    def _werkzeugfenster(self):
        for i, (x, y, w, h) in self._fenster().items():
            if w < 200:
                return i
        return None

    def werkzeug_geometrie(self):
        return self.s.geometrie(self.werkzeug)

    def werkzeug_rahmen(self):
        return self.s.aussenrahmen(self.werkzeug)

    def overlay(self):
        """The overlay's window id and geometry, or None while hidden."""
        for i, g in self._fenster().items():
            if i != self.werkzeug and g[2] >= 200:
                return i, g
        return None

    def warte_auf_overlay(self, rect=None):
        def da():
            o = self.overlay()
            return o if o and (rect is None or o[1] == rect) else None
        return warte_bis(da, text="Overlay erscheint%s" % ("" if rect is None else " auf %s" % (rect,)))

    def warte_ohne_overlay(self):
        warte_bis(lambda: self.overlay() is None, text="Overlay verschwindet")

    def zeichenmodus(self, rect=None):
        """Clicks Start and waits for the overlay and the whole tool bar;
        the overlay as (id, (x, y, w, h))."""
        self.start_fertig_klicken()
        overlay = self.warte_auf_overlay(rect)
        warte_bis(lambda: self.werkzeug_geometrie()[3] > Skribano.START_HOEHE,
                  text="Werkzeugfenster zeigt die Werkzeugleiste")
        return overlay

    def start_fertig_klicken(self):
        x, y, w, h = self.werkzeug_geometrie()
        self.s.klick(x + w // 2, y + 13)
