#!/bin/bash
# The recordings list's speed with a History.xml of 10,000 recordings, against the same run
# with an empty history, under a private Xvfb display:
#   launch: from starting the main window's program to its first expose with the list filled
#     (library_bench --launch), the median of RUNS;
#   search: one regular-expression search over every row (filter and summary line);
#   scroll: the whole list page by page, each repaint of the table timed.
# Prints "launch with 10000 records: N ms" (and the empty history's figure and the ratio),
# "search over 10000 rows: N ms", "scroll: max frame N ms". Targets: launch under 1 s, search
# under 50 ms, every frame under 16 ms.
# Environment: BUILD (build folder, default build), RUNS (launches each, default 5),
# RECORDS (default 10000).
set -u
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
build=${BUILD:-build}
case "$build" in /*) ;; *) build=$root/$build ;; esac
runs=${RUNS:-5}
records=${RECORDS:-10000}
cmake --build "$build" --target library_bench Olmet quillon_resources >/dev/null || exit 1
helper=$build/bin/library_bench
command -v Xvfb >/dev/null || { echo "library.sh: Xvfb missing" >&2; exit 1; }

work=$(mktemp -d /tmp/quillon-bench-library.XXXXXX)
xvfb_pid=
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
display=:$((100 + RANDOM % 800))
Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb_pid=$!
sleep 1
export DISPLAY=$display QT_QPA_PLATFORM=xcb PULSE_SERVER=unix:/nonexistent/quillon-bench

# One private home per history size.
use_home() {
    export HOME=$work/home$1 XDG_DATA_HOME=$work/home$1/data XDG_CONFIG_HOME=$work/home$1/config
    export XDG_CACHE_HOME=$work/home$1/cache
    mkdir -p "$HOME"
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

launch_ms() {
    for _ in $(seq "$runs"); do
        local start end
        start=$(date +%s%N)
        "$helper" --launch >"$work/out" 2>/dev/null
        end=$(date +%s%N)
        echo $(((end - start) / 1000000))
    done | median
}

for size in 0 "$records"; do
    use_home "$size"
    "$helper" --history "$work/media$size" "$size" || exit 1
    eval "launch$size=$(launch_ms)"
    rows=$(awk '/^rows/ {print $2}' "$work/out")
    [ "$rows" = "$size" ] || { echo "library.sh: $rows rows shown, $size expected" >&2; exit 1; }
    "$helper" --use >"$work/use$size" 2>/dev/null
done

empty=$launch0
full=$(eval echo "\$launch$records")
echo "launch with 0 records: $empty ms"
echo "launch with $records records: $full ms"
awk -v a="$full" -v b="$empty" 'BEGIN {printf "ratio launch full/empty: %.2f\n", a / b}'
awk -v n="$records" '/^search_ms/ {printf "search over %d rows: %s ms (%d shown)\n", n, $2, $4}' \
    "$work/use$records"
awk '/^scroll_frames/ {printf "scroll: %d frames, max frame %s ms, mean %s ms\n", $2, $4, $6}' \
    "$work/use$records"
awk '/^scroll_frames/ {printf "scroll (empty history): max frame %s ms\n", $4}' "$work/use0"
