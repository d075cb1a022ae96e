#!/usr/bin/python3
"""Contacts .csv -> one vCard 3.0 file, with the csv module.
usage: csv_convert.py CONTACTS.csv OUT.vcf"""
import csv
import sys

from vcard import record

with open(sys.argv[1], newline="", encoding="utf-8") as source, \
        open(sys.argv[2], "w", encoding="utf-8", newline="") as out:
    rows = csv.reader(source)
    next(rows)  # the header row
    for row in rows:
        out.write(record(row))
