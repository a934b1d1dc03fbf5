"""What an install of Skribano under /usr must hold, shared by the install
test and the package test."""

import glob
import os

ID = "org.example.skribano"
PROGRAMMORDNER = "usr/lib/skribano"
ICON_GROESSEN = (16, 24, 32, 48, 64, 128, 256)


def uebersetzungen(quelle):
    """The shipped translation files of the source tree (there may be none)."""
    return sorted(os.path.basename(p)
                  for p in glob.glob(os.path.join(quelle, "resources", "translations", "*.ini")))


def dateien(quelle):
    """Every file and link below the prefix, as paths relative to the root."""
    liste = {
        "usr/bin/skribano",
        PROGRAMMORDNER + "/skribano",
        "usr/share/applications/%s.desktop" % ID,
        "usr/share/metainfo/%s.metainfo.xml" % ID,
        "usr/share/icons/hicolor/scalable/apps/%s.svg" % ID,
        "usr/share/man/man1/skribano.1.gz",
        "usr/share/doc/skribano/copyright",
        "usr/share/doc/skribano/changelog.gz",
    }
    liste |= {"usr/share/icons/hicolor/%dx%d/apps/%s.png" % (g, g, ID) for g in ICON_GROESSEN}
    liste |= {PROGRAMMORDNER + "/translations/" + n for n in uebersetzungen(quelle)}
    return liste
