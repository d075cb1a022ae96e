#!/usr/bin/python3
"""A Photo column of every kind of picture cell, converted by quillmere-convert in each version.

usage: photo-pictures.py QUILLMERE_CONVERT

Makes its own pictures (ImageMagick and exiftool): JPEG, PNG with transparency, WebP, a
6000x4000 JPEG, noise that only a lower JPEG quality fits, one turned by its EXIF orientation,
a data: text and paths relative, absolute and from ~; and the bad ones: a cut-short JPEG, a
text file named .jpg, a PNG whose header claims 108 megapixels, a missing file and a web
address. Every good one must read back through python3-vobject as a JPEG within the limits and
upright, every bad one be a note of the report, every contact be written.
"""
import base64
import os
import struct
import subprocess
import sys
import tempfile
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.path.insert(0, os.path.join(HERE, "..", "tools"))
sys.path.insert(0, os.path.join(HERE, "..", "support"))
import check_photos  # noqa: E402
import destinations  # noqa: E402

TOOL = os.path.abspath(sys.argv[1])
ROUNDS = 7  # 14 kinds of cell, 98 rows


def run(*args, **kwargs):
    return subprocess.run(args, check=True, capture_output=True, text=True, **kwargs)


def png_claiming(width, height):
    """A PNG whose header says width x height, with almost no pixel data behind it."""
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(b"\0" * 64)) + chunk(b"IEND", b""))


