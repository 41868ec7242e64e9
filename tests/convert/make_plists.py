#!/usr/bin/env python3
"""Writes the property lists that tst_plist reads, with Python's plistlib as the independent
writer: <name>.xml and <name>.bin for the lists that exist in both forms, and binary lists
with one object or trailer field changed afterwards for the error cases that no writer makes.

usage: make_plists.py OUTDIR
"""
import datetime
import os
import plistlib
import struct
import sys


def mixed():
    return {
        "text": "hello & <world>",
        "empty": "",
        "count": 42,
        "negative": -7,
        "ratio": 2.5,
        "yes": True,
        "no": False,
        "when": datetime.datetime(2020, 7, 1, 12, 30, 15),
        "blob": bytes(range(256)) * 2,
        "nested": [{"id": "5000", "list": [1, 2, 3]}, [], {}],
        "long text": "x" * 40,
    }


def large():
    return {"items": ["item%d" % i for i in range(300)], "big": "y" * 1000}


def integers():
    return [0, 1, 255, 256, 65535, 65536, 4294967295, 4294967296,
            2**63 - 1, 2**64 - 1, -1, -2**63]


def trailer(data):
    offset_size, ref_size, count, top, table = struct.unpack(">6xBBQQQ", data[-32:])
    return offset_size, ref_size, count, top, table


def offsets(data):
    offset_size, _, count, _, table = trailer(data)
    return [int.from_bytes(data[table + i * offset_size:table + (i + 1) * offset_size], "big")
            for i in range(count)]


def patch_marker(data, old_object, new_marker):
    """Replaces the first byte of the object whose bytes start with old_object."""
    data = bytearray(data)
    for offset in offsets(bytes(data)):
        if bytes(data[offset:offset + len(old_object)]) == old_object:
            data[offset] = new_marker
            return bytes(data)
    raise SystemExit("object %r not found" % old_object)


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)

    def write(name, value, fmt):
        with open(os.path.join(out, name), "wb") as f:
            f.write(plistlib.dumps(value, fmt=fmt, sort_keys=True))

    def write_bytes(name, data):
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)

    for name, value in (("mixed", mixed()), ("large", large())):
        write(name + ".xml", value, plistlib.FMT_XML)
        write(name + ".bin", value, plistlib.FMT_BINARY)
    write("integers.bin", integers(), plistlib.FMT_BINARY)

    one = plistlib.dumps(["x"], fmt=plistlib.FMT_BINARY)
    write_bytes("null.bin", patch_marker(one, b"\x51x", 0x00))
    write_bytes("fill.bin", patch_marker(one, b"\x51x", 0x0F))
    write_bytes("unknown.bin", patch_marker(one, b"\x51x", 0x0C))
    write_bytes("intkey.bin",
                patch_marker(plistlib.dumps({"a": "b"}, fmt=plistlib.FMT_BINARY), b"\x51a", 0x10))
    write("uid.bin", [plistlib.UID(3)], plistlib.FMT_BINARY)
    write("utf16.bin", ["caf\u00e9"], plistlib.FMT_BINARY)

    # The trailer's top-object field pointing at another object: readers start at object 0.
    top = bytearray(plistlib.dumps({"root": "yes"}, fmt=plistlib.FMT_BINARY))
    top[-16:-8] = (2).to_bytes(8, "big")
    write_bytes("topobject.bin", bytes(top))

    # An array holding itself, and one string shared ten thousand times (about 1 GB as a tree).
    cycle = bytearray(one)
    cycle[cycle.index(b"\xa1\x01") + 1] = 0
    write_bytes("cycle.bin", bytes(cycle))
    write("shared.bin", ["z" * 100000] * 10000, plistlib.FMT_BINARY)

    full = plistlib.dumps(mixed(), fmt=plistlib.FMT_BINARY)
    write_bytes("truncated.bin", full[:len(full) // 2])


if __name__ == "__main__":
    main()
