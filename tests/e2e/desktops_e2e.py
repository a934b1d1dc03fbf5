"""Skribano on the Wayland desktops most users have: a headless GNOME Shell
(mutter, xdg-desktop-portal-gnome) and a headless KWin (xdg-desktop-portal-kde),
each in a private D-Bus session started by the scripts in desktops/. The
compositors run as an unprivileged user; so do the program and the helpers
(input: Mutter's RemoteDesktop through gnome-input.py, KWin's fake input
through kfake; pictures: gnome-shell's and KWin's own screenshots)."""

import glob
import io
import os
import pwd
import shutil
import subprocess
import tempfile
import time

from e2e import Bild, Fehlschlag, Lebenslauf, Uebersprungen, pruefe, warte_bis
from e2e import _mit_dem_harness_sterben
from wayland_e2e import (NUTZER, _abweichungs_rahmen, _abweichungen_ausser, _kachelmuster, _png,
                         _ppm_lesen)

HIER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "desktops")
APP_ID = "org.example.skribano"
# The controls inside the overlay: in a frame of 2 pixels, a grip of 8 on top.
WERKZEUG_BREITE, RAHMEN, GRIFF, ZEICHEN_HOEHE = 52, 2, 8, 518
# GNOME's clock in the top bar goes on in the frozen picture too.
UHR = (760, 0, 400, 40)
PROGRAMME = {"gnome": ["gnome-shell", "/usr/libexec/xdg-desktop-portal-gnome"],
             "kde": ["kwin_wayland", "/usr/lib/x86_64-linux-gnu/libexec/xdg-desktop-portal-kde",
                     "wayland-scanner", "gcc"]}


def _nutzer():
    """The unprivileged user the desktop runs as: this one, or as root the
    test user of the sway scenarios."""
    if os.geteuid() != 0:
        return None
    try:
        return pwd.getpwnam(NUTZER)
    except KeyError:
        subprocess.run(["useradd", "--system", "--no-create-home", "--shell",
                        "/usr/sbin/nologin", NUTZER], capture_output=True)
        return pwd.getpwnam(NUTZER)


