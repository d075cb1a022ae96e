#!/usr/bin/python3
"""Records made from awkward values must come back intact through a real vCard parser.

Usage: vobject_roundtrip.py PATH_TO_RECORDTEXT
3.0 and 4.0 are read by python3-vobject, their URLs as their lines hold them (vobject takes a
URL for a list of texts); 2.1 by Android's rules, which vobject, a 3.0 parser, does not follow.
Fails (never skips) when python3-vobject is missing.
"""
import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import android21  # noqa: E402

try:
    import vobject
except ImportError:
    sys.exit("python3-vobject is missing: install it with tools/install-deps")

EDGE_VALUES = {
    "plain": "John",
    "semicolon": "Smith;Jones",
    "comma": "Smith, Jones",
    "backslash": "C:\\Users\\ann",
    "trailing backslash": "ends with \\",
    "lf": "line one\nline two",
    "crlf": "line one\r\nline two",
    "lone cr": "line one\rline two",
    "blank lines": "a\n\nb",
    "equals": "x=y =41",
    "umlaut": "Müller",
    "polish": "Łódź",
    "cjk": "日本",
    "emoji": "snow ☃ and 🍣",
    "forged end": "x\nEND:VCARD\nBEGIN:VCARD",
    "mixed": "Met at the fair, booth 5;\nRoom 2 \\ Łódź = 日本",
    "spaces inside": "a  b",
    "colon": "key: value",
}

TEXT_FIELDS = [
    "FirstName", "LastName", "MiddleName", "FullName", "Company", "Department", "JobTitle",
    "BusinessTelephoneNumber", "HomeTelephoneNumber", "MobileNumber", "BusinessFaxNumber",
    "BusinessAddressStreet", "BusinessAddressCity", "BusinessAddressState",
    "BusinessAddressPostalCode", "BusinessAddressCountry", "HomeAddressStreet",
    "HomeAddressCity", "HomeAddressState", "HomeAddressPostalCode", "HomeAddressCountry",
    "BusinessHomePage", "EmailAddress", "EmailAddress2", "EmailAddress3", "Notes",
]


def escape(text):
    return (text.replace("\\", "\\\\").replace("\t", "\\t")
            .replace("\n", "\\n").replace("\r", "\\r"))


def breaks(text):
    """One line break is one break whatever its form, so compare them as LF."""
    return text.replace("\r\n", "\n").replace("\r", "\n")


def record(tool, version, values):
    lines = "".join(f"{field}\t{escape(value)}\n" for field, value in values.items())
    done = subprocess.run([tool, version], input=lines.encode("utf-8"),
                          capture_output=True, check=True)
    return done.stdout.decode("utf-8")


def parsed_fields21(card):
    """The contact's values by catalogue field, as Android's library reads a 2.1 card."""
    got, emails = {}, []
    tel_kinds = {("VOICE", "WORK"): "BusinessTelephoneNumber",
                 ("HOME", "VOICE"): "HomeTelephoneNumber", ("CELL", "VOICE"): "MobileNumber",
                 ("FAX", "WORK"): "BusinessFaxNumber"}
    for name, types, parts in card:
        if name == "N":
            got["LastName"], got["FirstName"], got["MiddleName"] = parts
        elif name == "ORG":
            got["Company"], got["Department"] = parts
        elif name == "TEL":
            got[tel_kinds[types]] = parts[0]
        elif name == "ADR":
            prefix = "Business" if types == ("WORK",) else "Home"
            for field, value in zip(("Street", "City", "State", "PostalCode", "Country"),
                                    parts[2:]):
                got[prefix + "Address" + field] = value
        elif name == "EMAIL":
            emails.append(parts[0])
        elif name == "VERSION":
            got["_version"] = parts[0]
        else:
            field = {"FN": "FullName", "TITLE": "JobTitle", "URL": "BusinessHomePage",
                     "NOTE": "Notes"}[name]
            got[field] = parts[0]
    got["EmailAddress"], got["EmailAddress2"], got["EmailAddress3"] = emails
    return got


