# Shared by the benchmark scripts (sourced): paths, tool checks, a work folder, the sound
# server and test media. Sets root, build, quillon and work; removes work on exit.
#   bench_init NAME TOOL...        checks that quillon is built and the tools exist
#   bench_sound_server             uses PULSE_SERVER when it answers, else starts a private one
#   bench_music SECONDS OUT.mp3    sound over the whole band (a sweep and pink noise), 192 kbit/s
bench_init() {
    local name=$1; shift
    root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
    build=${BUILD:-build}
    case "$build" in /*) ;; *) build=$root/$build ;; esac
    quillon=$build/bin/quillon
    [ -x "$quillon" ] || { echo "$name: $quillon not built" >&2; exit 1; }
    for tool in "$@" /usr/bin/time; do
        command -v "$tool" >/dev/null || { echo "$name: $tool missing" >&2; exit 1; }
    done
    work=$(mktemp -d "/tmp/quillon-bench-$name.XXXXXX")
    bench_private_server=
    trap bench_cleanup EXIT
}

bench_cleanup() {
    [ -n "$bench_private_server" ] &&
        "$root/tests/harness/pulse-server.sh" stop "$work/pulse" >/dev/null
    rm -rf "$work"
}

bench_sound_server() {
    pactl info >/dev/null 2>&1 && return 0
    "$root/tests/harness/pulse-server.sh" start "$work/pulse" >/dev/null || exit 1
    bench_private_server=1
    export PULSE_SERVER=unix:$work/pulse/native PULSE_RUNTIME_PATH=$work/pulse/runtime
    export PULSE_STATE_PATH=$work/pulse/state
}

bench_music() {
    ffmpeg -v error -y -f lavfi \
        -i "aevalsrc=0.3*sin(2*PI*(220+200*sin(0.2*PI*t))*t)+0.2*sin(6000*PI*t):s=44100:d=$1" \
        -f lavfi -i "anoisesrc=c=pink:a=0.1:r=44100:d=$1" \
        -filter_complex amix=inputs=2:normalize=0 -ac 2 -c:a libmp3lame -b:a 192k "$2" || exit 1
}
