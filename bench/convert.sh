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
tasks="cut cut+eq copy m4a"
bench_pairs "$rounds" quillon ffmpeg $tasks
bench_report quillon ffmpeg $tasks
echo "worst ratio: $bench_worst"
