#!/usr/bin/python3
"""Reads every cell of an .ods file's first sheet with odfpy (python3-odf): the stored value of
a number, the text of any other cell, repeats expanded; prints the rows and cells it read.
usage: odfpy_read.py SHEET.ods"""
import sys

from odf import teletype
from odf.namespaces import OFFICENS, TABLENS
from odf.opendocument import load
from odf.table import Table

VALUE_TYPE = (OFFICENS, "value-type")
VALUE = (OFFICENS, "value")
ROWS_REPEATED = (TABLENS, "number-rows-repeated")
COLUMNS_REPEATED = (TABLENS, "number-columns-repeated")

table = load(sys.argv[1]).spreadsheet.getElementsByType(Table)[0]
rows = cells = 0
for row in table.childNodes:
    if row.qname != (TABLENS, "table-row"):
        continue
    values = []
    for cell in row.childNodes:
        if cell.qname != (TABLENS, "table-cell"):
            continue
        if cell.attributes.get(VALUE_TYPE) in ("float", "percentage", "currency"):
            text = cell.attributes.get(VALUE)
        else:
            text = teletype.extractText(cell)
        values += [text] * int(cell.attributes.get(COLUMNS_REPEATED, 1))
    while values and not values[-1]:
        values.pop()
    if values:
        # Trailing padding rows repeat empty cells; rows with values repeat them.
        times = int(row.attributes.get(ROWS_REPEATED, 1))
        rows += times
        cells += times * sum(1 for v in values if v)
print("rows=%d cells=%d" % (rows, cells))
