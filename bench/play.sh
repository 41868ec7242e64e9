#!/bin/bash
# Playback cost: the same 60 s MP3 played to the sound server's default sink by four players
# at once (the same load falls on all of them), each one's CPU time (user + system, the
# whole pipeline for ffmpeg | pacat) per second of audio:
#   quillon play F
#   ffmpeg -i F -f s16le - | pacat      (the floor: decode and hand over, nothing else)
#   ffplay -nodisp -autoexit F
#   mpv --no-video F
# Prints all four and, last, "ratio quillon/floor: X".
# Uses the sound server in PULSE_SERVER when it answers, otherwise starts a private one.
# Environment: BUILD (build folder, default build), BENCH_SECONDS (played length, default 60).
set -u
source "$(dirname "$0")/common.sh"
bench_init play ffmpeg pacat pactl ffplay mpv
seconds=${BENCH_SECONDS:-60}
bench_sound_server
src=$work/played.mp3
bench_music "$seconds" "$src"

tfmt='%U %S'
/usr/bin/time -f "$tfmt" -o "$work/quillon.time" "$quillon" play "$src" 2>"$work/quillon.log" &
(
    /usr/bin/time -f "$tfmt" -o "$work/ffmpeg.time" \
        ffmpeg -nostdin -v error -i "$src" -f s16le -ac 2 -ar 44100 - 2>"$work/ffmpeg.log" |
        /usr/bin/time -f "$tfmt" -o "$work/pacat.time" \
            pacat --format=s16le --rate=44100 --channels=2 2>"$work/pacat.log"
) &
/usr/bin/time -f "$tfmt" -o "$work/ffplay.time" \
    ffplay -nodisp -autoexit -loglevel error "$src" 2>"$work/ffplay.log" &
/usr/bin/time -f "$tfmt" -o "$work/mpv.time" \
    mpv --no-video --really-quiet --no-config "$src" >/dev/null 2>"$work/mpv.log" &
wait

cpu() { cat "$@" | awk '{ cpu += $1 + $2 } END { printf "%.3f", cpu }'; }
declare -A ms
printf '%-14s %9s %16s\n' player cpu_s ms_cpu/audio_s
for name in quillon floor ffplay mpv; do
    case $name in
    floor) c=$(cpu "$work/ffmpeg.time" "$work/pacat.time"); label="ffmpeg|pacat" ;;
    *) c=$(cpu "$work/$name.time"); label=$name ;;
    esac
    ms[$name]=$(awk -v c="$c" -v s="$seconds" 'BEGIN { printf "%.2f", c * 1000 / s }')
    printf '%-14s %9s %16s\n' "$label" "$c" "${ms[$name]}"
done
if [ -s "$work/quillon.log" ]; then
    echo "play.sh: quillon said:"
    cat "$work/quillon.log"
fi
echo "ratio quillon/floor: $(awk -v a="${ms[quillon]}" -v b="${ms[floor]}" \
    'BEGIN { if (b > 0) printf "%.2f", a / b; else print "n/a" }')"
