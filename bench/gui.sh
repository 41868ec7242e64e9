#!/bin/bash
# The main window's speed, under a private Xvfb display:
#   start-up: from launching quillon-audio-recorder to its window's first expose (the program
#     logs that moment), against a bare Qt window (gui_bench --plain), the median of RUNS each;
#   recording: the GUI process's CPU time per second of recorded audio while recording MP3 at
#     192 kbit/s from the window with the recording display running (gui_bench --record),
#     against `quillon record` recording the same played audio at the same time.
# Prints "window shown after: N ms" with the ratio to the bare window, and
# "ratio gui/cli cpu per audio second: X". Targets: under 400 ms; at most 1.5.
# Uses the sound server in PULSE_SERVER when it answers, otherwise starts a private one.
# Environment: BUILD (build folder, default build), BENCH_SECONDS (recorded seconds, default
# 20), RUNS (start-up runs, default 7), ROUNDS (recording rounds, default 3).
set -u
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
build=${BUILD:-build}
case "$build" in /*) ;; *) build=$root/$build ;; esac
seconds=${BENCH_SECONDS:-20}
runs=${RUNS:-7}
rounds=${ROUNDS:-3}
app=$build/bin/quillon-audio-recorder
helper=$build/bin/gui_bench
quillon=$build/bin/quillon
for exe in "$app" "$helper" "$quillon"; do
    [ -x "$exe" ] || { echo "gui.sh: $exe not built" >&2; exit 1; }
done
for tool in Xvfb ffmpeg paplay pactl /usr/bin/time; do
    command -v "$tool" >/dev/null || { echo "gui.sh: $tool missing" >&2; exit 1; }
done

work=$(mktemp -d /tmp/quillon-bench-gui.XXXXXX)
private_server=
xvfb_pid=
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    [ -n "$private_server" ] && "$root/tests/harness/pulse-server.sh" stop "$work/pulse" >/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# Every program sees private per-user folders: no settings, history or recordings of the user.
export HOME=$work/home XDG_DATA_HOME=$work/home/.local/share XDG_CONFIG_HOME=$work/home/.config
export XDG_CACHE_HOME=$work/home/.cache XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

if ! pactl info >/dev/null 2>&1; then
    "$root/tests/harness/pulse-server.sh" start "$work/pulse" >/dev/null || exit 1
    private_server=1
    export PULSE_SERVER=unix:$work/pulse/native PULSE_RUNTIME_PATH=$work/pulse/runtime
    export PULSE_STATE_PATH=$work/pulse/state
fi

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display") QT_QPA_PLATFORM=xcb
unset QT_QPA_PLATFORMTHEME

now_ms() { date +%s%3N; }

# Milliseconds from launching "$@" to the "exposed at N ms" line it writes to stderr.
time_to_expose() {
    local log=$work/expose.log start pid shown
    : >"$log"
    start=$(now_ms)
    "$@" 2>"$log" >/dev/null &
    pid=$!
    for _ in $(seq 200); do
        shown=$(grep -o 'exposed at [0-9]* ms' "$log" | grep -o '[0-9]*' | head -1)
        [ -n "$shown" ] && break
        sleep 0.05
    done
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    [ -n "$shown" ] && echo $((shown - start))
}

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR) print v[int((NR + 1) / 2)]; else print "n/a" }'; }

: >"$work/app.ms"
: >"$work/plain.ms"
for _ in $(seq "$runs"); do
    time_to_expose "$app" >>"$work/app.ms"
    time_to_expose "$helper" --plain >>"$work/plain.ms"
done
app_ms=$(median <"$work/app.ms")
plain_ms=$(median <"$work/plain.ms")
echo "start-up runs (ms): quillon $(tr '\n' ' ' <"$work/app.ms")| bare Qt $(tr '\n' ' ' <"$work/plain.ms")"

# The same played audio for both recorders; they start before it and end after it. The two
# share the machine, so a round's ratio moves with whatever else runs: ROUNDS rounds, and the
# ratio printed last is their median.
ffmpeg -v error -y -f lavfi \
    -i "aevalsrc=0.3*sin(2*PI*(220+200*sin(0.2*PI*t))*t)+0.2*sin(6000*PI*t):s=44100:d=$seconds" \
    -ac 2 -c:a pcm_s16le "$work/played.wav" || exit 1
record_seconds=$((seconds + 4))
: >"$work/rounds.txt"
for round in $(seq "$rounds"); do
    "$helper" --record "$record_seconds" >"$work/gui.out" 2>"$work/gui.log" &
    gui_pid=$!
    /usr/bin/time -f '%U %S' -o "$work/cli.time" \
        "$quillon" record "$work/cli.mp3" --bitrate 192 --seconds "$record_seconds" \
        2>"$work/cli.log" &
    cli_pid=$!
    sleep 2
    paplay -d "$(pactl get-default-sink)" "$work/played.wav"
    wait "$gui_pid" "$cli_pid"
    read -r _ gui_cpu _ gui_audio <"$work/gui.out" ||
        { echo "gui.sh: no result:"; cat "$work/gui.log"; exit 1; }
    read -r cli_user cli_sys <"$work/cli.time"
    cli_audio=$(ffprobe -v error -show_entries format=duration -of csv=p=0 "$work/cli.mp3")
    echo "$round $gui_cpu $gui_audio $(awk -v u="$cli_user" -v s="$cli_sys" 'BEGIN { print u + s }') $cli_audio" \
        >>"$work/rounds.txt"
done

# Per round: the window's and the command line's CPU per audio second, and their ratio.
awk '{ g = ($3 > 0 ? $2 / $3 : 0); c = ($5 > 0 ? $4 / $5 : 0)
       printf "%-6d %12.2f %12.2f %8.3f\n", $1, g * 1000, c * 1000, (c > 0 ? g / c : 0) }' \
    "$work/rounds.txt" >"$work/ratios.txt"
printf "%-6s %12s %12s %8s\n" round window_ms/s quillon_ms/s ratio
cat "$work/ratios.txt"
median=$(awk '{ print $4 }' "$work/ratios.txt" | sort -n |
    awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }')
awk -v am="$app_ms" -v pm="$plain_ms" -v r="$median" -v n="$rounds" 'BEGIN {
    printf "window shown after: %d ms (bare Qt window: %d ms, ratio %.2f; target < 400 ms)\n", \
        am, pm, (pm > 0 ? am / pm : 0)
    printf "ratio gui/cli cpu per audio second: %.2f (median of %d rounds; target <= 1.5)\n", r, n
}'
