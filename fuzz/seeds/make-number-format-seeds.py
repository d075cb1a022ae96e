#!/usr/bin/env python3
"""Writes the number-format fuzz target's seeds: eight bytes of a number, one byte for the
date system, then a format code, for the kinds of code the formatter reads."""
import os
import struct

HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "number_format")
SEEDS = {
    "leading-zeros": (1234.0, 0, "00000"),
    "phone-mask": (5551234567.0, 0, "(###) ###-####"),
    "thousands-decimals": (-1234567.891, 0, "#,##0.00;[Red](#,##0.00)"),
    "percent": (0.1234, 0, "0.0%"),
    "exponent": (12345.678, 0, "0.00E+00"),
    "fraction": (3.375, 0, "# ?/8"),
    "date-1900": (31119.0, 0, "dddd, mmmm d, yyyy"),
    "date-1904": (31119.5, 1, "yy-mm-dd h:mm AM/PM"),
    "elapsed": (1.5625, 0, "[h]:mm:ss.00"),
    "sections-text": (0.0, 0, '0;-0;"zero";@" text"'),
    "condition-currency": (150.0, 0, '[>100][$€-407]#,##0;[Color10]0'),
    "general": (0.5, 0, "General"),
}

os.makedirs(HERE, exist_ok=True)
for name, (value, system, code) in SEEDS.items():
    with open(os.path.join(HERE, name), "wb") as out:
        out.write(struct.pack("<d", value) + bytes([system]) + code.encode("utf-8"))
