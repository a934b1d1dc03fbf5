#!/usr/bin/env python3
"""Counts the tests of a run of test.sh from CTest's JUnit files and the
unit tests' own XML file, each unit test counted by itself:

    scripts/testzahlen.py CTEST_JUNIT... [--gtest GTEST_XML]..."""

import sys
import xml.etree.ElementTree as ET


def zaehle_ctest(pfad, gtest_dateien):
    bestanden = fehlgeschlagen = uebersprungen = 0
    for fall in ET.parse(pfad).getroot().iter("testcase"):
        if fall.get("name") == "unit_tests" and gtest_dateien:
            b, f, u = zaehle_gtest(gtest_dateien.pop(0))
        else:
            status = fall.get("status", "run")
            b = int(status == "run" and fall.find("failure") is None)
            u = int(fall.find("skipped") is not None or status in ("notrun", "disabled"))
            f = 1 - b - u
        bestanden, fehlgeschlagen, uebersprungen = (bestanden + b, fehlgeschlagen + f,
                                                    uebersprungen + u)
    return bestanden, fehlgeschlagen, uebersprungen


def zaehle_gtest(pfad):
    bestanden = fehlgeschlagen = uebersprungen = 0
    for fall in ET.parse(pfad).getroot().iter("testcase"):
        if fall.find("failure") is not None:
            fehlgeschlagen += 1
        elif fall.get("result") == "skipped" or fall.find("skipped") is not None:
            uebersprungen += 1
        else:
            bestanden += 1
    return bestanden, fehlgeschlagen, uebersprungen


def main():
    args = sys.argv[1:]
    gtest = [args[i + 1] for i, a in enumerate(args) if a == "--gtest"]
    ctest = [a for i, a in enumerate(args) if a != "--gtest" and (i == 0 or args[i - 1] != "--gtest")]
    summe = [0, 0, 0]
    for pfad in ctest:
        for i, n in enumerate(zaehle_ctest(pfad, gtest)):
            summe[i] += n
    print("Tests: %d passed, %d failed, %d skipped" % tuple(summe))
    return 1 if summe[1] else 0


if __name__ == "__main__":
    sys.exit(main())
