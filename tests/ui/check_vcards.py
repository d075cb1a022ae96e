#!/usr/bin/python3
"""Reads back every vCard file a conversion wrote and compares each contact's values.

Usage: check_vcards.py FOLDER EXPECTED.json
FOLDER holds either "All Contacts.vcf" or one file per contact ending in _N.vcf or N.vcf;
EXPECTED.json lists the contacts in order, each a map of field name to value. A field a
contact does not list must not be in its card. Dates compare as days, whichever form the
version writes them in; categories as a list. Fails (never skips) without python3-vobject.
"""
import json
import os
import re
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import android21  # noqa: E402

try:
    import vobject
except ImportError:
    sys.exit("python3-vobject is missing: install it with tools/install-deps")

TELS = {("WORK", "VOICE"): "BusinessTelephoneNumber", ("HOME", "VOICE"): "HomeTelephoneNumber",
        ("CELL", "VOICE"): "MobileNumber", ("WORK", "FAX"): "BusinessFaxNumber",
        ("VOICE",): "OtherTelephoneNumber", ("PAGER",): "PagerNumber"}
# The More Fields' properties, by version where their names differ.
TEXTS = {"nickname": "Nickname", "x-nickname": "Nickname"}
DATES = {"bday": "Birthday", "anniversary": "Anniversary", "x-anniversary": "Anniversary"}
ADDRESS = [("street", "AddressStreet"), ("city", "AddressCity"), ("region", "AddressState"),
           ("code", "AddressPostalCode"), ("country", "AddressCountry")]


def fields(card, raw):
    """A 3.0 or 4.0 card as vobject reads it; its URLs as their lines hold them."""
    got = {}
    if "n" in card.contents:
        n = card.n.value
        got.update(LastName=n.family, FirstName=n.given, MiddleName=n.additional)
    got["FullName"] = card.fn.value
    if "org" in card.contents:
        org = card.org.value
        got["Company"] = org[0]
        got["Department"] = org[1] if len(org) > 1 else ""
    if "title" in card.contents:
        got["JobTitle"] = card.title.value
    for tel in card.contents.get("tel", []):
        got[TELS[tuple(tel.singletonparams)]] = tel.value
    for adr in card.contents.get("adr", []):
        prefix = "Business" if adr.singletonparams == ["WORK"] else "Home"
        for attribute, field in ADDRESS:
            got[prefix + field] = getattr(adr.value, attribute)
    for head, value in android21.raw_lines(raw):
        if head.split(";")[0] == "URL":
            got["PersonalHomePage" if head.endswith(";HOME") else "BusinessHomePage"] = value
    for name, field in TEXTS.items():
        for line in card.contents.get(name, []):
            got[field] = line.value
    for name, field in DATES.items():
        for line in card.contents.get(name, []):
            got[field] = iso_date(line.value)
    for line in card.contents.get("categories", []):
        got["Categories"] = line.value
    for name, email in zip(("EmailAddress", "EmailAddress2", "EmailAddress3"),
                           card.contents.get("email", [])):
        got[name] = email.value
    if "note" in card.contents:
        got["Notes"] = card.note.value
    return got


def fields21(card):
    """A 2.1 card as Android's library reads it."""
    got = {}
    emails = []
    for name, types, parts in card:
        if name == "N":
            got.update(zip(("LastName", "FirstName", "MiddleName"), parts))
        elif name == "FN":
            got["FullName"] = parts[0]
        elif name == "ORG":
            got["Company"], got["Department"] = parts[0], parts[1] if len(parts) > 1 else ""
        elif name == "TITLE":
            got["JobTitle"] = parts[0]
        elif name == "TEL":
            got[TELS[tuple(t for t in ("WORK", "HOME", "CELL", "VOICE", "FAX", "PAGER")
                           if t in types)]] = parts[0]
        elif name == "ADR":
            prefix = "Business" if types == ("WORK",) else "Home"
            for (_, field), value in zip(ADDRESS, parts[2:]):
                got[prefix + field] = value
        elif name == "URL":
            got["PersonalHomePage" if types == ("HOME",) else "BusinessHomePage"] = parts[0]
        elif name.lower() in TEXTS:
            got[TEXTS[name.lower()]] = parts[0]
        elif name.lower() in DATES:
            got[DATES[name.lower()]] = iso_date(parts[0])
        elif name == "CATEGORIES":
            got["Categories"] = parts
        elif name == "EMAIL":
            emails.append(parts[0])
        elif name == "NOTE":
            got["Notes"] = parts[0]
    got.update(zip(("EmailAddress", "EmailAddress2", "EmailAddress3"), emails))
    return got


def iso_date(text):
    """1985-03-13 or --03-13 from any form a version writes: 19850313, --0313."""
    found = re.fullmatch(r"(\d{4}|--)-?(\d\d)-?(\d\d)", text)
    if not found:
        raise AssertionError(f"{text!r} is no date")
    year, month, day = found.groups()
    return f"{year}-{month}-{day}" if year != "--" else f"--{month}-{day}"


def cards_in(folder):
    names = os.listdir(folder)
    if names == ["All Contacts.vcf"]:
        paths = [os.path.join(folder, names[0])]
    else:
        def number(name):
            found = re.search(r"(?:^|_)(\d+)\.vcf$", name)
            if not found:
                raise AssertionError(f"{name} is not named for a contact")
            return int(found.group(1))
        paths = [os.path.join(folder, n) for n in sorted(names, key=number)]
    cards = []
    for path in paths:
        with open(path, encoding="utf-8", newline="") as f:
            text = f.read()
        raws = [c + "END:VCARD\r\n" for c in text.split("END:VCARD\r\n") if c.strip()]
        if len(paths) > 1 and len(raws) != 1:
            raise AssertionError(f"{path} holds {len(raws)} cards")
        # 2.1 is read by its own rules, which vobject, a 3.0 parser, does not follow.
        for raw in raws:
            if "\r\nVERSION:2.1\r\n" in raw:
                cards.append(fields21(android21.read_cards(raw)[0]))
            else:
                cards.append(fields(vobject.readOne(raw), raw))
    return cards


def breaks(text):
    return text.replace("\r\n", "\n").replace("\r", "\n")


def main():
    folder, expected_file = sys.argv[1], sys.argv[2]
    with open(expected_file, encoding="utf-8") as f:
        expected = json.load(f)
    cards = cards_in(folder)
    failures = []
    if len(cards) != len(expected):
        failures.append(f"{len(cards)} cards read back, {len(expected)} expected")
    for number, (card, want) in enumerate(zip(cards, expected), start=1):
        got = card
        for field in sorted(set(got) | set(want)):
            if field in ("MiddleName", "Department") and got.get(field) == "" and field not in want:
                continue
            if field.startswith("HomeAddress") and got.get(field) == "" and field not in want:
                continue
            if isinstance(want.get(field), list) or isinstance(got.get(field), list):
                if got.get(field) != want.get(field):
                    failures.append(f"contact {number}: {field} read back as {got.get(field)!r}, "
                                    f"expected {want.get(field)!r}")
            elif breaks(got.get(field, "<missing>")) != breaks(want.get(field, "<missing>")):
                failures.append(f"contact {number}: {field} read back as {got.get(field)!r}, "
                                f"expected {want.get(field)!r}")
    for failure in failures:
        print("FAIL:", failure)
    print(f"{len(cards)} cards read back from {folder}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
