#!/usr/bin/env python3
"""Copies a TrueType font under a new family name.

The recording display asks for its seven-segment face by the family name "LcdD", so the
bundled DSEG7 font is rewritten with that name: the family, full and PostScript names
(name ids 1, 4, 6, 16 and 17 are replaced; other names are kept), the name table checksum
and the font's checksum adjustment are recomputed. Outlines are copied untouched.

Usage: renamefont.py <input.ttf> <output.ttf> <family>
"""
import struct
import sys

REPLACED = {1, 4, 6, 16}
DROPPED = {17}  # the typographic subfamily; the plain subfamily (id 2) stays


def checksum(data):
    data += b"\0" * (-len(data) % 4)
    return sum(struct.unpack(">%dI" % (len(data) // 4), data)) & 0xFFFFFFFF


def encode(text, platform):
    # Windows and Unicode records are UTF-16BE; Macintosh records are Mac Roman (ASCII here).
    return text.encode("utf-16-be") if platform in (0, 3) else text.encode("mac_roman")


def rename_table(name, family):
    fmt, count, offset = struct.unpack(">HHH", name[:6])
    records = []
    for i in range(count):
        rec = struct.unpack(">HHHHHH", name[6 + 12 * i:18 + 12 * i])
        platform, encoding, language, name_id, length, start = rec
        if name_id in DROPPED:
            continue
        if name_id in REPLACED:
            text = family if name_id != 6 else family.replace(" ", "")
            value = encode(text, platform)
        else:
            value = name[offset + start:offset + start + length]
        records.append((platform, encoding, language, name_id, value))
    records.sort(key=lambda r: r[:4])
    header = struct.pack(">HHH", 0, len(records), 6 + 12 * len(records))
    directory, strings = b"", b""
    for platform, encoding, language, name_id, value in records:
        directory += struct.pack(">HHHHHH", platform, encoding, language, name_id,
                                 len(value), len(strings))
        strings += value
    return header + directory + strings


def main(argv):
    if len(argv) != 4:
        sys.exit("usage: renamefont.py <input.ttf> <output.ttf> <family>")
    with open(argv[1], "rb") as f:
        font = f.read()
    version, num_tables = struct.unpack(">IH", font[:6])
    tables = {}
    for i in range(num_tables):
        tag, _, offset, length = struct.unpack(">4sIII", font[12 + 16 * i:28 + 16 * i])
        tables[tag] = bytearray(font[offset:offset + length])
    if b"name" not in tables or b"head" not in tables:
        sys.exit("renamefont: %s has no name or head table" % argv[1])
    tables[b"name"] = bytearray(rename_table(bytes(tables[b"name"]), argv[3]))
    tables[b"head"][8:12] = b"\0\0\0\0"

    # Rebuild the file: directory, then each table on a 4-byte boundary.
    search = 1
    while search * 2 <= num_tables:
        search *= 2
    entry_selector = search.bit_length() - 1
    header = struct.pack(">IHHHH", version, num_tables, search * 16, entry_selector,
                         num_tables * 16 - search * 16)
    offset = 12 + 16 * num_tables
    directory, body = b"", b""
    for tag in sorted(tables):
        data = bytes(tables[tag])
        directory += struct.pack(">4sIII", tag, checksum(data), offset, len(data))
        padded = data + b"\0" * (-len(data) % 4)
        body += padded
        offset += len(padded)
    out = bytearray(header + directory + body)
    head_offset = 12 + 16 * num_tables + sum(
        len(tables[t]) + (-len(tables[t]) % 4) for t in sorted(tables) if t < b"head")
    adjustment = (0xB1B0AFBA - checksum(bytes(out))) & 0xFFFFFFFF
    out[head_offset + 8:head_offset + 12] = struct.pack(">I", adjustment)
    with open(argv[2], "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main(sys.argv)
