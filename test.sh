#!/usr/bin/env bash
# Installs what is missing and runs every test. The unit tests and end-to-end
# scenarios run once, side by side, on a build with AddressSanitizer and
# UndefinedBehaviorSanitizer; the normal build is compiled for what only it
# can show: the program a user runs, its installation and Debian package, and
# the benchmarks. The last line counts every test, each unit test by itself.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh alles
./scripts/build.sh normal
# The installation and package checks run while the sanitized build compiles.
(cd build && ctest --output-on-failure --timeout 300 --output-junit ctest.xml) &
normal=$!
source tests/sanitizer/umgebung.sh
./scripts/build.sh sanitizer
wait $normal
# One scenario more than cores: each spends part of its time waiting for its
# X server and bus, and the cores stay busy.
(cd build-sanitizer && ctest --output-on-failure --timeout 600 -j"$(($(nproc) + 1))" --output-junit ctest.xml)
python3 scripts/testzahlen.py build/ctest.xml build-sanitizer/ctest.xml \
  --gtest build-sanitizer/tests/unit_tests.xml
