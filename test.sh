#!/usr/bin/env bash
# Installs what is missing, builds Skribano and runs every test; then builds
# it again with AddressSanitizer and UndefinedBehaviorSanitizer and runs the
# unit and end-to-end tests against the sanitized program.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
./scripts/build.sh
(cd build && ctest --output-on-failure --timeout 300)
source tests/sanitizer/umgebung.sh
./scripts/build.sh sanitizer
(cd build-sanitizer && ctest --output-on-failure --timeout 600 -j2)
