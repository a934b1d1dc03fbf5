"""A CUPS scheduler of the test's own: its configuration, spool, logs and
socket live in a temporary folder, and it has one CUPS-PDF queue whose PDF
files land there too. Nothing of the machine's printing is used or changed:
the scheduler listens only on its own socket, and the PDF backend reads its
configuration from a private mount over /etc/cups/cups-pdf.conf that exists
only inside the scheduler's mount namespace. The program under test reaches
it through CUPS_SERVER."""

import glob
import os
import shutil
import signal
import subprocess
import tempfile
import time

from e2e import Lebenslauf

WARTESCHLANGE = "SkribanoPDF"
PPD_MODELL = "lsb/usr/cups-pdf/CUPS-PDF_opt.ppd"
PPD_DATEI = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"
PDF_KONF = "/etc/cups/cups-pdf.conf"


def _mit_dem_harness_sterben():
    import ctypes
    ctypes.CDLL(None).prctl(1, signal.SIGKILL)
    os.setsid()


class PrivaterCups(Lebenslauf):
    """rand_pt: unprintable border (left, bottom, right, top) of A4 in
    PostScript points for the queue's PPD; None keeps CUPS-PDF's own."""

    def __init__(self, rand_pt=None):
        self.rand_pt = rand_pt
        self.ordner = tempfile.mkdtemp(prefix="skribano-cups-")
        self.socket = os.path.join(self.ordner, "cups.sock")
        self.pdf_ordner = self._unterordner("pdf", 0o755)
        self.p = None

    def env(self):
        return {"CUPS_SERVER": self.socket}

    def _unterordner(self, name, modus):
        pfad = os.path.join(self.ordner, name)
        os.makedirs(pfad, exist_ok=True)
        os.chmod(pfad, modus)
        return pfad

    def _schreibe(self, name, text):
        pfad = os.path.join(self.ordner, name)
        with open(pfad, "w") as f:
            f.write(text)
        return pfad

    def _starten(self):
        # Filters run as the scheduler's unprivileged user and must read the
        # spool; the folder itself comes from mkdtemp with mode 0700.
        os.chmod(self.ordner, 0o755)
        o = {n: self._unterordner(n, m) for n, m in
             (("spool", 0o755), ("cache", 0o755), ("state", 0o755), ("tmp", 0o1777),
              ("log", 0o755), ("pdfspool", 0o1777))}
        self._schreibe("cupsd.conf", "\n".join([
            "Listen " + self.socket, "Browsing No", "WebInterface No", "LogLevel info",
            "DefaultAuthType None",
            "<Location />", "  Order allow,deny", "  Allow all", "</Location>",
            "<Location /admin>", "  Order allow,deny", "  Allow all", "</Location>", ""]))
        self._schreibe("cups-files.conf", "\n".join([
            "ServerRoot " + self.ordner, "RequestRoot " + o["spool"], "CacheDir " + o["cache"],
            "StateDir " + o["state"], "TempDir " + o["tmp"],
            "ErrorLog " + os.path.join(o["log"], "error_log"),
            "AccessLog " + os.path.join(o["log"], "access_log"),
            "PageLog " + os.path.join(o["log"], "page_log"),
            "Printcap " + os.path.join(self.ordner, "printcap"),
            "ServerBin /usr/lib/cups", "DataDir /usr/share/cups", ""]))
        pdf_konf = self._schreibe("cups-pdf.conf", "\n".join([
            "Out " + self.pdf_ordner, "Spool " + o["pdfspool"], "Log " + o["log"],
            "GSTmp " + o["tmp"], "Grp root", ""]))
        skript = 'mount --bind "$1" "$2" && exec cupsd -f -c "$3" -s "$4"'
        self.p = subprocess.Popen(
            ["unshare", "--mount", "--propagation", "private", "sh", "-c", skript, "sh",
             pdf_konf, PDF_KONF, os.path.join(self.ordner, "cupsd.conf"),
             os.path.join(self.ordner, "cups-files.conf")],
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
            stderr=open(os.path.join(o["log"], "stderr"), "w"),
            preexec_fn=_mit_dem_harness_sterben)
        ende = time.monotonic() + 20
        while b"is running" not in self._befehl("lpstat", "-r", pruefen=False).stdout:
            if self.p.poll() is not None or time.monotonic() > ende:
                raise AssertionError("Privater CUPS-Dienst startet nicht:\n" + self.protokoll())
            time.sleep(0.1)
        modell = ["-m", PPD_MODELL]
        if self.rand_pt is not None:
            modell = ["-P", self._ppd_mit_rand()]
        self._befehl("lpadmin", "-p", WARTESCHLANGE, "-v", "cups-pdf:/", "-E", *modell)
        self._befehl("lpadmin", "-d", WARTESCHLANGE)

    def _ppd_mit_rand(self):
        l, u, r, o = self.rand_pt
        with open(PPD_DATEI) as f:
            zeilen = f.read().splitlines()
        ziel = []
        for z in zeilen:
            if z.startswith("*ImageableArea A4/A4:"):
                z = '*ImageableArea A4/A4: "%g %g %g %g"' % (l, u, 595 - r, 842 - o)
            ziel.append(z)
        return self._schreibe("rand.ppd", "\n".join(ziel) + "\n")

    def _befehl(self, *argv, pruefen=True):
        env = dict(os.environ, **self.env())
        r = subprocess.run(argv, env=env, capture_output=True, timeout=30,
                           stdin=subprocess.DEVNULL)
        if pruefen and r.returncode != 0:
            raise AssertionError("%s: %s" % (" ".join(argv), r.stderr.decode(errors="replace")))
        return r

    def protokoll(self):
        texte = []
        for n in ("stderr", "error_log"):
            try:
                with open(os.path.join(self.ordner, "log", n)) as f:
                    texte.append(f.read()[-3000:])
            except OSError:
                pass
        return "\n".join(texte)

    def pdf_dateien(self):
        return sorted(glob.glob(os.path.join(self.pdf_ordner, "*.pdf")))

    def auftraege_fertig(self):
        """True when the queue holds no unfinished job."""
        return self._befehl("lpstat", "-o", WARTESCHLANGE, pruefen=False).stdout.strip() == b""

    def beenden(self):
        if self.p and self.p.poll() is None:
            self.p.terminate()
            try:
                self.p.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.p.kill()
                self.p.wait()
        shutil.rmtree(self.ordner, ignore_errors=True)
