#!/usr/bin/python3
"""Contacts workbook -> one vCard 3.0 file, with openpyxl in read-only mode.
usage: openpyxl_convert.py WORKBOOK.xlsx OUT.vcf"""
import sys

from openpyxl import load_workbook

from vcard import record

workbook = load_workbook(sys.argv[1], read_only=True, data_only=True)
rows = workbook.worksheets[0].iter_rows(values_only=True)
next(rows)  # the header row
with open(sys.argv[2], "w", encoding="utf-8", newline="") as out:
    for row in rows:
        if any(value is not None for value in row):
            out.write(record(row))
