#!/usr/bin/env python3
"""Writes a workbook whose first sheet fills every row below a header row: 1,048,575 data
rows of 16 columns (shared strings, numbers, a Boolean, a formula string), like a very long
contact list. Usage: make-large-sheet.py OUT.xlsx [ROWS]"""
import sys
import zipfile

MAIN = "http://schemas.openxmlformats.org/spreadsheetml/2006/main"
REL = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"
PKG = "http://schemas.openxmlformats.org/package/2006/relationships"
COLUMNS = "ABCDEFGHIJKLMNOP"
UNIQUE_STRINGS = 100_000


def main():
    out = sys.argv[1]
    rows = int(sys.argv[2]) if len(sys.argv) > 2 else 1_048_575
    with zipfile.ZipFile(out, "w", zipfile.ZIP_DEFLATED, compresslevel=6) as z:
        z.writestr("_rels/.rels",
                   f'<Relationships xmlns="{PKG}"><Relationship Id="rId1" '
                   f'Type="{REL}/officeDocument" Target="xl/workbook.xml"/></Relationships>')
        z.writestr("xl/workbook.xml",
                   f'<workbook xmlns="{MAIN}" xmlns:r="{REL}"><sheets>'
                   f'<sheet name="Contacts" sheetId="1" r:id="rId1"/></sheets></workbook>')
        z.writestr("xl/_rels/workbook.xml.rels",
                   f'<Relationships xmlns="{PKG}">'
                   f'<Relationship Id="rId1" Type="{REL}/worksheet" Target="worksheets/sheet1.xml"/>'
                   f'<Relationship Id="rId2" Type="{REL}/sharedStrings" Target="sharedStrings.xml"/>'
                   f'</Relationships>')
        with z.open("xl/sharedStrings.xml", "w", force_zip64=True) as f:
            f.write(f'<sst xmlns="{MAIN}" uniqueCount="{UNIQUE_STRINGS}">'.encode())
            f.write("".join(f"<si><t>Person {i} Example</t></si>"
                            for i in range(UNIQUE_STRINGS)).encode())
            f.write(b"</sst>")
        with z.open("xl/worksheets/sheet1.xml", "w", force_zip64=True) as f:
            f.write(f'<?xml version="1.0" encoding="UTF-8" standalone="yes"?>'
                    f'<worksheet xmlns="{MAIN}"><sheetData>'.encode())
            header = "".join(f'<c r="{c}1" t="inlineStr"><is><t>Field {c}</t></is></c>'
                             for c in COLUMNS)
            f.write(f'<row r="1" spans="1:16">{header}</row>'.encode())
            batch = []
            for r in range(2, rows + 2):
                s = r % UNIQUE_STRINGS
                cells = "".join(f'<c r="{c}{r}" t="s"><v>{(s + k * 7919) % UNIQUE_STRINGS}</v></c>'
                                for k, c in enumerate(COLUMNS[:8]))
                cells += "".join(f'<c r="{c}{r}" s="1"><v>{r * 31 + k}.{k}5</v></c>'
                                 for k, c in enumerate(COLUMNS[8:14]))
                cells += f'<c r="O{r}" t="b"><v>{r & 1}</v></c>'
                cells += f'<c r="P{r}" t="str"><f>A{r}&amp;B{r}</f><v>x{r}</v></c>'
                batch.append(f'<row r="{r}" spans="1:16">{cells}</row>')
                if len(batch) == 10000:
                    f.write("".join(batch).encode())
                    batch.clear()
            f.write("".join(batch).encode())
            f.write(b"</sheetData></worksheet>")


if __name__ == "__main__":
    main()
