#!/bin/sh
# Every figure of saving, the Start, the pen and the memory at 3840x2160 from
# one build, each as median and range beside the figure it replaces; for a
# quiet machine (the load is printed before and after). Several minutes.
#
#     bench/messen.sh [BUILD_DIR]
set -eu
hier=$(dirname "$0")
build=${1:-build}
echo "Last vorher: $(cat /proc/loadavg)"
QT_QPA_PLATFORM=offscreen "$build/bench/skribano_bench" \
  --benchmark_filter='Kodieren|Datei' --benchmark_counters_tabular=true
python3 "$hier/stocken_xorg.py" --runs 7 "$build/skribano"
python3 "$hier/start_xorg.py" --runs 7 "$build/skribano"
echo "Last nachher: $(cat /proc/loadavg)"
