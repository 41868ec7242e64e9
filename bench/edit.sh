#!/bin/bash
# A cut made the way the edit dialog makes it (the conversion job with the dialog's settings,
# through bench/edit_bench) against `quillon convert` of the same range in the same format, on
# the same 20-minute MP3 (128 kbit/s, the encoder's default, so both write the same bit rate).
# Each pair runs interleaved ROUNDS times so the machine's load falls on both:
#   cut      2 minutes from 8:00, re-encoded to MP3
#   cut+eq   the same with +10 dB at 1 kHz
# Prints each one's median CPU time (user + system) and wall time, the ratio job/convert of CPU
# time per task, and last "ratio job/convert: X" (the worst task). Target: <= 1.1.
# Environment: BUILD (build folder, default build), BENCH_MINUTES (default 20), ROUNDS (3).
set -u
source "$(dirname "$0")/common.sh"
bench_init edit ffmpeg
minutes=${BENCH_MINUTES:-20}
rounds=${ROUNDS:-3}
job=$build/bin/edit_bench
[ -x "$job" ] || { echo "edit: $job not built (cmake --build $build --target edit_bench)" >&2; exit 1; }
src=$work/source.mp3
ffmpeg -v error -y -f lavfi \
    -i "aevalsrc=0.3*sin(2*PI*(220+200*sin(0.2*PI*t))*t)+0.2*sin(6000*PI*t):s=44100:d=$((minutes * 60))" \
    -ac 2 -c:a libmp3lame -b:a 128k "$src" || exit 1
cut_start=$((minutes * 24)) cut_length=$((minutes * 6))

# Sets cmd to the command of a task: command_for job|convert TASK OUTPUT_FOLDER.
command_for() {
    mkdir -p "$3"
    rm -f "$3"/*
    case $1:$2 in
    job:cut) cmd=("$job" "$src" "$3" "$cut_start" "$cut_length") ;;
    job:cut+eq) cmd=("$job" "$src" "$3" "$cut_start" "$cut_length" 10) ;;
    convert:cut) cmd=("$quillon" convert "$src" "$3/out.mp3" --start "$cut_start" --length "$cut_length") ;;
    convert:cut+eq) cmd=("$quillon" convert "$src" "$3/out.mp3" --start "$cut_start" --length "$cut_length" --eq 0,0,0,0,10,0,0,0,0,0) ;;
    esac
}
tasks="cut cut+eq"
bench_pairs "$rounds" job convert $tasks
bench_report job convert $tasks
echo "ratio job/convert: $bench_worst"
