#!/usr/bin/env python3
"""Writes the column-mapping fuzz target's seeds: a header count, then steps, each a byte
whose low three bits pick the action (0 choose header, 1 choose field, 2-3 Add, 4 select
entry, 5 Remove, 6 clear, 7 refill) and whose upper five bits give the index."""
import os

HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "column_mapping")


def step(action, index=0):
    return bytes([(index << 3) | action])


def pair(header, field):
    return step(0, header) + step(1, field) + step(2)


SEEDS = {
    "pair-every-header": bytes([8]) + b"".join(pair(0, 0) for _ in range(8)),
    "add-without-choices": bytes([5]) + step(2) + step(0, 1) + step(2) + step(1, 3) + step(2),
    "remove-and-readd": bytes([6]) + pair(1, 3) + pair(0, 0) + step(4, 0) + step(5) +
                        pair(3, 29) + step(4, 31) + step(5),
    "clear-then-refill": bytes([12]) + pair(2, 2) + pair(4, 7) + step(6) + pair(0, 1) + step(7),
    "more-headers-than-fields": bytes([40]) + b"".join(pair(0, 0) for _ in range(32)),
    "no-headers": bytes([0]) + step(0, 0) + step(1, 0) + step(2) + step(5),
}

os.makedirs(HERE, exist_ok=True)
for name, data in SEEDS.items():
    with open(os.path.join(HERE, name), "wb") as out:
        out.write(data)
