#!/usr/bin/python3
"""Writes the fuzz seeds that are not workbooks themselves into this folder.

xlsx/: the XML parts of the xlsx test fixtures, each behind one byte that picks the chunk
size the fuzz target parses in (the fixtures and the shared corpus are seeds as they are),
and a worksheet that carries its own number formats, so that one part reaches both the
styles and the worksheet parser.
xml_scanner/: small parts with the XML the hand-written scanner reads and the XML it leaves to
expat, behind the same chunk byte.
vcard_record/: rows of field values, the first byte separating them.
Run it again after changing it or the fixtures; the output is the same bytes every time.
"""
import os
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))
FIXTURES = os.path.join(HERE, "..", "..", "tests", "source", "fixtures", "xlsx")
PARTS = ("xl/worksheets/sheet1.xml", "xl/sharedStrings.xml", "xl/workbook.xml",
         "xl/_rels/workbook.xml.rels")
MAX_PART_BYTES = 64 * 1024


def write(folder, name, data):
    os.makedirs(os.path.join(HERE, folder), exist_ok=True)
    with open(os.path.join(HERE, folder, name), "wb") as f:
        f.write(data)


def xlsx_seeds(parts=PARTS, seen=None):
    seen = set() if seen is None else seen
    for fixture in sorted(os.listdir(FIXTURES)):
        if not fixture.endswith(".xlsx"):
            continue
        try:
            archive = zipfile.ZipFile(os.path.join(FIXTURES, fixture))
        except zipfile.BadZipFile:
            continue
        with archive:
            for info in archive.infolist():
                if info.filename not in parts or info.file_size > MAX_PART_BYTES:
                    continue
                try:
                    xml = archive.read(info)
                except Exception:  # damaged on purpose: not a seed
                    continue
                if xml in seen:
                    continue
                seen.add(xml)
                chunk = bytes([len(seen) % 64])
                stem = fixture[:-5] + "-" + os.path.basename(info.filename)
                write("xlsx", stem, chunk + xml)
    return seen


def styles_seeds(seen):
    # After the other parts, so that their chunk bytes stay as they were.
    xlsx_seeds(("xl/styles.xml",), seen)
    main = "http://schemas.openxmlformats.org/spreadsheetml/2006/main"
    write("xlsx", "styles-in-sheet.xml", bytes([7]) + (
        f'<worksheet xmlns="{main}"><numFmts><numFmt numFmtId="164" formatCode="0000 0000000"/>'
        '<numFmt numFmtId="165" formatCode="[h]:mm;@"/></numFmts>'
        '<cellXfs><xf numFmtId="0"/><xf numFmtId="164"/><xf numFmtId="165"/><xf numFmtId="14"/>'
        '</cellXfs><sheetData><row r="1"><c r="A1" s="1"><v>1512345678</v></c>'
        '<c r="B1" s="2"><v>1.5</v></c><c r="C1" s="3" t="d"><v>2024-03-01</v></c>'
        '<c r="D1" s="9"><v>-1</v></c><c r="E1" s="2" t="s"><v>0</v></c></row></sheetData>'
        '</worksheet>').encode())


SHEET = (b'<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\r\n'
         b'<worksheet xmlns="urn:main" xmlns:r="urn:r"><dimension ref="A1:C3"/><sheetData>'
         b'%s</sheetData><pageMargins left="0.7"/></worksheet>')