class DesktopSitzung(Lebenslauf):
    """One desktop (art "gnome" or "kde") with outputs of the sizes in
    monitore; erlaubt: the app IDs allowed to take screenshots beforehand."""

    def __init__(self, art, monitore=("1920x1080",), erlaubt="-"):
        fehlend = [p for p in PROGRAMME[art] + ["pipewire", "wireplumber", "dbus-run-session"]
                   if not shutil.which(p) and not os.path.exists(p)]
        if fehlend:
            raise Uebersprungen("nicht installiert: " + ", ".join(fehlend))
        self.art, self.monitore, self.erlaubt = art, monitore, erlaubt
        self.prozesse, self.scopes = [], []
        self.pw = _nutzer()
        self.ordner = tempfile.mkdtemp(prefix="skribano-desktop-")
        os.chmod(self.ordner, 0o755)
        for d in ("run", "home", "out", "bin"):
            os.mkdir(os.path.join(self.ordner, d), 0o700 if d == "run" else 0o755)
        self.home = os.path.join(self.ordner, "home")
        self.binary = os.path.join(self.ordner, "bin", "skribano")
        shutil.copy(os.environ.get("SKRIBANO_BINARY", "skribano"), self.binary)

    def _als_nutzer(self, argv, env):
        rein = ["env", "-i"] + ["%s=%s" % kv for kv in env.items()] + list(argv)
        if self.pw is None:
            return rein
        return ["setpriv", "--reuid", str(self.pw.pw_uid), "--regid", str(self.pw.pw_gid),
                "--init-groups"] + rein

    def _starten(self):
        w, h = (int(v) for v in self.monitore[0].split("x"))
        self.muster = _kachelmuster(w, h)
        _png(os.path.join(self.ordner, "muster.png"), self.muster)
        env = {"HOME": self.home, "XDG_RUNTIME_DIR": os.path.join(self.ordner, "run"),
               "PATH": "/usr/bin:/bin", "LANG": "C.UTF-8", "GK_LOGS": os.path.join(self.ordner, "out"),
               "GK_GRANT": self.erlaubt, "GK_MONITORS": " ".join(self.monitore),
               "GK_BACKGROUND": os.path.join(self.ordner, "muster.png")}
        if self.art == "gnome":
            env.update(XDG_CURRENT_DESKTOP="GNOME", XDG_SESSION_TYPE="wayland")
        else:
            # The kwin_wayland file carries a capability a container's bounding
            # set may lack (exec fails then): a plain copy runs everywhere.
            env["GK_KWIN"] = os.path.join(self.ordner, "bin", "kwin_wayland")
            shutil.copy(shutil.which("kwin_wayland"), env["GK_KWIN"])
            env.update(GK_WIDTH=str(w), GK_HEIGHT=str(h))
            self._kfake_bauen()
        if self.pw:
            for wurzel, dirs, dateien in os.walk(self.ordner):
                for n in [wurzel] + [os.path.join(wurzel, d) for d in dirs + dateien]:
                    os.chown(n, self.pw.pw_uid, self.pw.pw_gid)
        # Launched from the app grid the desktop knows the program by its
        # installed entry.
        apps = os.path.join(self.home, ".local/share/applications")
        os.makedirs(apps)
        with open(os.path.join(apps, APP_ID + ".desktop"), "w") as f:
            f.write("[Desktop Entry]\nType=Application\nName=Skribano\nExec=%s\n"
                    "X-KDE-DBUS-Restricted-Interfaces=org.kde.KWin.ScreenShot2\n" % self.binary)
        self._chown(self.home)
        skript = os.path.join(HIER, "%s-headless-session.sh" % self.art)
        innen = ["sh", "-c", "env > %s/out/env.tmp && mv %s/out/env.tmp %s/out/env && exec sleep 600"
                 % ((self.ordner,) * 3)]
        self.sitzung = self.starte(["timeout", "300", "dbus-run-session", "--", skript] + innen,
                                   env, log="sitzung.log", als_nutzer=True)
        pfad = os.path.join(self.ordner, "out", "env")
        warte_bis(lambda: os.path.exists(pfad) or self.sitzung.poll() is not None, zeit=120,
                  text="Desktop startet")
        pruefe(os.path.exists(pfad), "Desktop startet nicht:\n" + self.log("sitzung.log"))
        with open(pfad) as f:
            self.env = dict(z.rstrip("\n").split("=", 1) for z in f if "=" in z)
        self.env = {k: v for k, v in self.env.items() if k != "_" and not k.startswith("GK_")}

    def _kfake_bauen(self):
        b = os.path.join(self.ordner, "bin")
        xml = "/usr/share/plasma-wayland-protocols/fake-input.xml"
        for art, ziel in (("client-header", "fake-input-client.h"), ("private-code", "fake-input.c")):
            subprocess.run(["wayland-scanner", art, xml, os.path.join(b, ziel)], check=True)
        subprocess.run(["gcc", "-O1", "-I", b, "-o", os.path.join(b, "kfake"),
                        os.path.join(HIER, "kfake.c"), os.path.join(b, "fake-input.c"),
                        "-lwayland-client"], check=True)

    def _chown(self, pfad):
        if self.pw:
            subprocess.run(["chown", "-R", "%d:%d" % (self.pw.pw_uid, self.pw.pw_gid), pfad])

    def log(self, name):
        with open(os.path.join(self.ordner, name), errors="replace") as f:
            return f.read()[-3000:]

    def starte(self, argv, env=None, log=None, als_nutzer=True):
        ausgabe = open(os.path.join(self.ordner, log), "a+") if log else subprocess.DEVNULL
        p = subprocess.Popen(self._als_nutzer(argv, env or self.env) if als_nutzer else argv,
                             stdin=subprocess.DEVNULL, stdout=ausgabe, stderr=subprocess.STDOUT,
                             preexec_fn=_mit_dem_harness_sterben)
        self.prozesse.append(p)
        return p

    def befehl(self, *argv, pruefen=True):
        r = subprocess.run(self._als_nutzer(argv, self.env), capture_output=True, timeout=60,
                           stdin=subprocess.DEVNULL)
        if pruefen and r.returncode != 0:
            raise Fehlschlag("%s: %s %s" % (" ".join(argv), r.stdout.decode(errors="replace"),
                                           r.stderr.decode(errors="replace")))
        return r

    def beenden(self):
        # gnome-shell does not end on SIGTERM; the sessions hold nothing to keep.
        for p in self.prozesse:
            try:
                os.killpg(p.pid, 9)
            except ProcessLookupError:
                pass
            p.wait()
        # What the session bus started on demand lives on beyond the group.
        marke = ("XDG_RUNTIME_DIR=%s\0" % os.path.join(self.ordner, "run")).encode()
        for pid in filter(str.isdigit, os.listdir("/proc")):
            try:
                with open("/proc/%s/environ" % pid, "rb") as f:
                    if marke in f.read():
                        os.kill(int(pid), 9)
            except OSError:
                pass
        for s in reversed(self.scopes):
            for d in (s, os.path.dirname(s)):
                try:
                    os.rmdir(d)
                except OSError:
                    pass
        # A sanitized program reports into its output.
        pfad = os.path.join(self.ordner, "skribano.log")
        bericht = ""
        if os.path.exists(pfad):
            with open(pfad, errors="replace") as f:
                text = f.read()
            if "Sanitizer" in text or "runtime error" in text:
                bericht = text
        shutil.rmtree(self.ordner, ignore_errors=True)
        return bericht

    # --- input and pictures ---
    def eingabe(self, aktionen):
        """GNOME: gnome-input.py's actions ("click X Y; keysym ff0d; ...");
        KDE: kfake's arguments in the same words."""
        if self.art == "gnome":
            self.befehl(os.path.join(HIER, "gin"), self.env["GIN_FIFO"], self.env["GIN_OUT"],
                        aktionen)
            return
        argv = []
        for a in aktionen.split(";"):
            w = a.split()
            argv += ["key", KDE_TASTEN[w[1]]] if w[0] == "keysym" else w
        self.befehl(os.path.join(self.ordner, "bin", "kfake"), *argv)

    def bildschirm(self):
        """The whole desktop without the pointer."""
        pfad = os.path.join(self.ordner, "out", "shot%d.png" % time.monotonic_ns())
        if self.art == "gnome":
            self.eingabe("shot " + pfad)
        else:
            self.befehl("/usr/bin/python3", os.path.join(HIER, "kwinshot.py"), pfad)
        return _ppm_lesen(subprocess.run(["convert", pfad, "-depth", "8", "ppm:-"],
                                         capture_output=True, check=True).stdout)

    def ruhiger_bildschirm(self):
        """The desktop once it has settled, the pointer on no control of the
        desktop's: GNOME fades the overview out, and highlights the top bar's
        button under the pointer."""
        self.eingabe("move 960 600")
        return _sobald_es_steht(self.bildschirm,
                                lambda a, b: _abweichungen_ausser(a, b, [UHR])[0] == 0,
                                zeit=20, schritt=0.5, text="Desktop kommt zur Ruhe")

    def im_app_scope(self, pid):
        """Puts pid into the systemd scope the app grid gives a program."""
        wurzel = "/sys/fs/cgroup/unified" if os.path.isdir("/sys/fs/cgroup/unified") else "/sys/fs/cgroup"
        uid = self.pw.pw_uid if self.pw else os.getuid()
        teile = ["user.slice", "user-%d.slice" % uid, "user@%d.service" % uid, "app.slice",
                 "app-gnome-%s-%d.scope" % (APP_ID, pid)]
        pfad = wurzel
        try:
            for t in teile:
                pfad = os.path.join(pfad, t)
                if not os.path.isdir(pfad):
                    os.mkdir(pfad)
                    self.scopes.append(pfad)
            with open(os.path.join(pfad, "cgroup.procs"), "w") as f:
                f.write(str(pid))
        except OSError as e:
            raise Uebersprungen("kein systemd-Scope anzulegen (%s): %s" % (pfad, e))


