#!/usr/bin/python3
"""Reads every cell of an .ods file's first sheet with pandas' odf reader (pandas.read_excel,
engine "odf", which builds on odfpy); prints the rows and cells it read.
usage: pandas_odf_read.py SHEET.ods"""
import sys

import pandas as pd

frame = pd.read_excel(sys.argv[1], engine="odf", sheet_name=0, header=None, dtype=str,
                      keep_default_na=False)
cells = int((frame != "").to_numpy().sum())
print("rows=%d cells=%d" % (len(frame), cells))
