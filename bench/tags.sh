#!/bin/bash
# Times writing title, artist, album and a cover into a 100 MB FLAC and a 100 MB MP3 with our
# tag writer and with mutagen in the same run: in place (the tags fit the padding) and growing
# (the file has no room yet and must be rewritten). Before each growing run both tools get a
# fresh copy of the untagged file, synced to disk and not timed. Timings are medians of
# several runs inside one process each, so program start-up is not counted.
# A growing save is crash-safe: it writes a new file beside the old one and renames it over the
# old one once the new file is on disk. Its floor is therefore a copy of the file: the growing
# runs are also compared with `cp --reflink=auto` of the same file, and with that copy followed
# by fdatasync (the same durability as our save). The last lines give the ratios: mutagen time
# / our time (above 1 means we are faster) and our time / copy time (below 1.2 is the target).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${BUILD:-$here/../build}
bench=$build/bin/tags_bench
runs=${RUNS:-7}
py=/usr/bin/python3
[ -x "$bench" ] || cmake --build "$build" --target tags_bench >/dev/null
work=$(mktemp -d "${TMPDIR:-/tmp}/quillon-tags-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

ff() { ffmpeg -v error -y "$@"; }
# 100 MB files: one minute of noise encoded once, then repeated with stream copy.
ff -f lavfi -i "anoisesrc=d=60:c=pink:a=0.3" -ac 2 -ar 44100 "$work/minute.flac"
ff -f lavfi -i "anoisesrc=d=60:c=pink:a=0.3" -ac 2 -ar 44100 -b:a 320k "$work/minute.mp3"
for ext in flac mp3; do
    size=$(stat -c %s "$work/minute.$ext")
    n=$(( (100 * 1024 * 1024 + size - 1) / size ))
    : > "$work/list.txt"
    for _ in $(seq "$n"); do echo "file 'minute.$ext'" >> "$work/list.txt"; done
    ff -f concat -safe 0 -i "$work/list.txt" -c copy -map_metadata -1 "$work/base.$ext"
done
ff -f lavfi -i "nullsrc=s=400x300,geq=random(1)*255:128:128" -frames:v 1 -q:v 3 "$work/cover.jpg"

mutagen_time() {  # mode file cover runs [base]
    "$py" - "$@" <<'PY'
import os, shutil, statistics, sys, time
from mutagen.flac import FLAC, Picture
from mutagen.id3 import APIC, ID3, TALB, TIT2, TPE1
from mutagen.mp3 import MP3
mode, path, cover, runs = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
data = open(cover, "rb").read()
times = []
for i in range(runs):
    if mode == "grow":
        shutil.copyfile(sys.argv[5], path)
        with open(path, "rb") as synced:  # start from a settled file, as tags_bench does
            os.fsync(synced.fileno())
    title = "Benchmark title %d" % (1000 + i)
    t0 = time.perf_counter()
    if path.endswith(".flac"):
        f = FLAC(path)
        if f.tags is None:
            f.add_tags()
        f.tags["TITLE"], f.tags["ARTIST"], f.tags["ALBUM"] = title, "Benchmark artist", "Benchmark album"
        pic = Picture(); pic.type, pic.mime, pic.data = 3, "image/jpeg", data
        f.clear_pictures(); f.add_picture(pic); f.save()
    else:
        f = MP3(path)
        if f.tags is None:
            f.add_tags()
        t = f.tags
        t.setall("TIT2", [TIT2(encoding=3, text=title)])
        t.setall("TPE1", [TPE1(encoding=3, text="Benchmark artist")])
        t.setall("TALB", [TALB(encoding=3, text="Benchmark album")])
        t.setall("APIC", [APIC(encoding=3, mime="image/jpeg", type=3, desc="", data=data)])
        f.save()
    times.append((time.perf_counter() - t0) * 1000)
print("%.3f" % statistics.median(times))
PY
}

copy_time() {  # base runs: medians of cp --reflink=auto, and of cp followed by fdatasync
    "$py" - "$@" <<'PY'
import os, statistics, subprocess, sys, time
base, runs = sys.argv[1], int(sys.argv[2])
dst = base + ".copy"
plain, synced = [], []
for i in range(runs):
    for sync, times in ((False, plain), (True, synced)):
        if os.path.exists(dst):
            os.remove(dst)
        t0 = time.perf_counter()
        subprocess.run(["cp", "--reflink=auto", base, dst], check=True)
        if sync:
            fd = os.open(dst, os.O_RDONLY)
            os.fdatasync(fd)
            os.close(fd)
        times.append((time.perf_counter() - t0) * 1000)
os.remove(dst)
print("%.3f %.3f" % (statistics.median(plain), statistics.median(synced)))
PY
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

ratios=()
copies=()
measure() {  # dir label tag: every measurement with the files in dir
    local dir=$1 label=$2 tag=$3 ext base ours theirs r cp cpsync c cs
    for ext in flac mp3; do
        base="$dir/base.$ext"
        printf '%s%s: %d MB\n' "$ext" "$label" $(( $(stat -c %s "$base") / 1024 / 1024 ))
        # Growing: every run starts from the untagged file.
        ours=$("$bench" grow "$dir/ours.$ext" "$dir/cover.jpg" "$runs" "$base")
        theirs=$(mutagen_time grow "$dir/theirs.$ext" "$dir/cover.jpg" "$runs" "$base")
        r=$(ratio "$theirs" "$ours")
        printf '  growing   quillon %9.2f ms   mutagen %9.2f ms   ratio %s\n' "$ours" "$theirs" "$r"
        ratios+=("$ext$tag-grow $r")
        read -r cp cpsync < <(copy_time "$base" "$runs")
        c=$(ratio "$ours" "$cp")
        cs=$(ratio "$ours" "$cpsync")
        printf '            cp --reflink=auto %9.2f ms   quillon/cp %s\n' "$cp" "$c"
        printf '            cp + fdatasync    %9.2f ms   quillon/(cp+fdatasync) %s\n' "$cpsync" "$cs"
        copies+=("$ext$tag-grow/cp $c $ext$tag-grow/cp+fdatasync $cs")
        # In place: the files from the growing runs already hold tags with room to spare.
        # Sub-millisecond runs need more of them for a steady median.
        ours=$("$bench" inplace "$dir/ours.$ext" "$dir/cover.jpg" $((runs * 20)))
        theirs=$(mutagen_time inplace "$dir/theirs.$ext" "$dir/cover.jpg" $((runs * 20)))
        r=$(ratio "$theirs" "$ours")
        printf '  in place  quillon %9.2f ms   mutagen %9.2f ms   ratio %s\n' "$ours" "$theirs" "$r"
        ratios+=("$ext$tag-inplace $r")
    done
}
measure "$work" "" ""

# The same on a file system whose files can share extents, where a growing save clones the
# audio instead of copying it (as cp --reflink=auto does): an XFS image mounted for the run,
# when this runs as root with mkfs.xfs and a loop device.
xfs="$work/xfs"
if [ "$(id -u)" = 0 ] && command -v mkfs.xfs >/dev/null && mkdir -p "$xfs" &&
    truncate -s 700M "$work/xfs.img" && mkfs.xfs -q -m reflink=1 "$work/xfs.img" &&
    mount -o loop "$work/xfs.img" "$xfs" 2>/dev/null; then
    trap 'umount "$xfs"; rm -rf "$work"' EXIT
    cp "$work"/base.flac "$work"/base.mp3 "$work"/cover.jpg "$xfs"/ && sync
    measure "$xfs" " (XFS with shared extents)" "-xfs"
else
    echo "XFS with shared extents: skipped (needs root, mkfs.xfs and a loop device)"
fi
echo "ratio mutagen/quillon: ${ratios[*]}"
echo "ratio quillon/copy: ${copies[*]}"
