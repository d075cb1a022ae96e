#!/usr/bin/python3
"""Contacts workbook (.xls) -> one vCard 3.0 file, with xlrd.
usage: xlrd_convert.py WORKBOOK.xls OUT.vcf"""
import sys

import xlrd

from vcard import record

sheet = xlrd.open_workbook(sys.argv[1], on_demand=True).sheet_by_index(0)
with open(sys.argv[2], "w", encoding="utf-8", newline="") as out:
    for index in range(1, sheet.nrows):
        out.write(record(sheet.row_values(index)))
