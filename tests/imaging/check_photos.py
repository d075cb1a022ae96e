#!/usr/bin/python3
"""Reads cards with python3-vobject and checks each photo is a JPEG within the limits.

usage: check_photos.py MAX_BYTES MAX_SIDE EXPECTED_PHOTOS FILE.vcf...
Prints "name WIDTHxHEIGHT BYTES" per photo; fails when a photo is no JPEG, too large, or the
count differs.
"""
import base64
import io
import struct
import sys

import vobject


def jpeg_size(data):
    """Width and height from the JPEG's frame header."""
    if not data.startswith(b"\xff\xd8") or not data.rstrip(b"\0").endswith(b"\xff\xd9"):
        raise ValueError("not a whole JPEG")
    at = 2
    while at + 4 <= len(data):
        if data[at] != 0xFF:
            raise ValueError("broken JPEG marker at %d" % at)
        marker = data[at + 1]
        length = struct.unpack(">H", data[at + 2:at + 4])[0]
        if 0xC0 <= marker <= 0xCF and marker not in (0xC4, 0xC8, 0xCC):
            height, width = struct.unpack(">HH", data[at + 5:at + 9])
            return width, height
        at += 2 + length
    raise ValueError("JPEG without a frame header")


def photo_bytes(value):
    if isinstance(value, bytes):
        return value
    prefix = "data:image/jpeg;base64,"
    if not value.startswith(prefix):
        raise ValueError("PHOTO is neither base64 nor a JPEG data: URI: %r" % value[:40])
    return base64.b64decode(value[len(prefix):])


def cards_4_0(text):
    """The (FN, PHOTO value) of each card, read line by line with vobject's own parser: its
    components read every card as 3.0, whose text values split at a 4.0 data: URI's comma."""
    fn, photos = "?", []
    for line, _number in vobject.base.getLogicalLines(io.StringIO(text)):
        name, _params, value, _group = vobject.base.parseLine(line)
        if name == "FN":
            fn = value
        elif name == "PHOTO":
            photos.append(value)
        elif name == "END":
            for value in photos:
                yield fn, value
            fn, photos = "?", []


def cards(text):
    if "\nVERSION:4.0" not in text.replace("\r\n", "\n"):
        for card in vobject.readComponents(text):
            for photo in card.contents.get("photo", []):
                yield (card.fn.value if hasattr(card, "fn") else "?"), photo.value
    else:
        yield from cards_4_0(text)


def main():
    max_bytes, max_side, expected = (int(a) for a in sys.argv[1:4])
    found = 0
    for name in sys.argv[4:]:
        with open(name, encoding="utf-8", newline="") as f:
            text = f.read()
        for fn, value in cards(text):
            data = photo_bytes(value)
            width, height = jpeg_size(data)
            print("%s %dx%d %d" % (fn, width, height, len(data)))
            if len(data) > max_bytes or max(width, height) > max_side:
                sys.exit("%s: photo of %s is %dx%d, %d bytes: over the limits"
                         % (name, fn, width, height, len(data)))
            found += 1
    if found != expected:
        sys.exit("%d photos read, %d expected" % (found, expected))


if __name__ == "__main__":
    main()
