#!/bin/bash
# Track recognition: the CPU time of fingerprinting a 3-minute file with quillon and with
# fpcalc (Chromaprint's own tool) in the same run (mean of RUNS runs each, user + system), and the
# time of identifying a 30 s excerpt against a catalogue of CATALOGUE_TRACKS tracks: a few real
# ones plus synthetic fingerprints for the bulk, measured in-process (open and look up; the
# excerpt's fingerprint is made once beforehand), and the whole `quillon identify` for
# reference. Last lines: the ratio quillon/fpcalc (target <= 1.0), the lookup in ms (target
# < 100) and the catalogue's bytes per track (target < 16384).
set -euo pipefail
source "$(dirname "$0")/common.sh"
bench_init recognize fpcalc ffmpeg
helper=$build/bin/recognize_bench
[ -x "$helper" ] || cmake --build "$build" --target recognize_bench >/dev/null
runs=${RUNS:-10}
tracks=${CATALOGUE_TRACKS:-10000}

# Synthetic music as the tests make it: notes from a hash of the seed and the beat.
track() {  # seed seconds out
    local s1=$(($1 * 7 + 1)) s2=$(($1 * 7 + 2))
    local m="220*pow(2,floor(mod(abs(sin(floor(t*4)*12.9898+$s1*78.233)*43758.5453),1)*24)/12)"
    local b="82.4*pow(2,floor(mod(abs(sin(floor(t)*12.9898+$s2*78.233)*43758.5453),1)*12)/12)"
    ffmpeg -v error -y -f lavfi \
        -i "aevalsrc='0.3*sin(2*PI*$m*t)+0.15*sin(3*PI*$m*t)+0.25*sin(2*PI*$b*t)+0.2*(random(0)*2-1)*exp(-mod(t,0.5)*18)':s=44100:d=$2" \
        -ac 2 -c:a libmp3lame -b:a 192k -metadata title="Bench $1" -metadata artist=Quillon "$3"
}

cpu() {  # mean user+system seconds per run over RUNS runs (one timing, finer than 10 ms)
    /usr/bin/time -f "%U %S" -o "$work/time.txt" \
        sh -c 'n=$1; shift; for _ in $(seq "$n"); do "$@" >/dev/null 2>&1 || true; done' \
        sh "$runs" "$@"
    tail -1 "$work/time.txt" | awk -v n="$runs" '{ printf "%.4f", ($1 + $2) / n }'
}

mkdir -p "$work/music"
track 1 180 "$work/music/three-minutes.mp3"
for seed in 2 3 4; do track "$seed" 60 "$work/music/track$seed.mp3"; done
ffmpeg -v error -y -ss 75 -t 30 -i "$work/music/three-minutes.mp3" "$work/excerpt.wav"

q=$(cpu "$quillon" fingerprint "$work/music/three-minutes.mp3")
f=$(cpu fpcalc -length 0 "$work/music/three-minutes.mp3")
echo "fingerprint of 3 min: quillon ${q} s, fpcalc ${f} s CPU (mean of $runs runs)"
# What each costs to start and end without work (dynamic linking, mostly): the part of the
# ratio that the fingerprinting does not make.
qs=$(cpu "$quillon" --version)
fs=$(cpu fpcalc -version)
echo "start-up alone: quillon ${qs} s, fpcalc ${fs} s CPU"

catalogue=$work/catalogue.sqlite
"$quillon" catalogue add "$work/music" --catalogue "$catalogue" | tail -1
"$helper" fill "$catalogue" $((tracks - 4)) 180 | tail -1 | sed 's/^/after the bulk: /'
"$helper" lookup "$catalogue" "$work/excerpt.wav" "$runs" | tee "$work/lookup.txt"
start=$(date +%s.%N)
"$quillon" identify "$work/excerpt.wav" --catalogue "$catalogue" | head -1
echo "quillon identify, whole command: $(awk -v s="$start" -v e="$(date +%s.%N)" \
    'BEGIN { printf "%.0f", (e - s) * 1000 }') ms"

echo "ratio without start-up: $(awk -v q="$q" -v f="$f" -v a="$qs" -v b="$fs" \
    'BEGIN { printf "%.2f", (q - a) / (f - b) }')"
echo "ratio quillon/fpcalc: $(awk -v q="$q" -v f="$f" 'BEGIN { printf "%.2f", q / f }')"
echo "lookup against $tracks tracks: $(sed -n 's/^lookup ms: \([0-9.]*\).*/\1/p' "$work/lookup.txt") ms"
echo "catalogue bytes per track: $(($(stat -c %s "$catalogue") / tracks))"
