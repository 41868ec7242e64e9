#!/usr/bin/python3
"""Independent reader and writer of tags for the tag writer's tests (mutagen as oracle).

  mutagen_tool.py dump FILE            -> JSON object of the common fields
  mutagen_tool.py write FILE JSON IMG  -> writes the fields of JSON and IMG as front cover
  mutagen_tool.py ape-dump FILE        -> JSON object of the APEv2 items (text ones)
  mutagen_tool.py ape-write FILE JSON  -> adds an APEv2 tag with the items of JSON
  mutagen_tool.py id3-frames FILE      -> JSON list of the ID3 frames: id, desc, lang, text
  mutagen_tool.py id3-write FILE JSON  -> replaces the ID3 tag with {"version": 3|4,
                                          "frames": [{"id", "text", "desc", "lang",
                                          "encoding"}]}
  mutagen_tool.py vorbis-dump FILE     -> JSON object of every comment key (lower case) and
                                          its values
  mutagen_tool.py vorbis-write FILE JSON -> sets the keys of JSON (key -> list of values)
"""
import base64
import json
import sys

import mutagen
from mutagen.asf import ASF, ASFByteArrayAttribute
from mutagen.flac import FLAC, Picture
import mutagen.id3
from mutagen.id3 import APIC, COMM, ID3, USLT
from mutagen.mp4 import MP4, MP4Cover
from mutagen.oggopus import OggOpus
from mutagen.oggvorbis import OggVorbis

ID3_KEYS = {"title": "TIT2", "artist": "TPE1", "album": "TALB", "genre": "TCON",
            "year": "TDRC", "track": "TRCK", "copyright": "TCOP", "albumartist": "TPE2",
            "composer": "TCOM", "disc": "TPOS"}
MP4_KEYS = {"title": "\xa9nam", "artist": "\xa9ART", "album": "\xa9alb", "genre": "\xa9gen",
            "year": "\xa9day", "comment": "\xa9cmt", "copyright": "\xa9cpy",
            "lyrics": "\xa9lyr", "albumartist": "aART", "composer": "\xa9wrt",
            "grouping": "\xa9grp"}
VORBIS_KEYS = {"title": "title", "artist": "artist", "album": "album", "genre": "genre",
               "year": "date", "track": "tracknumber", "comment": "comment",
               "copyright": "copyright", "lyrics": "lyrics", "albumartist": "albumartist",
               "composer": "composer", "grouping": "grouping", "disc": "discnumber"}
ASF_KEYS = {"title": "Title", "artist": "Author", "comment": "Description",
            "album": "WM/AlbumTitle", "genre": "WM/Genre", "year": "WM/Year",
            "track": "WM/TrackNumber", "copyright": "WM/ProviderCopyright",
            "lyrics": "WM/Lyrics", "albumartist": "WM/AlbumArtist",
            "composer": "WM/Composer", "grouping": "WM/ContentGroupDescription",
            "disc": "WM/PartOfSet"}


def id3_of(f):
    return f.tags if isinstance(f.tags, ID3) else None


def dump(path):
    f = mutagen.File(path)
    out = {"kind": type(f).__name__}
    tags = f.tags
    cover = None
    if isinstance(tags, ID3):
        for k, frame in ID3_KEYS.items():
            if frame in tags:
                out[k] = str(tags[frame].text[0])
        for frame in tags.getall("COMM"):
            if frame.desc == "":
                out["comment"] = str(frame.text[0])
        for frame in tags.getall("USLT"):
            out["lyrics"] = str(frame.text)
        pics = tags.getall("APIC")
        if pics:
            cover = (pics[0].data, pics[0].mime)
    elif isinstance(f, MP4):
        for k, key in MP4_KEYS.items():
            if key in tags:
                out[k] = str(tags[key][0])
        for k, key in (("track", "trkn"), ("disc", "disk")):
            if key in tags:
                n, total = tags[key][0]
                out[k] = "%d/%d" % (n, total) if total else str(n)
        if "covr" in tags:
            c = tags["covr"][0]
            cover = (bytes(c), "image/png" if c.imageformat == MP4Cover.FORMAT_PNG
                     else "image/jpeg")
    elif isinstance(f, ASF):
        for k, key in ASF_KEYS.items():
            if key in tags:
                out[k] = str(tags[key][0])
        if "WM/Picture" in tags:
            raw = tags["WM/Picture"][0].value
            size = int.from_bytes(raw[1:5], "little")
            cover = (raw[-size:], "")
    elif tags is not None:
        for k, key in VORBIS_KEYS.items():
            if key in tags:
                out[k] = str(tags[key][0])
        if isinstance(f, FLAC) and f.pictures:
            cover = (f.pictures[0].data, f.pictures[0].mime)
        elif "metadata_block_picture" in tags:
            p = Picture(base64.b64decode(tags["metadata_block_picture"][0]))
            cover = (p.data, p.mime)
        out["vendor"] = tags.vendor
    if cover:
        out["cover_size"] = len(cover[0])
        out["cover_mime"] = cover[1]
        out["cover_head"] = cover[0][:16].hex()
    return out


