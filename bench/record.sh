#!/bin/bash
# Records the same 60 s of played audio three ways at once, from the monitor of the default
# sink, into MP3 at 192 kbit/s:
#   quillon record x.mp3 --bitrate 192
#   ffmpeg -f pulse -i <monitor> -c:a libmp3lame -b:a 192k
#   parec <monitor> | lame -b 192 - x.mp3
# and prints each one's CPU time per second of recorded audio and peak RSS, then the ratios
# "ratio quillon/parec+lame: X" and, last, "ratio quillon/ffmpeg: X".
# Uses the sound server in PULSE_SERVER when it answers, otherwise starts a private one.
# Environment: BUILD (build folder, default build), BENCH_SECONDS (played length, default 60).
set -u
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
build=${BUILD:-build}
case "$build" in /*) ;; *) build=$root/$build ;; esac
quillon=$build/bin/quillon
seconds=${BENCH_SECONDS:-60}
[ -x "$quillon" ] || { echo "record.sh: $quillon not built" >&2; exit 1; }
for tool in ffmpeg ffprobe parec paplay pactl lame /usr/bin/time; do
    command -v "$tool" >/dev/null || { echo "record.sh: $tool missing" >&2; exit 1; }
done

work=$(mktemp -d /tmp/quillon-bench-record.XXXXXX)
private_server=
cleanup() {
    [ -n "$private_server" ] && "$root/tests/harness/pulse-server.sh" stop "$work/pulse" >/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

if ! pactl info >/dev/null 2>&1; then
    "$root/tests/harness/pulse-server.sh" start "$work/pulse" >/dev/null || exit 1
    private_server=1
    export PULSE_SERVER=unix:$work/pulse/native PULSE_RUNTIME_PATH=$work/pulse/runtime
    export PULSE_STATE_PATH=$work/pulse/state
fi
sink=$(pactl get-default-sink)
monitor=$sink.monitor

# Something with content over the whole band, so the encoders have real work to do.
ffmpeg -v error -y -f lavfi \
    -i "aevalsrc=0.3*sin(2*PI*(220+200*sin(0.2*PI*t))*t)+0.2*sin(6000*PI*t):s=44100:d=$seconds" \
    -f lavfi -i "anoisesrc=c=pink:a=0.1:r=44100:d=$seconds" \
    -filter_complex amix=inputs=2:normalize=0 -ac 2 -c:a pcm_s16le "$work/played.wav" || exit 1

# Every recorder runs a few seconds longer than the playback: it starts before and ends after.
record_seconds=$((seconds + 5))
tfmt='%U %S %M'
/usr/bin/time -f "$tfmt" -o "$work/quillon.time" \
    "$quillon" record "$work/quillon.mp3" --bitrate 192 --seconds "$record_seconds" \
    2>"$work/quillon.log" &
/usr/bin/time -f "$tfmt" -o "$work/ffmpeg.time" \
    ffmpeg -nostdin -v error -y -f pulse -i "$monitor" -t "$record_seconds" \
    -c:a libmp3lame -b:a 192k "$work/ffmpeg.mp3" 2>"$work/ffmpeg.log" &
(
    /usr/bin/time -f "$tfmt" -o "$work/parec.time" \
        timeout "$record_seconds" parec -d "$monitor" --format=s16le --rate=44100 --channels=2 \
        2>"$work/parec.log" |
        /usr/bin/time -f "$tfmt" -o "$work/lame.time" \
            lame --quiet -r -s 44.1 --bitwidth 16 --signed --little-endian -b 192 - \
            "$work/parec.mp3" 2>"$work/lame.log"
) &
# An idle null sink renders ahead; give the monitors time to run before playing.
sleep 3
paplay -d "$sink" "$work/played.wav"
wait

audio_seconds() {
    ffprobe -v error -show_entries format=duration -of csv=p=0 "$1" 2>/dev/null || echo 0
}
# cpu seconds and peak RSS in KiB of one or more time files (a pipeline adds up).
usage() {
    cat "$@" | awk '{ cpu += $1 + $2; rss += $3 } END { printf "%.3f %d\n", cpu, rss }'
}

printf '%-12s %9s %9s %16s %13s\n' recorder cpu_s audio_s ms_cpu/audio_s peak_rss_MB
declare -A per_second
for name in quillon ffmpeg parec+lame; do
    case $name in
    quillon) read -r cpu rss < <(usage "$work/quillon.time"); file=$work/quillon.mp3 ;;
    ffmpeg) read -r cpu rss < <(usage "$work/ffmpeg.time"); file=$work/ffmpeg.mp3 ;;
    parec+lame) read -r cpu rss < <(usage "$work/parec.time" "$work/lame.time")
                file=$work/parec.mp3 ;;
    esac
    audio=$(audio_seconds "$file")
    per_second[$name]=$(awk -v c="$cpu" -v a="$audio" \
        'BEGIN { printf "%.6f", (a > 0 ? c / a : 0) }')
    awk -v n="$name" -v c="$cpu" -v a="$audio" -v p="${per_second[$name]}" -v r="$rss" \
        'BEGIN { printf "%-12s %9.3f %9.2f %16.2f %13.1f\n", n, c, a, p * 1000, r / 1024 }'
done
if [ ! -s "$work/quillon.mp3" ]; then
    echo "record.sh: quillon recorded nothing:"
    cat "$work/quillon.log"
fi
ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f\n", a / b; else print "n/a" }'
}
echo "ratio quillon/parec+lame: $(ratio "${per_second[quillon]}" "${per_second[parec+lame]}")"
echo "ratio quillon/ffmpeg: $(ratio "${per_second[quillon]}" "${per_second[ffmpeg]}")"
