#!/usr/bin/python3
"""Writes the fuzz seeds that are not workbooks themselves into this folder.

xlsx/: the XML parts of the xlsx test fixtures, each behind one byte that picks the chunk
size the fuzz target parses in (the fixtures and the shared corpus are seeds as they are),
and a worksheet that carries its own number formats, so that one part reaches both the
styles and the worksheet parser.
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
    vcard_seeds()
    styles_seeds(seen)


if __name__ == "__main__":
    main()
