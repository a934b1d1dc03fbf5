# Sanitizer settings for every sanitized program that the build and the
# tests start (sourced by test.sh): leak detection on, libdbus's own leaks
# suppressed, every report fatal, with its stack.
SANITIZER_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:exitcode=23"
export LSAN_OPTIONS="suppressions=$SANITIZER_DIR/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:exitcode=24"
