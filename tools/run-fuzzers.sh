#!/bin/bash
# Runs every fuzz_* binary of a fuzz build for SECONDS each, with its own corpus folder.
set -euo pipefail
build=$1; seconds=${2:-120}
status=0
for f in "$build"/bin/fuzz_*; do
    [ -x "$f" ] || continue
    name=$(basename "$f")
    corpus="$build/corpus/$name"; mkdir -p "$corpus"
    seeds="$(dirname "$0")/../fuzz/seeds/${name#fuzz_}"
    echo "== $name ($seconds s)"
    args=("$corpus"); [ -d "$seeds" ] && args+=("$seeds")
    "$f" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$build/" "${args[@]}" || status=1
done
exit $status
