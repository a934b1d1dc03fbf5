"""Runs one end-to-end scenario: run.py MODULE.SCENARIO DISPLAY."""

import importlib
import sys
import traceback

import e2e

# CTest's SKIP_RETURN_CODE for the scenarios.
UEBERSPRUNGEN = 77


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    modul, name = sys.argv[1].rsplit(".", 1)
    szenario = getattr(importlib.import_module(modul), name)
    try:
        szenario(int(sys.argv[2]))
    except e2e.Fehlschlag as f:
        traceback.print_exc()
        print("FEHLGESCHLAGEN:", f)
        return 1
    except e2e.Uebersprungen as u:
        print("ÜBERSPRUNGEN:", u)
        return UEBERSPRUNGEN
    print("BESTANDEN:", sys.argv[1])
    return 0


if __name__ == "__main__":
    sys.exit(main())
