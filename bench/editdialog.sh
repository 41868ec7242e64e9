#!/bin/bash
# The edit dialog's speed (offscreen Qt platform unless QT_QPA_PLATFORM says otherwise):
#   open: from building the dialog on a 1-hour MP3 to the first frame of the Trim tab's level
#     display that shows sound (editdialog_bench --open), in a process that has shown the
#     dialog before, against the same for a 10-second MP3, the median of RUNS each; the ratio
#     shows whether the length of a file costs time. Also the first dialog of a process
#     (fonts, skin images and effect presets still to load);
#   drag: the time per frame of dragging a trim handle (the mouse event and a synchronous
#     repaint of the range slider, editdialog_bench --drag), against a plain QSlider of the
#     same size repainted the same number of times.
# Prints "open 1-hour file: N ms", "drag a trim handle: N ms a frame", each with its peer and
# the ratio. Targets: under 500 ms; under 16 ms a frame.
# Environment: BUILD (build folder, default build), RUNS (default 5), STEPS (drag frames,
# default 400).
set -u
source "$(dirname "$0")/common.sh"
bench_init editdialog ffmpeg
runs=${RUNS:-5}
steps=${STEPS:-400}
helper=$build/bin/editdialog_bench
[ -x "$helper" ] ||
    { echo "editdialog: $helper not built (cmake --build $build --target editdialog_bench)" >&2; exit 1; }
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
bench_sound_server
bench_music 3600 "$work/hour.mp3"
bench_music 10 "$work/short.mp3"

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
# Runs the helper RUNS times and prints the median of the value named $1: measure KEY ARGS...
measure() {
    local key=$1; shift
    for _ in $(seq "$runs"); do
        "$helper" "$@" 2>/dev/null | awk -v k="$key" '$1 == k { print $2 }'
    done | median
}

hour=$(measure open_ms --open "$work/hour.mp3" --warm)
short=$(measure open_ms --open "$work/short.mp3" --warm)
cold=$(measure open_ms --open "$work/hour.mp3")
[ -n "$hour" ] && [ -n "$short" ] || { echo "editdialog: the dialog showed no level frame" >&2; exit 1; }
drag=$("$helper" --drag "$work/hour.mp3" "$steps" 2>/dev/null)
slider=$(awk '$1 == "drag_ms" { print $2 }' <<<"$drag")
peer=$(awk '$1 == "peer_drag_ms" { print $2 }' <<<"$drag")
[ -n "$slider" ] || { echo "editdialog: the drag did not run" >&2; exit 1; }

echo "open 1-hour file: $hour ms (10-second file: $short ms, ratio $(awk -v a="$hour" -v b="$short" 'BEGIN { printf "%.2f", a / b }')); first dialog of a process: $cold ms"
echo "drag a trim handle: $slider ms a frame (plain QSlider: $peer ms, ratio $(awk -v a="$slider" -v b="$peer" 'BEGIN { printf "%.2f", a / (b > 0 ? b : 0.001) }'))"
echo "targets: open under 500 ms, drag under 16 ms a frame"
