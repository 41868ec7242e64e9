#!/usr/bin/env python3
"""Generates the sound-effect presets of the resource folder from presets.txt.

Each line of presets.txt ("name | rate | hz:db ... [| look]") becomes a folder
<output>/AudioEffects/<NN>_<Name>/ holding the preset's config.xml and a thumbnail.png: the
preset's gains drawn as a curve on a tile, rendered from an SVG template by rsvg-convert. The
folders are numbered so that their sorted order is the order of presets.txt, which is the
order the Effect tab lists them in. The thumbnail carries no text: the list draws the name.

Usage: effectgen.py <presets.txt> <thumbnail.svg> <output root> [stamp file]
       effectgen.py --folders <presets.txt>   (prints the folder names, one a line)
"""
import os
import re
import subprocess
import sys
from xml.sax.saxutils import quoteattr

THUMB_W, THUMB_H = 96, 72
MARGIN_X, MARGIN_Y = 10, 9
MAX_DB = 10.0
# Knob heights (dB) of the "sliders" look for a preset without points.
SLIDER_PATTERN = [4, -2, 6, 1, -5, 2, 7, -1, 3, -3]
# Curve colours, taken in turn so that neighbouring tiles differ.
COLOURS = ["#3daae4", "#e0a84a", "#5cc98a", "#e5697a", "#a78bfa", "#4dd0c8", "#f0c75e"]


def fail(msg):
    sys.stderr.write("effectgen: %s\n" % msg)
    sys.exit(1)


def read_presets(path):
    presets = []
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            where = "%s:%d" % (os.path.basename(path), number)
            fields = [part.strip() for part in line.split("|")]
            if len(fields) not in (3, 4) or not fields[0]:
                fail("%s: expected 'name | rate | hz:db ... [| look]'" % where)
            name, rate, points_text = fields[:3]
            look = fields[3] if len(fields) == 4 else "curve"
            if look not in ("curve", "sliders"):
                fail("%s: look '%s' is neither 'curve' nor 'sliders'" % (where, look))
            if not re.fullmatch(r"-?\d+", rate):
                fail("%s: rate '%s' is not an integer" % (where, rate))
            points = []
            for word in points_text.split():
                match = re.fullmatch(r"(\d+(?:\.\d+)?):(-?\d+(?:\.\d+)?)", word)
                if not match:
                    fail("%s: point '%s' is not hz:db" % (where, word))
                hz, db = float(match.group(1)), float(match.group(2))
                if abs(db) > MAX_DB:
                    fail("%s: gain %s dB is outside -10..+10" % (where, match.group(2)))
                if points and hz <= points[-1][0]:
                    fail("%s: frequencies must ascend (%s)" % (where, word))
                points.append((hz, db))
            if any(p["name"] == name for p in presets):
                fail("%s: preset '%s' listed twice" % (where, name))
            presets.append({"name": name, "rate": int(rate), "points": points, "look": look})
    if not presets:
        fail("%s: no presets" % path)
    return presets


def folder_name(index, name):
    return "%02d_%s" % (index, re.sub(r"[^A-Za-z0-9]+", "_", name).strip("_"))


def number(value):
    return ("%d" % value) if value == int(value) else ("%g" % value)


def config_xml(preset):
    lines = ['<?xml version="1.0" encoding="UTF-8"?>',
             '<AudioEffect APPMinVersion="1" Version="1" Thumbnail="thumbnail.png" Name=%s>'
             % quoteattr(preset["name"]),
             "    <EQ>",
             '        <Rate Value="%d"/>' % preset["rate"]]
    for hz, db in preset["points"]:
        lines.append('        <Point hz="%s" db="%s"/>' % (number(hz), number(db)))
    lines += ["    </EQ>", "</AudioEffect>", ""]
    return "\n".join(lines)


def smooth_path(xy):
    """A Catmull-Rom spline through the points, as SVG cubic segments."""
    path = "M%.2f %.2f" % xy[0]
    for i in range(len(xy) - 1):
        p0 = xy[max(i - 1, 0)]
        p1, p2 = xy[i], xy[i + 1]
        p3 = xy[min(i + 2, len(xy) - 1)]
        c1 = (p1[0] + (p2[0] - p0[0]) / 6, p1[1] + (p2[1] - p0[1]) / 6)
        c2 = (p2[0] - (p3[0] - p1[0]) / 6, p2[1] - (p3[1] - p1[1]) / 6)
        path += " C%.2f %.2f %.2f %.2f %.2f %.2f" % (c1 + c2 + p2)
    return path


