#!/usr/bin/env bash
# Configures and builds Skribano:
#   build.sh            the program alone into ./build (what ./run.sh starts)
#   build.sh normal     the program, its benchmarks and the checks of its
#                       installation and package into ./build
#   build.sh sanitizer  the program and its unit and end-to-end tests with
#                       AddressSanitizer and UndefinedBehaviorSanitizer into
#                       ./build-sanitizer
set -euo pipefail
cd "$(dirname "$0")/.."
case "${1:-programm}" in
  programm)
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSKRIBANO_SCHNELL=ON -DSKRIBANO_TESTS=OFF \
      -DSKRIBANO_INSTALLATIONSTESTS=OFF -DSKRIBANO_BENCH=OFF >/dev/null
    cmake --build build -j"$(nproc)" --target skribano
    ;;
  normal)
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSKRIBANO_SCHNELL=ON -DSKRIBANO_TESTS=OFF \
      -DSKRIBANO_INSTALLATIONSTESTS=ON -DSKRIBANO_BENCH=ON >/dev/null
    cmake --build build -j"$(nproc)"
    ;;
  sanitizer)
    cmake -S . -B build-sanitizer -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSKRIBANO_SCHNELL=ON -DSKRIBANO_SANITIZE=ON \
      -DSKRIBANO_TESTS=ON >/dev/null
    cmake --build build-sanitizer -j"$(nproc)"
    ;;
  *)
    echo "Aufruf: scripts/build.sh [normal|sanitizer]" >&2
    exit 2
    ;;
esac