def _sobald_es_steht(messen, gleich, **warten):
    """What messen gives once two readings in a row are alike (gleich)."""
    vorher = [None]

    def steht():
        jetzt = messen()
        fest = jetzt if jetzt and vorher[0] and gleich(jetzt, vorher[0]) else None
        vorher[0] = jetzt
        return fest
    return warte_bis(steht, **warten)


KDE_TASTEN = {"ffc6": "67", "ff0d": "28", "ff09": "15"}  # F9, Return, Tab as evdev codes


def _neue_bilder(s, vorher):
    return sorted(set(_alle_bilder(s)) - vorher)


def _alle_bilder(s):
    """Every picture file where a portal might leave one; the test's own
    screenshots aside. In /tmp only the desktop user's: scenarios running
    beside this one write pictures there too."""
    eigene = os.path.join(s.ordner, "out")
    uid = s.pw.pw_uid if s.pw else os.getuid()

    def vom_desktop(p):
        try:
            return os.stat(p).st_uid == uid
        except OSError:
            return False
    return [p for d in (s.home, "/tmp", os.path.join(s.ordner, "run"))
            for p in glob.glob(os.path.join(d, "**", "*.png"), recursive=True)
            if not p.startswith(eigene) and (d != "/tmp" or vom_desktop(p))]