def parsed_fields(card, text):
    """The contact's values by catalogue field, as the parser reads them."""
    got = {}
    n = card.n.value
    got["LastName"], got["FirstName"], got["MiddleName"] = n.family, n.given, n.additional
    got["FullName"] = card.fn.value
    org = card.org.value
    got["Company"], got["Department"] = org[0], org[1]
    got["JobTitle"] = card.title.value
    tel_kinds = {("WORK", "VOICE"): "BusinessTelephoneNumber", ("HOME", "VOICE"): "HomeTelephoneNumber",
                 ("CELL", "VOICE"): "MobileNumber", ("WORK", "FAX"): "BusinessFaxNumber"}
    for tel in card.contents["tel"]:
        got[tel_kinds[tuple(tel.singletonparams)]] = tel.value
    for adr in card.contents["adr"]:
        prefix = "Business" if adr.singletonparams == ["WORK"] else "Home"
        a = adr.value
        got[prefix + "AddressStreet"] = a.street
        got[prefix + "AddressCity"] = a.city
        got[prefix + "AddressState"] = a.region
        got[prefix + "AddressPostalCode"] = a.code
        got[prefix + "AddressCountry"] = a.country
        if a.box or a.extended:
            raise AssertionError("post office box or extended address is not empty")
    # A URI spells only its line breaks.
    got["BusinessHomePage"] = next(v for h, v in android21.raw_lines(text)
                                   if h == "URL").replace("\\n", "\n")
    emails = card.contents["email"]
    got["EmailAddress"], got["EmailAddress2"], got["EmailAddress3"] = (e.value for e in emails)
    got["Notes"] = card.note.value
    return got


def check(tool, version, label, value, failures):
    values = {field: value for field in TEXT_FIELDS}
    text = record(tool, version, values)
    for line in text.split("\r\n"):
        if line != line.strip("\r\n"):
            failures.append(f"{version} {label}: a raw line break inside a line")
    try:
        if version == "2.1":
            cards = android21.read_cards(text)
            if len(cards) != 1:
                raise AssertionError(f"{len(cards)} cards instead of 1")
            got = parsed_fields21(cards[0])
            if got.pop("_version") != version:
                failures.append(f"{version} {label}: VERSION is not {version}")
        else:
            cards = list(vobject.readComponents(text))
            if len(cards) != 1:
                raise AssertionError(f"{len(cards)} cards instead of 1")
            got = parsed_fields(cards[0], text)
            if cards[0].version.value != version:
                failures.append(f"{version} {label}: VERSION read as {cards[0].version.value!r}")
    except Exception as error:  # a parse failure is a finding, not a crash of the test
        failures.append(f"{version} {label}: parser failed: {error!r}\n{text}")
        return
    for field in TEXT_FIELDS:
        if breaks(got.get(field, "<missing>")) != breaks(value):
            failures.append(f"{version} {label}: {field} read as {got.get(field)!r}, "
                            f"written {value!r}")

    # The display name made from the parts keeps each part intact around its space.
    del values["FullName"]
    again = record(tool, version, values)
    fn = (parsed_fields21(android21.read_cards(again)[0])["FullName"] if version == "2.1"
          else vobject.readOne(again).fn.value)
    if breaks(fn) != breaks(value + " " + value):
        failures.append(f"{version} {label}: FN from the parts read as {fn!r}")


def main():
    tool = sys.argv[1]
    failures = []
    cases = 0
    for version in ("2.1", "3.0", "4.0"):
        for label, value in EDGE_VALUES.items():
            # 2.1 has no escape for a backslash: one that ends a component before its ";"
            # reads as an escaped semicolon, and the run's read-back reports that row.
            if version == "2.1" and value.endswith("\\"):
                continue
            check(tool, version, label, value, failures)
            cases += 1
    for failure in failures:
        print("FAIL:", failure)
    print(f"{cases - len({f.split(':')[0] for f in failures})} passed, "
          f"{len({f.split(':')[0] for f in failures})} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
