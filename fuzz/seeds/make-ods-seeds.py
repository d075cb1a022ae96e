#!/usr/bin/python3
"""Writes the seeds of the ods fuzz target into ods/: small content parts, each behind one byte
that picks the chunk size and the table the target reads, with the markup the reader handles
(value types, repeats, covered cells, paragraphs and their white space, comments and drawings,
several tables, hidden ones) and some it refuses. The shared OpenDocument corpus is read in
place. Run it again after changing it; the output is the same bytes every time.
"""
import os

HERE = os.path.dirname(os.path.abspath(__file__))

NAMESPACES = (
    'xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" '
    'xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0" '
    'xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" '
    'xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" '
    'xmlns:draw="urn:oasis:names:tc:opendocument:xmlns:drawing:1.0" '
    'xmlns:calcext="urn:org:documentfoundation:names:experimental:calc:xmlns:calcext:1.0"')


def content(tables, styles="", root="office:document-content"):
    return ('<?xml version="1.0" encoding="UTF-8"?>\n<%s %s office:version="1.3">'
            '<office:automatic-styles>%s</office:automatic-styles><office:body>'
            '<office:spreadsheet>%s</office:spreadsheet></office:body></%s>'
            % (root, NAMESPACES, styles, tables, root))


def table(name, rows, style="ta1"):
    return '<table:table table:name="%s" table:style-name="%s">%s</table:table>' % (
        name, style, rows)


def row(cells, repeat=None):
    extra = ' table:number-rows-repeated="%d"' % repeat if repeat else ""
    return "<table:table-row%s>%s</table:table-row>" % (extra, cells)


def cell(attributes, paragraphs="", tag="table:table-cell"):
    return "<%s %s>%s</%s>" % (tag, attributes, paragraphs, tag)


HIDDEN = ('<style:style style:name="ta2" style:family="table"><style:table-properties '
          'table:display="false"/></style:style>')

TYPES = row(
    cell('office:value-type="float" office:value="1234.5"', "<text:p>1 234,50</text:p>")
    + cell('office:value-type="date" office:date-value="2021-01-01T10:10:10"',
           "<text:p>01/01/21</text:p>")
    + cell('office:value-type="time" office:time-value="-PT12H30M00.5S"', "<text:p>x</text:p>")
    + cell('office:value-type="percentage" office:value="0.25"', "<text:p>25%</text:p>")
    + cell('office:value-type="currency" office:currency="EUR" office:value="-3"',
           "<text:p>-3 EUR</text:p>")
    + cell('office:value-type="boolean" office:boolean-value="true"', "<text:p>TRUE</text:p>")
    + cell('office:value-type="string" office:string-value="" calcext:value-type="error"',
           "<text:p>#N/A</text:p>")
    + cell('office:value-type="string" office:string-value="stored"', "<text:p>shown</text:p>")
    + cell('table:formula="of:=NOW()"')
    + cell('office:value-type="float" office:value="not a number"', "<text:p>7</text:p>"))

TEXT = row(
    cell('office:value-type="string"',
         "<text:p> lead<text:s/>s <text:s text:c=\"3\"/> two  \n spaced </text:p><text:p/>"
         "<text:h>a<text:tab/>b<text:line-break/>c</text:h>")
    + cell('office:value-type="string"',
           '<office:annotation><text:p>comment</text:p></office:annotation>'
           '<text:p>ri<text:span>ch <text:a xlink:href="x">link</text:a></text:span>'
           '<text:note><text:note-body><text:p>note</text:p></text:note-body></text:note>'
           '<draw:frame><draw:text-box><text:p>drawn</text:p></draw:text-box></draw:frame>'
           '</text:p>'))

REPEATS = (row(cell('table:number-columns-repeated="2"')
               + cell('table:number-columns-repeated="3" office:value-type="float" '
                      'office:value="7"', "<text:p>7</text:p>")
               + cell('table:number-columns-repeated="16379"'), repeat=3)
           + row(cell('table:number-columns-spanned="2" office:value-type="string"',
                      "<text:p>merged</text:p>")
                 + cell('office:value-type="string"', "<text:p>hidden</text:p>",
                        tag="table:covered-table-cell"))
           + row(cell('table:number-columns-repeated="16384"'), repeat=1048570))

GROUPS = ('<table:table-header-rows>' + row(cell('office:value-type="string"', "<text:p>h</text:p>"))
          + '</table:table-header-rows><table:table-row-group><table:table-rows>'
          + row(cell('office:value-type="float" office:value="1"'))
          + '</table:table-rows></table:table-row-group>')

SEEDS = {
    "value-types": (0, content(table("Types", TYPES))),
    "paragraphs": (3, content(table("Text", TEXT))),
    "repeats-and-merges": (17, content(table("Repeats", REPEATS))),
    "row-groups": (40, content(table("Groups", GROUPS))),
    "second-table-hidden-first": (64 + 5, content(
        table("Hidden", row(cell('office:value-type="string"', "<text:p>one</text:p>")), "ta2")
        + table("Second", TYPES), HIDDEN)),
    "flat-document": (64, content(table("Flat", TYPES), root="office:document")),
    "past-the-last-row": (9, content(table("Late", row(cell(""), repeat=1048576) + row(
        cell('office:value-type="string"', "<text:p>x</text:p>"))))),
    "text-document": (2, content("").replace("office:spreadsheet>", "office:text>")),
}


def main():
    folder = os.path.join(HERE, "ods")
    os.makedirs(folder, exist_ok=True)
    for name, (first, xml) in sorted(SEEDS.items()):
        with open(os.path.join(folder, name), "wb") as f:
            f.write(bytes([first]) + xml.encode("utf-8"))


if __name__ == "__main__":
    main()