SCANNER_SEEDS = {
    "shared-cells": SHEET % b'<row r="1" spans="1:3"><c r="A1" t="s"><v>0</v></c>'
                            b'<c r="B1" t="s"><v>1</v></c><c r="C1"><v>42.5</v></c></row>',
    "inline-cells": SHEET % b'<row r="2"><c r="A2" t="inlineStr"><is><t xml:space="preserve">'
                            b' a &amp; b </t></is></c><c r="B2" t="b"><v>1</v></c></row>',
    "references": SHEET % b'<row r="1"><c r="A1" t="inlineStr"><is><t>&lt;&gt;&quot;&apos;'
                          b'&#65;&#x263A;&#x1F600;&#13;&#9;</t></is></c></row>',
    "line-ends": SHEET % b'<row r="1"><c r="A1" t="inlineStr"><is><t>a\r\nb\rc\nd\r</t>'
                         b'</is></c></row>',
    "attribute-spaces": b'<sst a="x\ty\r\nz\rw&#10;v" b = \'q"q\'><si><t>s</t></si></sst>',
    "comments-and-instructions": b'\xef\xbb\xbf<?xml version="1.0"?><!-- before --><?pi x?>'
                                 b'<sst><!-- a - b --><?pi?><si><t>x<!--c-->y</t></si></sst>'
                                 b'<!-- after -->\n',
    "cdata": SHEET % b'<row r="1"><c r="A1" t="inlineStr"><is><t><![CDATA[<&>]]\r\n]]>'
                     b'</t></is></c></row>',
    "prefixes": b'<x:worksheet xmlns:x="urn:x"><x:sheetData><x:row x:r="3"><x:c x:r="B3" x:t="s">'
                b'<x:v> 2 </x:v></x:c></x:row></x:sheetData></x:worksheet>',
    "non-ascii": SHEET % '<row r="1"><c r="A1" t="inlineStr"><is><t>Zoë Müller €</t></is></c>'
                         '</row>'.encode(),
    "bad-utf8": SHEET % b'<row r="1"><c r="A1" t="inlineStr"><is><t>\xc3\x28</t></is></c></row>',
    "cdata-end-in-text": SHEET % b'<row r="1"><c r="A1" t="inlineStr"><is><t>a]]>b</t></is></c>'
                                 b'</row>',
    "duplicate-attribute": SHEET % b'<row r="1" r="2"><c r="A1"><v>1</v></c></row>',
    "mismatched-tag": SHEET % b'<row r="1"><c r="A1"><v>1</c></v></row>',
    "doctype": b'<!DOCTYPE sst [<!ENTITY e "x">]><sst><si><t>&e;</t></si></sst>',
    "other-encoding": b'<?xml version="1.0" encoding="ISO-8859-1"?><sst><si><t>\xe9</t></si></sst>',
    "bad-cell-type": SHEET % b'<row r="1"><c r="A1" t="z"><v>1</v></c></row>',
    "rows-out-of-order": SHEET % b'<row r="2"><c r="A2"><v>1</v></c></row><row r="1">'
                                 b'<c r="A1"><v>2</v></c></row>',
    "junk-after-root": b'<sst><si><t>a</t></si></sst>x',
    "unclosed": SHEET[:-12] % b'<row r="1"><c r="A1"><v>1</v></c></row>',
    "deep": b'<sst>' + b'<a>' * 70 + b'</a>' * 70 + b'</sst>',
    "empty-root": b'<?xml version="1.0" encoding="utf-8"?><worksheet/>',
    # The second finding: a pseudo-attribute of the declaration without its value.
    "declaration-cut-short": b'<?xml version="1.0" encoding=?>\r\n<worksheet/>',
    # The first finding: a name that starts with its colon has no prefix before it.
    "name-starting-with-a-colon": SHEET % b'<row r="1"><:c r="A1" t="s"><:v>1</:v></:c></row>',
}


def scanner_seeds():
    for i, (name, xml) in enumerate(SCANNER_SEEDS.items()):
        write("xml_scanner", name, bytes([i * 37 % 256]) + xml)


def vcard_seeds():
    rows = {
        "plain": ["John", "Smith", "", "john@example.com", "", "", "Engineer", "Acme",
                  "", "Springfield", "USA", "12345", "IL", "1 Main St", "", "",
                  "+1 555 0100", "R&D"],
        "escapes": ["A;B", "C,D", "E\\F", "a@b", "c@d", "e@f", "x", "Co;Ltd", "", "", "",
                    "", "", "Line 1\nLine 2\r\nLine 3\rend"],
        "non-ascii": ["Zoë", "Müller", "Zoë Müller", "", "", "", "Ingénieure",
                      "Société", "", "Zürich"] + [""] * 19 + ["note=with=equals\n"],
        "every-field": [f"value {i}" for i in range(30)],
        "no-name": [""] * 7 + ["Company only"],
    }
    for name, values in rows.items():
        write("vcard_record", name, ("\x1f" + "\x1f".join(values)).encode())
    # Tab as the separator, and lines that look like properties.
    write("vcard_record", "injected-lines",
          b"\t" + "\t".join(["x\r\nEND:VCARD\r\nBEGIN:VCARD", "y\nTEL:1", "\r\r\n\n"]).encode())


def main():
    seen = xlsx_seeds()
    scanner_seeds()
    vcard_seeds()
    styles_seeds(seen)


if __name__ == "__main__":
    main()
