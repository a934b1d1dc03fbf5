#!/usr/bin/env bash
# Configures and builds Skribano, its tests and benchmarks into ./build;
# "build.sh sanitizer" builds the program and its tests with AddressSanitizer
# and UndefinedBehaviorSanitizer into ./build-sanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = sanitizer ]; then
  cmake -S . -B build-sanitizer -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSKRIBANO_SANITIZE=ON >/dev/null
  cmake --build build-sanitizer -j"$(nproc)"
else
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build -j"$(nproc)"
fi