def make_pictures(folder):
    p = lambda name: os.path.join(folder, name)  # noqa: E731
    run("convert", "-size", "640x480", "plasma:red-blue", p("small.jpg"))
    run("convert", "-size", "1000x500", "gradient:red-none", p("wide.png"))
    run("convert", "-size", "900x900", "plasma:green-yellow", p("square.webp"))
    run("convert", "-size", "1500x1000", "plasma:", "-scale", "400%", "-quality", "95",
        p("big.jpg"))
    run("convert", "-size", "1600x1600", "xc:gray", "+noise", "Random", p("noise.png"))
    run("convert", "-size", "300x200", "gradient:white-black", p("turned.jpg"))
    run("exiftool", "-q", "-overwrite_original", "-n", "-Orientation=6", p("turned.jpg"))
    with open(p("small.jpg"), "rb") as f:
        whole = f.read()
    with open(p("cut.jpg"), "wb") as f:
        f.write(whole[:len(whole) * 6 // 10])
    with open(p("text.jpg"), "w") as f:
        f.write("This is no picture.\n")
    with open(p("huge.png"), "wb") as f:
        f.write(png_claiming(12000, 9000))
    run("convert", "-size", "120x80", "plasma:", p("tiny.png"))
    with open(p("tiny.png"), "rb") as f:
        return "data:image/png;base64," + base64.b64encode(f.read()).decode()


def main():
    top = tempfile.mkdtemp(prefix="quillmere-photos-")
    pictures = os.path.join(top, "pictures")
    book = os.path.join(top, "book")
    os.makedirs(pictures)
    os.makedirs(book)
    data_uri = make_pictures(pictures)
    # cell, the photo's long side and whether it is portrait, or what the note says
    good = [
        ("../pictures/small.jpg", (640, False)),
        ("../pictures/wide.png", (720, False)),
        ("../pictures/square.webp", (720, False)),
        ("../pictures/big.jpg", (720, False)),
        ("../pictures/noise.png", (720, False)),
        ("../pictures/turned.jpg", (300, True)),
        (data_uri, (120, False)),
        ("~/pictures/small.jpg", (640, False)),
        (os.path.join(pictures, "wide.png"), (720, False)),
    ]
    bad = [
        ("../pictures/cut.jpg", "is a JPEG cut short"),
        ("../pictures/text.jpg", "which is not a picture Quillmere reads"),
        ("../pictures/huge.png", "is 12000 x 9000 pixels, more than the 100 megapixels"),
        ("../pictures/gone.jpg", "gone.jpg, which does not exist"),
        ("https://example.com/ann.jpg", "is a web address, which a conversion does not fetch"),
    ]
    kinds = good + bad
    rows = []
    for round_ in range(ROUNDS):
        for i, (cell, _) in enumerate(kinds):
            rows.append(("Person %d-%d" % (round_, i), cell))
    csv = os.path.join(book, "contacts.csv")
    with open(csv, "w") as f:
        f.write("Full Name,Photo\n")
        for name, cell in rows:
            f.write('"%s","%s"\n' % (name, cell))
    env = dict(os.environ, HOME=top)
    failures = []
    # 200 KB a photo in any version, iCloud's own limit for its cards.
    runs = [("2.1", [], 200 * 1024), ("3.0", [], 200 * 1024), ("4.0", [], 200 * 1024),
            ("3.0", ["--for", "icloud"], 224 * 1024), ("3.0", ["--for", "carddav"], 200 * 1024)]
    for version, extra, limit in runs:
        out = os.path.join(top, "out-%s-%s" % (version, "-".join(extra) or "any"))
        os.makedirs(out)
        # Run from another folder: relative paths are the workbook's folder's.
        result = subprocess.run([TOOL, "--more-fields", "--single"] + extra +
                                [csv, out, version, "A=FullName", "B=Photo"],
                                capture_output=True, text=True, env=env, cwd="/")
        label = "%s %s" % (version, " ".join(extra))
        if result.returncode != 0:
            failures.append("%s: exit %d\n%s%s" % (label, result.returncode, result.stdout,
                                                   result.stderr))
            continue
        log = result.stdout
        for line in ("written: %d" % len(rows), "photos written: %d" % (len(good) * ROUNDS),
                     "photos left out: %d" % (len(bad) * ROUNDS)):
            if line + "\n" not in log:
                failures.append("%s: no %r in\n%s" % (label, line, log))
        if "read back differently" in log:
            failures.append("%s: cards read back differently\n%s" % (label, log))
        for cell, phrase in bad:
            if not any(l.startswith("note row ") and phrase in l for l in log.splitlines()):
                failures.append("%s: no note saying %r for %s" % (label, phrase, cell[:40]))
        files = [os.path.join(d, f) for d, _, fs in os.walk(out) for f in fs
                 if f.endswith(".vcf")]
        texts = []
        for name in files:
            with open(name, encoding="utf-8", newline="") as f:
                texts.append(f.read())
        if "carddav" in extra:
            # A real Radicale takes every card and gives its photo back.
            cards = [c for t in texts for c in destinations.split_cards(t)]
            texts = destinations.through_radicale(out, cards, failures)
        photos = {}
        for text in texts:
            for fn, value in check_photos.cards(text):
                data = check_photos.photo_bytes(value)
                photos[fn] = (check_photos.jpeg_size(data), len(data))
        if len(photos) != len(good) * ROUNDS:
            failures.append("%s: %d photos read back, %d expected" % (label, len(photos),
                                                                       len(good) * ROUNDS))
        for name, cell in rows:
            kind = dict(kinds)[cell]
            if isinstance(kind, str):
                if name in photos:
                    failures.append("%s: %s has a photo from %s" % (label, name, cell[:40]))
                continue
            if name not in photos:
                failures.append("%s: %s has no photo from %s" % (label, name, cell[:40]))
                continue
            (width, height), size = photos[name]
            side, portrait = kind
            if max(width, height) != side or (height > width) != portrait or size > limit:
                failures.append("%s: %s's photo from %s is %dx%d, %d bytes" %
                                (label, name, cell[:40], width, height, size))
        print("%s: %d photos, the largest %d bytes" %
              (label, len(photos), max(s for _, s in photos.values())))
    # Match by Name pairs a "Foto" header with the photo.
    with open(os.path.join(book, "fotos.csv"), "w") as f:
        f.write("Vorname,Nachname,Foto\nAnn,Ahn,../pictures/small.jpg\n")
    out = os.path.join(top, "out-match")
    os.makedirs(out)
    result = run(TOOL, "--more-fields", "--match-by-name", os.path.join(book, "fotos.csv"),
                 out, "3.0", env=env)
    for line in ("paired by name: Foto -> Photo", "photos written: 1"):
        if line not in result.stdout:
            failures.append("match by name: no %r in\n%s" % (line, result.stdout))
    if failures:
        sys.exit("\n".join(failures))
    subprocess.run(["rm", "-rf", top], check=True)
    print("every picture written within its limits or noted")


main()
