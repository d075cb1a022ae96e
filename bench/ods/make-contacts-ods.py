#!/usr/bin/python3
"""Writes the contacts sheet of make-contacts as an OpenDocument spreadsheet, content.xml laid
out as LibreOffice Calc saves it (a string cell with its paragraph, the postal code a float with
its shown text, a cell's lines as paragraphs, equal neighbours as one repeated cell, a default
deflate), from the .csv that make-contacts writes for the same ROWS, whose cells are the same.
LibreOffice itself takes most of an hour and gigabytes for the million-row sheet.

usage: make-contacts-ods.py CONTACTS.csv OUT.ods
"""
import csv
import sys
import zipfile
from xml.sax.saxutils import escape

POSTAL_CODE = 12  # the one column the .xlsx holds as numbers
MIMETYPE = "application/vnd.oasis.opendocument.spreadsheet"

HEAD = (
    '<?xml version="1.0" encoding="UTF-8"?>\n<office:document-content '
    'xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" '
    'xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0" '
    'xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" '
    'xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" '
    'xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0" '
    'xmlns:of="urn:oasis:names:tc:opendocument:xmlns:of:1.2" '
    'xmlns:calcext="urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0" '
    'office:version="1.3"><office:scripts/><office:automatic-styles>'
    '<style:style style:name="co1" style:family="table-column"><style:table-column-properties '
    'fo:break-before="auto" style:column-width="0.889in"/></style:style>'
    '<style:style style:name="ro1" style:family="table-row"><style:table-row-properties '
    'style:row-height="0.178in" fo:break-before="auto" style:use-optimal-row-height="true"/>'
    '</style:style><style:style style:name="ta1" style:family="table" '
    'style:master-page-name="Default"><style:table-properties table:display="true" '
    'style:writing-mode="lr-tb"/></style:style></office:automatic-styles><office:body>'
    '<office:spreadsheet><table:calculation-settings table:automatic-find-labels="false"/>'
    '<table:table table:name="Contacts" table:style-name="ta1">'
    '<table:table-column table:style-name="co1" table:number-columns-repeated="16" '
    'table:default-cell-style-name="Default"/>')
TAIL = ('</table:table><table:named-expressions/></office:spreadsheet></office:body>'
        '</office:document-content>')

MANIFEST = (
    '<?xml version="1.0" encoding="UTF-8"?>\n<manifest:manifest '
    'xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0" manifest:version="1.3">'
    '<manifest:file-entry manifest:full-path="/" manifest:version="1.3" manifest:media-type="'
    + MIMETYPE + '"/><manifest:file-entry manifest:full-path="content.xml" '
    'manifest:media-type="text/xml"/><manifest:file-entry manifest:full-path="styles.xml" '
    'manifest:media-type="text/xml"/><manifest:file-entry manifest:full-path="meta.xml" '
    'manifest:media-type="text/xml"/></manifest:manifest>')

# LibreOffice states the counts of the document in meta.xml.
META = (
    '<?xml version="1.0" encoding="UTF-8"?>\n<office:document-meta '
    'xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" '
    'xmlns:meta="urn:oasis:names:tc:opendocument:xmlns:meta:1.0" office:version="1.3">'
    '<office:meta><meta:generator>make-contacts-ods.py</meta:generator>'
    '<meta:document-statistic meta:table-count="1" meta:cell-count="%d" meta:object-count="0"/>'
    '</office:meta></office:document-meta>')

STYLES = (
    '<?xml version="1.0" encoding="UTF-8"?>\n<office:document-styles '
    'xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" office:version="1.3">'
    '<office:styles/></office:document-styles>')


def cell(text, number):
    if text == "":
        return "<table:table-cell/>"
    paragraphs = "".join("<text:p>%s</text:p>" % escape(line) for line in text.split("\n"))
    if number:
        return ('<table:table-cell office:value-type="float" office:value="%s" '
                'calcext:value-type="float">%s</table:table-cell>' % (text, paragraphs))
    return ('<table:table-cell office:value-type="string" calcext:value-type="string">%s'
            '</table:table-cell>' % paragraphs)


def row(fields, header):
    cells = [cell(f, not header and i == POSTAL_CODE) for i, f in enumerate(fields)]
    while cells and cells[-1] == "<table:table-cell/>":
        cells.pop()
    out = []
    i = 0
    while i < len(cells):
        j = i
        while j + 1 < len(cells) and cells[j + 1] == cells[i]:
            j += 1
        if j > i:
            out.append(cells[i].replace("<table:table-cell",
                                        '<table:table-cell table:number-columns-repeated="%d"'
                                        % (j - i + 1), 1))
        else:
            out.append(cells[i])
        i = j + 1
    return '<table:table-row table:style-name="ro1">%s</table:table-row>' % "".join(out)


def main():
    source, target = sys.argv[1], sys.argv[2]
    with open(source, newline="", encoding="utf-8") as f, \
            zipfile.ZipFile(target, "w", zipfile.ZIP_DEFLATED, compresslevel=6) as package:
        package.writestr(zipfile.ZipInfo("mimetype"), MIMETYPE, compress_type=zipfile.ZIP_STORED)
        with package.open("content.xml", "w", force_zip64=True) as content:
            content.write(HEAD.encode())
            batch = []
            cells = 0
            for number, fields in enumerate(csv.reader(f)):
                cells += sum(1 for field in fields if field)
                batch.append(row(fields, number == 0))
                if len(batch) == 4096:
                    content.write("".join(batch).encode())
                    batch = []
            content.write(("".join(batch) + TAIL).encode())
        package.writestr("styles.xml", STYLES)
        package.writestr("meta.xml", META % cells)
        package.writestr("META-INF/manifest.xml", MANIFEST)


if __name__ == "__main__":
    main()
