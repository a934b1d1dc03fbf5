#!/usr/bin/env bash
# Installs what is missing, builds Skribano and starts it.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
./scripts/build.sh

if [ -z "${DISPLAY:-}" ]; then
  # No desktop here: give the program a virtual one instead of failing.
  export DISPLAY=:57
  echo "Keine Anzeige gefunden: starte einen virtuellen X-Server auf $DISPLAY (Xvfb mit openbox)."
  Xvfb "$DISPLAY" -screen 0 1920x1080x24 -nolisten tcp -noreset >/dev/null 2>&1 &
  XVFB_PID=$!
  trap 'kill $WM_PID $XVFB_PID 2>/dev/null || true' EXIT
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  openbox >/dev/null 2>&1 &
  WM_PID=$!
fi
exec_status=0
./build/skribano || exec_status=$?
exit $exec_status
