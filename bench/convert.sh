#!/bin/bash
# The converter against the ffmpeg CLI on the same 10-minute MP3 (content over the whole
# band), each pair run interleaved ROUNDS times so that the machine's load falls on both:
#   cut      2 minutes from 4:00, re-encoded to MP3 (a fifth from 40 % for other lengths)
#   cut+eq   the same with +10 dB at 1 kHz (ffmpeg gets the same filters ours builds)
#   copy     the same 2 minutes losslessly (ffmpeg -c copy)
#   m4a      the whole file to M4A/AAC
# Prints each one's median CPU time (user + system) and wall time, the ratio quillon/ffmpeg of
# CPU time per task, and last "worst ratio: X".
# Environment: BUILD (build folder, default build), BENCH_MINUTES (default 10), ROUNDS (3).
set -u
source "$(dirname "$0")/common.sh"
bench_init convert ffmpeg
minutes=${BENCH_MINUTES:-10}
rounds=${ROUNDS:-3}
src=$work/source.mp3
bench_music $((minutes * 60)) "$src"
cut_start=$((minutes * 24)) cut_length=$((minutes * 12))

# The filters our engine builds for a lone +10 dB band at 1 kHz (its neighbours 600 Hz and
# 3 kHz set its width) followed by the limiter.
eq_filter="equalizer=f=1000:t=o:w=$(awk 'BEGIN { printf "%.6g", log(3000/600)/log(2)/2 }'):g=10"
eq_filter="$eq_filter,alimiter=limit=0.891251:level=0:latency=1:attack=5:release=50"

# Sets cmd to the command of a task: command_for quillon|ffmpeg TASK OUTPUT_BASE.
command_for() {
    local cut=(--start "$cut_start" --length "$cut_length")
    local f=(ffmpeg -nostdin -v error -y -ss "$cut_start" -t "$cut_length" -i "$src")
    case $1:$2 in
    quillon:cut) cmd=("$quillon" convert "$src" "$3.mp3" "${cut[@]}") ;;
    quillon:cut+eq) cmd=("$quillon" convert "$src" "$3.mp3" "${cut[@]}" --eq 0,0,0,0,10,0,0,0,0,0) ;;
    quillon:copy) cmd=("$quillon" convert "$src" "$3.mp3" "${cut[@]}" --lossless) ;;
    quillon:m4a) cmd=("$quillon" convert "$src" "$3.m4a") ;;
    ffmpeg:cut) cmd=("${f[@]}" -c:a libmp3lame "$3.mp3") ;;
    ffmpeg:cut+eq) cmd=("${f[@]}" -af "$eq_filter" -c:a libmp3lame "$3.mp3") ;;
    ffmpeg:copy) cmd=("${f[@]}" -c copy "$3.mp3") ;;
    ffmpeg:m4a) cmd=(ffmpeg -nostdin -v error -y -i "$src" -c:a aac "$3.m4a") ;;
    esac
}
# Runs one tool's task and appends "cpu wall" to its file: measure TOOL TASK.
measure() {
    command_for "$1" "$2" "$work/$1"
    /usr/bin/time -f '%U %S %e' -o "$work/t" "${cmd[@]}" >/dev/null 2>"$work/err" ||
        { echo "convert.sh: failed: ${cmd[*]}" >&2; cat "$work/err" >&2; exit 1; }
    awk '{ printf "%.3f %.3f\n", $1 + $2, $3 }' "$work/t" >>"$work/$2.$1"
}
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

tasks="cut cut+eq copy m4a"
for task in $tasks; do
    for round in $(seq "$rounds"); do
        # Alternate who goes first, so neither always meets a warm cache.
        if [ $((round % 2)) -eq 1 ]; then
            measure quillon "$task"; measure ffmpeg "$task"
        else
            measure ffmpeg "$task"; measure quillon "$task"
        fi
    done
done

printf '%-8s %12s %12s %12s %12s %7s\n' task quillon_cpu ffmpeg_cpu quillon_wall ffmpeg_wall ratio
worst=0
for task in $tasks; do
    qc=$(cut -d' ' -f1 "$work/$task.quillon" | median)
    fc=$(cut -d' ' -f1 "$work/$task.ffmpeg" | median)
    qw=$(cut -d' ' -f2 "$work/$task.quillon" | median)
    fw=$(cut -d' ' -f2 "$work/$task.ffmpeg" | median)
    ratio=$(awk -v a="$qc" -v b="$fc" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "inf" }')
    printf '%-8s %12s %12s %12s %12s %7s\n' "$task" "$qc" "$fc" "$qw" "$fw" "$ratio"
    worst=$(awk -v w="$worst" -v r="$ratio" 'BEGIN { print (r == "inf" || r > w) ? r : w }')
done
echo "worst ratio: $worst"
