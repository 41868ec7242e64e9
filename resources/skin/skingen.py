#!/usr/bin/env python3
"""Renders the skin images of the resource folder from SVG templates.

skin.txt names colours (`set`), state styles (`style`: a template plus per-state values) and
every image (`image`: path, style, frame count, frame size, glyph and overrides). A button
image is a strip of four frames side by side (normal, hover, pressed, disabled); frame i is
the template filled with the i-th value of each style variable. glyphs.txt holds the icon
drawings on a 24 x 24 grid; a template places the glyph with {{GLYPH}}.

Usage: skingen.py <skin.txt> <glyphs.txt> <templates dir> <output root> [stamp file]
Templates are SVG fragments of one frame; each strip is rendered by rsvg-convert.
"""
import os
import re
import subprocess
import sys

PLACEHOLDER = re.compile(r"\{\{(.+?)\}\}")


def fail(msg):
    sys.stderr.write("skingen: %s\n" % msg)
    sys.exit(1)


def parse_assignments(words, colours, where):
    values = {}
    for word in words:
        if "=" not in word:
            fail("%s: expected KEY=value, got '%s'" % (where, word))
        key, raw = word.split("=", 1)
        items = [colours.get(v[1:], None) if v.startswith("$") else v for v in raw.split(",")]
        if None in items:
            fail("%s: unknown colour in '%s'" % (where, word))
        values[key] = items
    return values


def read_table(path):
    colours, styles, images = {}, {}, []
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            # Colours start with '#', so only whole lines are comments.
            words = [] if line.lstrip().startswith("#") else line.split()
            if not words:
                continue
            where = "%s:%d" % (os.path.basename(path), number)
            kind = words[0]
            if kind == "set":
                colours[words[1]] = words[2]
            elif kind == "style":
                styles[words[1]] = (words[2], parse_assignments(words[3:], colours, where))
            elif kind == "image":
                if len(words) < 5 or not re.fullmatch(r"\d+x\d+", words[4]):
                    fail("%s: image <path> <style> <frames> <WxH> [glyph=..] [K=V..]" % where)
                w, h = (int(v) for v in words[4].split("x"))
                images.append({"path": words[1], "style": words[2], "frames": int(words[3]),
                               "w": w, "h": h,
                               "vars": parse_assignments(words[5:], colours, where),
                               "where": where})
            else:
                fail("%s: unknown line kind '%s'" % (where, kind))
    return colours, styles, images


def read_glyphs(path):
    glyphs = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            name, body = line.split(None, 1)
            glyphs[name] = body
    return glyphs


def frame_value(items, frame):
    return items[frame] if len(items) > 1 else items[0]


def fill(text, env, where):
    def repl(m):
        expr = m.group(1).strip()
        if expr in env:
            return str(env[expr])
        try:
            value = eval(expr, {"__builtins__": {}, "min": min, "max": max, "round": round},
                         env)
        except Exception as e:  # noqa: BLE001 - any template error is fatal for the build
            fail("%s: cannot evaluate {{%s}}: %s" % (where, expr, e))
        return ("%g" % value) if isinstance(value, float) else str(value)
    return PLACEHOLDER.sub(repl, text)


def number(value):
    try:
        return float(value) if "." in value else int(value)
    except ValueError:
        return value


def render_frame(image, frame, template, style_vars, glyphs):
    env = {"W": image["w"], "H": image["h"], "FRAME": frame}
    for source in (style_vars, image["vars"]):
        for key, items in source.items():
            env[key] = number(frame_value(items, frame))
    glyph = env.get("glyph", "")
    body = ""
    if glyph:
        if glyph not in glyphs:
            fail("%s: unknown glyph '%s'" % (image["where"], glyph))
        size = float(env.get("GSIZE", min(image["w"], image["h"]) * 0.6))
        gx = float(env.get("GX", (image["w"] - size) / 2))
        gy = float(env.get("GY", (image["h"] - size) / 2))
        body = ('<g transform="translate(%g %g) scale(%g)" fill="none" stroke-width="%s" '
                'stroke-linecap="round" stroke-linejoin="round">%s</g>'
                % (gx, gy, size / 24.0, env.get("SW", 2), glyphs[glyph]))
        # A glyph refers to the frame's colours, so it is filled in after placement.
        body = fill(body, env, image["where"])
    env["GLYPH"] = body
    return fill(template, env, image["where"])


def strip_svg(image, template, style_vars, glyphs):
    w, h = image["w"], image["h"]
    parts = ['<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d">'
             % (w * image["frames"], h)]
    for frame in range(image["frames"]):
        inner = render_frame(image, frame, template, style_vars, glyphs)
        # Ids of gradients must stay unique across the frames of one strip.
        inner = re.sub(r'id="([^"]+)"', r'id="\1_f%d"' % frame, inner)
        inner = re.sub(r'url\(#([^)]+)\)', r'url(#\1_f%d)' % frame, inner)
        parts.append('<g transform="translate(%d 0)">%s</g>' % (frame * w, inner))
    parts.append("</svg>")
    return "\n".join(parts)


def main(argv):
    if len(argv) < 5:
        fail("usage: skingen.py <skin.txt> <glyphs.txt> <templates> <output root> [stamp]")
    table, glyph_file, template_dir, out_root = argv[1:5]
    _, styles, images = read_table(table)
    glyphs = read_glyphs(glyph_file)
    templates = {}
    seen = set()
    for image in images:
        if image["path"] in seen:
            fail("%s: %s listed twice" % (image["where"], image["path"]))
        seen.add(image["path"])
        if image["style"] not in styles:
            fail("%s: unknown style '%s'" % (image["where"], image["style"]))
        template_name, style_vars = styles[image["style"]]
        if template_name not in templates:
            with open(os.path.join(template_dir, template_name), encoding="utf-8") as f:
                templates[template_name] = f.read()
        svg = strip_svg(image, templates[template_name], style_vars, glyphs)
        out = os.path.join(out_root, image["path"].lstrip("/"))
        os.makedirs(os.path.dirname(out), exist_ok=True)
        rsvg = os.environ.get("RSVG_CONVERT", "rsvg-convert")
        result = subprocess.run([rsvg, "--format=png", "-o", out + ".tmp"],
                                input=svg.encode("utf-8"), capture_output=True)
        if result.returncode != 0:
            fail("%s: rsvg-convert failed for %s: %s"
                 % (image["where"], image["path"], result.stderr.decode(errors="replace")))
        os.replace(out + ".tmp", out)
    if len(argv) > 5:
        with open(argv[5], "w", encoding="utf-8") as f:
            f.write("%d images\n" % len(images))


if __name__ == "__main__":
    main(sys.argv)
