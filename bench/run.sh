#!/usr/bin/env bash
# Runs every figure of the benchmark and prints one line per figure,
# "name value unit":  bench/run.sh [BUILD-DIR]   (default build/)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)

"$build/bench/wellenzeiger_bench"
"$build/bench/wellenzeiger_bench" --dpr2
xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" "$here/outside.sh" "$build"
