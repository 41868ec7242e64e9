#!/bin/bash
# Runs every fuzz_* binary of a fuzz build for SECONDS each, with its own corpus folder.
set -euo pipefail
build=$1; seconds=${2:-120}
status=0
# The tag fuzzers write and save a file per input; a tag save syncs what it writes, which on a
# disk limits them to a few dozen inputs a second. On tmpfs syncing costs nothing.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then
    export TMPDIR=/dev/shm
fi
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