def thumbnail_svg(template, preset, colour):
    left, right = MARGIN_X, THUMB_W - MARGIN_X
    mid = THUMB_H / 2.0
    scale = (THUMB_H / 2.0 - MARGIN_Y) / MAX_DB
    # Points sit at their position in the list, like the sliders of the tab; a preset without
    # points is drawn as the flat line it sounds like.
    gains = [db for _, db in preset["points"]] or [0.0, 0.0]
    step = (right - left) / max(len(gains) - 1, 1)
    xy = [(left + i * step, mid - db * scale) for i, db in enumerate(gains)]
    curve = smooth_path(xy)
    area = "%s L%.2f %.2f L%.2f %.2f Z" % (curve, xy[-1][0], THUMB_H - 1, xy[0][0], THUMB_H - 1)
    grid = "".join('<line x1="%.2f" y1="%d" x2="%.2f" y2="%d"/>'
                   % (left + i * (right - left) / 9.0, MARGIN_Y,
                      left + i * (right - left) / 9.0, THUMB_H - MARGIN_Y) for i in range(10))
    dots = "".join('<circle cx="%.2f" cy="%.2f" r="1.8"/>' % p
                   for p in xy) if preset["points"] else ""
    if preset["look"] == "sliders":
        # A small mixing desk: ten tracks with knobs at the preset's gains, or at a pattern
        # that says "set them yourself" when it has none.
        gains = [db for _, db in preset["points"]] or SLIDER_PATTERN
        pitch = (right - left) / 9.0
        parts = []
        for i in range(10):
            x = left + i * pitch
            y = mid - gains[min(i, len(gains) - 1)] * scale
            parts.append('<line x1="%.2f" y1="%d" x2="%.2f" y2="%d" stroke="%s" '
                         'stroke-opacity="0.45" stroke-width="2"/>'
                         % (x, MARGIN_Y, x, THUMB_H - MARGIN_Y, colour))
            parts.append('<rect x="%.2f" y="%.2f" width="8" height="5" rx="2"/>'
                         % (x - 4, y - 2.5))
        dots = "".join(parts)
        curve = area = ""
    values = {"W": THUMB_W, "H": THUMB_H, "W-1": THUMB_W - 1, "H-1": THUMB_H - 1,
              "LEFT": left, "RIGHT": right, "MID": "%.2f" % mid, "COLOUR": colour,
              "GRID": grid, "AREA": area, "CURVE": curve, "DOTS": dots}

    def repl(match):
        key = match.group(1).strip()
        if key not in values:
            fail("thumbnail template: unknown placeholder {{%s}}" % key)
        return str(values[key])
    return re.sub(r"\{\{(.+?)\}\}", repl, template)


def write_if_changed(path, data):
    if os.path.exists(path):
        with open(path, "rb") as f:
            if f.read() == data:
                return
    with open(path + ".tmp", "wb") as f:
        f.write(data)
    os.replace(path + ".tmp", path)


def render_png(svg, out):
    rsvg = os.environ.get("RSVG_CONVERT", "rsvg-convert")
    result = subprocess.run([rsvg, "--format=png", "-o", out + ".tmp"], input=svg.encode("utf-8"),
                            capture_output=True)
    if result.returncode != 0:
        fail("rsvg-convert failed for %s: %s" % (out, result.stderr.decode(errors="replace")))
    os.replace(out + ".tmp", out)


def main(argv):
    if len(argv) == 3 and argv[1] == "--folders":
        for index, preset in enumerate(read_presets(argv[2])):
            print(folder_name(index, preset["name"]))
        return
    if len(argv) < 4:
        fail("usage: effectgen.py <presets.txt> <thumbnail.svg> <output root> [stamp]")
    presets = read_presets(argv[1])
    with open(argv[2], encoding="utf-8") as f:
        template = f.read()
    root = os.path.join(argv[3], "AudioEffects")
    for index, preset in enumerate(presets):
        folder = os.path.join(root, folder_name(index, preset["name"]))
        os.makedirs(folder, exist_ok=True)
        write_if_changed(os.path.join(folder, "config.xml"), config_xml(preset).encode("utf-8"))
        svg = thumbnail_svg(template, preset, COLOURS[index % len(COLOURS)])
        render_png(svg, os.path.join(folder, "thumbnail.png"))
    if len(argv) > 4:
        with open(argv[4], "w", encoding="utf-8") as f:
            f.write("%d presets\n" % len(presets))


if __name__ == "__main__":
    main(sys.argv)
