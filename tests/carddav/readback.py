#!/usr/bin/python3
"""Every card sent reads back from the server with the same properties, values and kinds.

Usage: readback.py BOOK_URL USER FOLDER
FOLDER holds the cards as sent, "<uid>.vcf"; each is fetched with GET from BOOK_URL<uid>.vcf
(the password comes from QUILLMERE_PASSWORD) and both are compared property by property
through python3-vobject. Fails (never skips) when python3-vobject is missing.
"""
import base64
import os
import sys
import urllib.parse
import urllib.request

try:
    import vobject
except ImportError:
    sys.exit("python3-vobject is missing: install it with tools/install-deps")


def properties(text):
    card = vobject.readOne(text)
    found = []
    for line in card.getChildren():
        params = {k.upper(): sorted(v.upper() if k.upper() == "TYPE" else v for v in vs)
                  for k, vs in line.params.items()}
        for single in getattr(line, "singletonparams", []):
            params.setdefault("TYPE", []).append(single.upper())
        found.append((line.name.upper(), str(line.value), sorted(params.items())))
    return sorted(found)


def main():
    book, user, folder = sys.argv[1:4]
    auth = base64.b64encode(f"{user}:{os.environ['QUILLMERE_PASSWORD']}".encode()).decode()
    names = sorted(os.listdir(folder))
    failures = []
    for name in names:
        with open(os.path.join(folder, name), encoding="utf-8", newline="") as f:
            sent = f.read()
        request = urllib.request.Request(book + urllib.parse.quote(name),
                                         headers={"Authorization": "Basic " + auth})
        with urllib.request.urlopen(request, timeout=30) as answer:
            stored = answer.read().decode("utf-8")
        want, got = properties(sent), properties(stored)
        if want != got:
            failures.append(f"{name}: sent {want}\n  server has {got}")
    if failures:
        sys.exit(f"{len(failures)} of {len(names)} cards differ:\n" + "\n".join(failures[:5]))
    print(f"{len(names)} cards read back equal")


main()