class Programm:
    def __init__(self, s, einstellungen, scope=False):
        self.s = s
        self.konf = os.path.join(s.home, ".config", "Quorvel", "Skribano.conf")
        os.makedirs(os.path.dirname(self.konf), exist_ok=True)
        with open(self.konf, "w") as f:
            # Opaque green shows on any background.
            f.write("[General]\nFarbMode=13\n" + "".join("%s=%s\n" % w for w in einstellungen.items()))
        s._chown(os.path.join(s.home, ".config"))
        env = dict(s.env, XDG_CONFIG_HOME=os.path.join(s.home, ".config"))
        env.update({k: v for k, v in os.environ.items() if k.endswith("SAN_OPTIONS")})
        self.p = s.starte([s.binary], env, log="skribano.log")
        if scope:
            s.im_app_scope(self.p.pid)

    def ausgabe(self):
        return self.s.log("skribano.log")

    def werkzeug(self, leer):
        """The tool window's rectangle (with its decoration) on the first
        monitor, against the empty desktop leer."""
        jetzt = self.s.bildschirm()
        pruefe(self.p.poll() is None, "Skribano ist beendet:\n" + self.ausgabe())
        # The top bar of GNOME's stays out.
        return _abweichungs_rahmen(jetzt, leer, [(0, 0, jetzt.breite, 40)])

    def nur_start(self, leer):
        """True once the ready tool window (Start alone) shows. Between the
        overlay going and the window coming back, none may show."""
        r = self.werkzeug(leer)
        return r is not None and r[3] < 100

    def start(self, leer):
        # Measured once it stands still: GNOME shows a new window growing.
        r = _sobald_es_steht(lambda: self.werkzeug(leer), lambda a, b: a == b, zeit=30,
                             text="Werkzeugfenster erscheint")
        # Only the Start button below the decoration: its middle.
        self.s.eingabe("click %d %d" % (r[0] + r[2] // 2, r[1] + r[3] - 13))
        return r

    def block(self, leer, ort):
        """The controls inside the overlay: their rectangle when they stand
        at ort, else None."""
        b = self.zuletzt = _abweichungs_rahmen(self.s.bildschirm(), leer, [UHR])
        return b if b and b[:2] == ort else None


def _im_overlay(s, app, leer, ort, monitor=None):
    """Checks drawing mode: the controls at ort in their frame, the rest of
    the monitor the frozen empty desktop, pixel for pixel."""
    try:
        warte_bis(lambda: app.block(leer, ort), zeit=20, text="Knöpfe im Overlay bei %s" % (ort,))
    except Fehlschlag as f:
        raise Fehlschlag("%s, zuletzt %s; Ausgabe:\n%s" % (f, app.zuletzt, app.ausgabe()))
    time.sleep(0.5)
    jetzt = s.bildschirm()
    block = (ort[0], ort[1], WERKZEUG_BREITE + 2 * RAHMEN, ZEICHEN_HOEHE + GRIFF + 2 * RAHMEN)
    n, erstes = _abweichungen_ausser(jetzt, leer, [block, UHR])
    pruefe(n == 0, "Eingefroren Pixel für Pixel (ohne Zeiger): %d Abweichungen, erste %s" % (n, erstes))
    rahmen = _abweichungs_rahmen(jetzt, leer, [UHR])
    # The frame's dark outer line is no change on KWin's black desktop.
    pruefe(rahmen and rahmen[:2] == ort and all(0 <= block[i] - rahmen[i] <= 1 for i in (2, 3)),
           "Die Knöpfe im Rahmen: %s statt %s" % (rahmen, block))
    # Opaque: the grip's row is the frame's colour, none of the pattern.
    farben = {jetzt.pixel(x, ort[1] + RAHMEN + 1)
              for x in range(ort[0] + RAHMEN, ort[0] + RAHMEN + WERKZEUG_BREITE)}
    pruefe(len(farben) == 1, "Deckender Hintergrund des Griffs: %s" % farben)


def _strich_und_fertig(s, app, leer):
    s.eingabe("drag 500 1000 900 1000 20")
    time.sleep(0.5)
    jetzt = s.bildschirm()
    gruen = sum(jetzt.pixel(x, 1000) == (0, 255, 0) for x in range(500, 900))
    pruefe(gruen >= 395, "Grüner Strich im Overlay: %d von 400 Pixeln" % gruen)
    s.eingabe("keysym ffc6")
    warte_bis(lambda: app.nur_start(leer), zeit=15, text="Fertig gibt den Desktop zurück")


def gnome_aus_dem_app_raster(nummer):
    with DesktopSitzung("gnome") as s:
        leer = s.ruhiger_bildschirm()
        vorher = set(_alle_bilder(s))
        app = Programm(s, {"WinPos-Left": 300, "WinPos-Top": 200}, scope=True)
        app.start(leer)
        # GNOME asks, naming the application; Tab reaches "Allow".
        time.sleep(3)
        s.eingabe("keysym ff09; keysym ff0d")
        _im_overlay(s, app, leer, (300, 200))
        store = s.befehl("gdbus", "call", "--session", "--dest",
                         "org.freedesktop.impl.portal.PermissionStore", "--object-path",
                         "/org/freedesktop/impl/portal/PermissionStore", "--method",
                         "org.freedesktop.impl.portal.PermissionStore.Lookup", "screenshot",
                         "screenshot").stdout.decode()
        pruefe("'%s': ['yes']" % APP_ID in store, "Erlaubt für %s: %s" % (APP_ID, store))
        _strich_und_fertig(s, app, leer)
        # Allowed once: the next Start asks nothing.
        app.start(leer)
        _im_overlay(s, app, leer, (300, 200))
        s.eingabe("keysym ffc6")
        warte_bis(lambda: app.nur_start(leer), zeit=15, text="Fertig")
        # Asked again and refused: the error box, then the ready state.
        s.befehl("gdbus", "call", "--session", "--dest", "org.freedesktop.impl.portal.PermissionStore",
                 "--object-path", "/org/freedesktop/impl/portal/PermissionStore", "--method",
                 "org.freedesktop.impl.portal.PermissionStore.DeletePermission", "screenshot",
                 "screenshot", APP_ID)
        app.start(leer)
        time.sleep(3)
        s.eingabe("keysym ff0d")
        warte_bis(lambda: "wurde abgelehnt" in app.ausgabe(), zeit=15, text="Meldung „abgelehnt“")
        # The box is told before it shows: Return waits for it.
        warte_bis(lambda: (app.werkzeug(leer) or (0, 0, 0, 0))[3] >= 100, zeit=15,
                  text="Fehlermeldung erscheint")
        s.eingabe("keysym ff0d")
        warte_bis(lambda: app.nur_start(leer), zeit=15, text="Bereit: nur der Start-Knopf")
        pruefe(_neue_bilder(s, vorher) == [], "Keine Bilddatei bleibt: %s" % _neue_bilder(s, vorher))


def gnome_antwort_nach_20s_zwei_monitore(nummer):
    with DesktopSitzung("gnome", monitore=("1920x1080", "1280x1024")) as s:
        leer = s.ruhiger_bildschirm()
        vorher = set(_alle_bilder(s))
        app = Programm(s, {})
        fenster = app.start(leer)
        time.sleep(20)
        s.eingabe("keysym ff09; keysym ff0d")
        # Nothing stored: the default place, the window with its decoration
        # 15 pixels from the first monitor's right edge. The second monitor
        # stays as it was.
        _im_overlay(s, app, leer, (1920 - fenster[2] - 15, 5))
        _strich_und_fertig(s, app, leer)
        pruefe(_neue_bilder(s, vorher) == [], "Keine Bilddatei bleibt: %s" % _neue_bilder(s, vorher))


def kde_ohne_zeiger(nummer):
    with DesktopSitzung("kde") as s:
        leer = s.ruhiger_bildschirm()
        app = Programm(s, {"WinPos-Left": 300, "WinPos-Top": 200})
        app.start(leer)
        # The pointer stood on Start: the frozen picture is the desktop without it.
        _im_overlay(s, app, leer, (300, 200))
        # Dragged by the grip, kept in the settings.
        s.eingabe("drag 320 204 620 404 10")
        warte_bis(lambda: app.block(leer, (600, 400)), zeit=10, text="Knöpfe verschoben")
        _strich_und_fertig(s, app, leer)
        app.p.terminate()
        app.p.wait(timeout=15)
        with open(app.konf) as f:
            text = f.read()
        pruefe("WinPos-Left=600" in text and "WinPos-Top=400" in text, "Ort gespeichert:\n" + text)
