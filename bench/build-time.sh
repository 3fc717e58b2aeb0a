#!/usr/bin/env bash
# bench/build-time.sh [CORES]: the seconds a clean build of this source tree takes on CORES
# processors (default 2), in a fresh build folder, without ccache. Not a test either: the figure
# depends on the machine and on what else runs.
set -euo pipefail
source_dir="$(cd "$(dirname "$0")/.." && pwd)"
cores="${1:-2}"
build_dir="$(mktemp -d)"
trap 'rm -rf "$build_dir"' EXIT
cmake -S "$source_dir" -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKWIL_WERROR=ON >/dev/null
start=$(date +%s.%N)
CCACHE_DISABLE=1 taskset -c "0-$((cores - 1))" cmake --build "$build_dir" -j "$cores" >/dev/null
end=$(date +%s.%N)
awk -v a="$start" -v b="$end" -v c="$cores" 'BEGIN { printf "clean build on %d cores: %.0f s\n", c, b - a }'
