#!/usr/bin/python3
"""Contacts workbook -> one vCard 3.0 file, with pandas.read_excel.
usage: pandas_convert.py WORKBOOK.xlsx OUT.vcf"""
import sys

import pandas as pd

from vcard import record

frame = pd.read_excel(sys.argv[1], sheet_name=0, dtype=str, keep_default_na=False)
with open(sys.argv[2], "w", encoding="utf-8", newline="") as out:
    for row in frame.itertuples(index=False):
        out.write(record(row))
