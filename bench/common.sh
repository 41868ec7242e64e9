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

# Timing pairs of tools on the same tasks. The caller defines command_for TOOL TASK OUT, which
# sets the array cmd to the command (OUT: a path prefix or folder of the tool's own).
#   bench_pairs ROUNDS A B TASK...   runs each task's pair ROUNDS times, interleaved, A first
#                                    in odd rounds so neither always meets a warm cache
#   bench_report A B TASK...         prints each task's median CPU (user + system) and wall
#                                    time and the CPU ratio A/B; sets bench_worst to the worst
bench_measure() {
    command_for "$1" "$2" "$work/$1"
    /usr/bin/time -f '%U %S %e' -o "$work/t" "${cmd[@]}" >/dev/null 2>"$work/err" ||
        { echo "bench: failed: ${cmd[*]}" >&2; cat "$work/err" >&2; exit 1; }
    awk '{ printf "%.3f %.3f\n", $1 + $2, $3 }' "$work/t" >>"$work/$2.$1"
}

bench_median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

bench_pairs() {
    local rounds=$1 a=$2 b=$3 task round; shift 3
    for task in "$@"; do
        for round in $(seq "$rounds"); do
            if [ $((round % 2)) -eq 1 ]; then
                bench_measure "$a" "$task"; bench_measure "$b" "$task"
            else
                bench_measure "$b" "$task"; bench_measure "$a" "$task"
            fi
        done
    done
}

bench_report() {
    local a=$1 b=$2 task ac bc aw bw ratio; shift 2
    printf '%-8s %12s %12s %12s %12s %7s\n' task "${a}_cpu" "${b}_cpu" "${a}_wall" "${b}_wall" ratio
    bench_worst=0
    for task in "$@"; do
        ac=$(cut -d' ' -f1 "$work/$task.$a" | bench_median)
        bc=$(cut -d' ' -f1 "$work/$task.$b" | bench_median)
        aw=$(cut -d' ' -f2 "$work/$task.$a" | bench_median)
        bw=$(cut -d' ' -f2 "$work/$task.$b" | bench_median)
        ratio=$(awk -v x="$ac" -v y="$bc" 'BEGIN { if (y > 0) printf "%.2f", x / y; else print "inf" }')
        printf '%-8s %12s %12s %12s %12s %7s\n' "$task" "$ac" "$bc" "$aw" "$bw" "$ratio"
        bench_worst=$(awk -v w="$bench_worst" -v r="$ratio" 'BEGIN { print (r == "inf" || r > w) ? r : w }')
    done
}
