#!/usr/bin/env bash
# Times the history functions on a "History.xml" of 10,000 recordings: loadAllHistory, one
# findHistory and one addOrUpdateHistory, in milliseconds; the last line is loadAllHistory per
# record in microseconds. Target: the load under 250 ms, memory under 50 MB.
# Usage: BUILD=<build folder> bench/history.sh [records]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD:-build}"
case "$build" in /*) ;; *) build="$here/$build" ;; esac
records="${1:-10000}"

cmake --build "$build" --target history_bench >/dev/null
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
"$build/bin/history_bench" "$scratch" "$records"