def write(path, values, image):
    data = open(image, "rb").read()
    f = mutagen.File(path)
    if isinstance(f, MP4):
        if f.tags is None:
            f.add_tags()
        for k, key in MP4_KEYS.items():
            if k in values:
                f.tags[key] = [values[k]]
        f.tags["trkn"] = [tuple(int(x) for x in values["track"].split("/"))]
        f.tags["covr"] = [MP4Cover(data, MP4Cover.FORMAT_PNG)]
    elif isinstance(f, ASF):
        for k, key in ASF_KEYS.items():
            if k in values:
                f.tags[key] = [values[k]]
        raw = b"\x03" + len(data).to_bytes(4, "little") + "image/png\0".encode("utf-16-le") \
            + "\0".encode("utf-16-le") + data
        f.tags["WM/Picture"] = [ASFByteArrayAttribute(raw)]
    elif isinstance(f, (FLAC, OggVorbis, OggOpus)):
        if f.tags is None:
            f.add_tags()
        for k, key in VORBIS_KEYS.items():
            if k in values:
                f.tags[key] = [values[k]]
        pic = Picture()
        pic.type, pic.mime, pic.data = 3, "image/png", data
        if isinstance(f, FLAC):
            f.add_picture(pic)
        else:
            f.tags["metadata_block_picture"] = [base64.b64encode(pic.write()).decode()]
    else:
        if f.tags is None:
            f.add_tags()
        t = f.tags
        for k, frame in ID3_KEYS.items():
            if k in values:
                t.add(getattr(mutagen.id3, frame)(encoding=1, text=[values[k]]))
        if "comment" in values:
            t.add(COMM(encoding=1, lang="eng", desc="", text=[values["comment"]]))
        if "lyrics" in values:
            t.add(USLT(encoding=1, lang="eng", desc="", text=values["lyrics"]))
        t.add(APIC(encoding=1, mime="image/png", type=3, desc="", data=data))
        version = int(values.get("id3version", "4"))
        f.save(v2_version=version)
        return
    f.save()


def ape_dump(path):
    from mutagen.apev2 import APEv2
    tag = APEv2(path)
    out = {}
    for key, value in tag.items():
        if value.kind == 0:
            out[key] = str(value)
        else:
            out[key] = "<binary %d>" % len(bytes(value))
    return out


def ape_write(path, values):
    from mutagen.apev2 import APEv2
    tag = APEv2()
    for key, value in values.items():
        tag[key] = value
    tag.save(path)


def id3_frames(path):
    out = []
    for frame in ID3(path).values():
        entry = {"id": frame.FrameID, "key": frame.HashKey}
        for attr in ("desc", "lang"):
            if hasattr(frame, attr):
                entry[attr] = getattr(frame, attr)
        text = getattr(frame, "text", None)
        if text is not None:
            entry["text"] = text if isinstance(text, str) else "/".join(str(t) for t in text)
        out.append(entry)
    return out


def id3_write(path, layout):
    tags = ID3()
    for f in layout["frames"]:
        cls = getattr(mutagen.id3, f["id"])
        kwargs = {"encoding": f.get("encoding", 3), "text": f["text"]}
        if f["id"] in ("COMM", "USLT"):
            kwargs.update(lang=f.get("lang", "eng"), desc=f.get("desc", ""))
        if f["id"] == "COMM" or f["id"].startswith("T"):
            kwargs["text"] = [f["text"]]
        tags.add(cls(**kwargs))
    tags.save(path, v2_version=layout.get("version", 4))


def vorbis_dump(path):
    f = mutagen.File(path)
    return {key.lower(): list(f.tags[key]) for key in f.tags.keys()}


def vorbis_write(path, values):
    f = mutagen.File(path)
    if f.tags is None:
        f.add_tags()
    for key, value in values.items():
        f.tags[key] = value
    f.save()


COMMANDS = {"dump": (dump, True), "id3-frames": (id3_frames, True),
            "vorbis-dump": (vorbis_dump, True), "ape-dump": (ape_dump, True),
            "id3-write": (id3_write, False), "vorbis-write": (vorbis_write, False),
            "ape-write": (ape_write, False)}

if __name__ == "__main__":
    if sys.argv[1] == "write":
        write(sys.argv[2], json.loads(sys.argv[3]), sys.argv[4])
    else:
        command, prints = COMMANDS[sys.argv[1]]
        if prints:
            print(json.dumps(command(sys.argv[2])))
        else:
            command(sys.argv[2], json.loads(sys.argv[3]))
