#!/usr/bin/env bash
# Installs what is missing, builds Skribano and runs every test. The sanitized
# configuration (scripts/build.sh sanitizer, tests/sanitizer/umgebung.sh) is
# run by hand until its remaining reports are mended.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
./scripts/build.sh
(cd build && ctest --output-on-failure --timeout 300)

