#!/usr/bin/python3
"""Each destination's cards land whole where they are imported.

Usage: destinations.py PATH_TO_QUILLMERE_CONVERT

Converts 40 awkward contacts (Latin, Cyrillic, Greek, CJK, Arabic and Hebrew names; notes with
line breaks, commas, semicolons and backslashes; several phones, e-mails and addresses) for
every destination, reads the files back with python3-vobject (3.0 and 4.0) or with Android's
rules for 2.1, uploads the CardDAV choice's cards one by one to a real Radicale on 127.0.0.1
and reads them back from it, and checks every value and kind, the UIDs and each destination's
documented limits. Fails (never skips) when python3-vobject or radicale is missing.
"""
import csv
import glob
import os
import re
import socket
import subprocess
import sys
import tempfile
import time
import urllib.request

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
import android21  # noqa: E402

try:
    import vobject
except ImportError:
    sys.exit("python3-vobject is missing: install it with tools/install-deps")

COLUMNS = [
    "Title", "FirstName", "MiddleName", "LastName", "Company", "Department", "JobTitle",
    "BusinessTelephoneNumber", "HomeTelephoneNumber", "MobileNumber", "BusinessFaxNumber",
    "HomeFaxNumber", "BusinessAddressStreet", "BusinessAddressCity", "BusinessAddressCountry",
    "BusinessAddress", "HomeAddressStreet", "HomeAddressCity", "HomeAddressPostalCode",
    "HomeAddress", "BusinessHomePage", "EmailAddress", "EmailAddress2", "Notes",
]
NAMES = [("Anna", "Müller"), ("Иван", "Петров"), ("Γιώργος", "Παπαδόπουλος"), ("太郎", "山田"),
         ("محمد", "العلي"), ("דוד", "כהן"), ("John", "Smith, Jr."), ("Zoë", "O'Brien; PhD"),
         ("Łukasz", "Żółć"), ("", "")]
NOTES = ["Met at the fair, booth 5;\nRoom 2", "C:\\Users\\ann\\new", "a; b, c \\ d",
         "line one\r\nline two\r\n\r\nend", "plain", "ends with \\", "equals = sign =41", ""]


def contacts():
    rows = []
    for i in range(40):
        first, last = NAMES[i % len(NAMES)]
        row = {c: "" for c in COLUMNS}
        row.update(FirstName=first, LastName=last, Title="Dr." if i % 3 == 0 else "",
                   MiddleName="Q." if i % 4 == 0 else "", Company=f"Firma {i}, GmbH & Co; KG",
                   Department="R&D" if i % 2 else "", JobTitle=f"Lead, team {i}",
                   BusinessTelephoneNumber=f"+49 30 {1000 + i}", MobileNumber=f"0151 {2000 + i}",
                   HomeFaxNumber=f"030 {3000 + i}" if i % 5 == 0 else "",
                   BusinessAddressStreet=f"{i} Main St" if i % 2 else "",
                   BusinessAddressCity="Köln", BusinessAddressCountry="Deutschland",
                   BusinessAddress=f"{i} Main St\nKöln" if i % 2 else "",
                   HomeAddress=f"Hauptstr. {i}\n10115 Berlin" if i % 3 else "",
                   HomeAddressCity="Berlin" if i % 3 else "",
                   HomeAddressPostalCode="01067" if i % 7 == 0 else "",
                   BusinessHomePage=f"https://example.com/p?q=a,b;c&i={i}",
                   EmailAddress=f"person{i}@example.org",
                   EmailAddress2=f"second.{i}@example.org" if i % 2 else "",
                   Notes=NOTES[i % len(NOTES)])
        rows.append(row)
    return rows


def breaks(text):
    return text.replace("\r\n", "\n").replace("\r", "\n")


def expected_fields(row):
    """What a reader must find of a row in the destination's standard forms."""
    want = {c: breaks(row[c]) for c in COLUMNS if row[c]}
    for kind in ("Business", "Home"):
        whole = want.pop(kind + "Address", None)
        if whole is None:
            continue
        if kind + "AddressStreet" in want:
            want[kind + "Label"] = whole
        else:
            want[kind + "AddressStreet"] = whole
    names = " ".join(p for p in (row["FirstName"], row["LastName"]) if p)
    want["FN"] = names or row["Company"]
    return want


TEL_KINDS = {("VOICE", "WORK"): "BusinessTelephoneNumber", ("HOME", "VOICE"): "HomeTelephoneNumber",
             ("CELL", "VOICE"): "MobileNumber", ("FAX", "WORK"): "BusinessFaxNumber",
             ("FAX", "HOME"): "HomeFaxNumber"}
ADR_PARTS = {"street": "AddressStreet", "city": "AddressCity", "code": "AddressPostalCode",
             "country": "AddressCountry", "region": "AddressState"}


def kinds(prop):
    found = []
    for name, values in prop.params.items():
        if name == "TYPE":
            found += [v.upper() for v in values]
    found += [v.upper() for v in getattr(prop, "singletonparams", [])]
    return tuple(sorted(set(found)))


def fields_of_vobject(card, raw):
    got = {}
    n = card.n.value
    for key, value in (("LastName", n.family), ("FirstName", n.given), ("MiddleName", n.additional),
                       ("Title", n.prefix)):
        if value:
            got[key] = value
    got["FN"] = card.fn.value
    org = card.org.value
    got["Company"] = org[0]
    if len(org) > 1 and org[1]:
        got["Department"] = org[1]
    got["JobTitle"] = card.title.value
    for tel in card.contents.get("tel", []):
        got[TEL_KINDS[tuple(k for k in kinds(tel) if k != "PREF")]] = tel.value
    for adr in card.contents.get("adr", []):
        prefix = "Business" if "WORK" in kinds(adr) else "Home"
        for attr, field in ADR_PARTS.items():
            if getattr(adr.value, attr):
                got[prefix + field] = getattr(adr.value, attr)
        if "LABEL" in adr.params:
            got[prefix + "Label"] = adr.params["LABEL"][0].replace("^n", "\n")
    for label in card.contents.get("label", []):
        got[("Business" if "WORK" in kinds(label) else "Home") + "Label"] = label.value
    # vobject takes any text for a list and keeps its first item; a URL is no text, so its
    # value is read as the line holds it.
    got["BusinessHomePage"] = re.search(r"\r\nURL[^:]*:([^\r]*)\r\n",
                                        raw.replace("\r\n ", "")).group(1)
    emails = card.contents.get("email", [])
    for email in emails:
        pref = "PREF" in kinds(email) or email.params.get("PREF") == ["1"]
        got["EmailAddress" if pref else "EmailAddress2"] = email.value
    if "note" in card.contents:
        got["Notes"] = card.note.value
    got["_uid"] = card.uid.value
    return {k: breaks(v) if isinstance(v, str) else v for k, v in got.items()}


def fields_of_android21(card):
    got = {}
    for name, types, parts in card:
        if name == "N":
            for key, value in zip(("LastName", "FirstName", "MiddleName", "Title"), parts):
                if value:
                    got[key] = value
        elif name == "FN":
            got["FN"] = parts[0]
        elif name == "ORG":
            got["Company"] = parts[0]
            if len(parts) > 1 and parts[1]:
                got["Department"] = parts[1]
        elif name == "TITLE":
            got["JobTitle"] = parts[0]
        elif name == "TEL":
            got[TEL_KINDS[types]] = parts[0]
        elif name == "ADR":
            prefix = "Business" if "WORK" in types else "Home"
            for field, value in zip(("AddressStreet", "AddressCity", "AddressState",
                                     "AddressPostalCode", "AddressCountry"), parts[2:]):
                if value:
                    got[prefix + field] = value
        elif name == "LABEL":
            got[("Business" if "WORK" in types else "Home") + "Label"] = parts[0]
        elif name == "URL":
            got["BusinessHomePage"] = parts[0]
        elif name == "EMAIL":
            got["EmailAddress" if "PREF" in types else "EmailAddress2"] = parts[0]
        elif name == "NOTE":
            got["Notes"] = parts[0]
        elif name == "UID":
            got["_uid"] = parts[0]
    return got


def convert(tool, workbook, work, label, args):
    out = os.path.join(work, label)
    os.mkdir(out)
    pairs = [f"{chr(ord('A') + i)}={c}" for i, c in enumerate(COLUMNS)]
    done = subprocess.run([tool, *args, workbook, out, *pairs], capture_output=True, text=True)
    if done.returncode != 0:
        raise AssertionError(f"{label}: exit {done.returncode}: {done.stdout}{done.stderr}")
    files = sorted(glob.glob(os.path.join(out, "Quillmere_*", "*.vcf")))
    return {os.path.basename(f): open(f, encoding="utf-8", newline="").read() for f in files}


def split_cards(text):
    return [c + "END:VCARD\r\n" for c in text.split("END:VCARD\r\n") if c.strip()]


def compare(label, rows, cards, failures, uri_commas=False):
    if len(cards) != len(rows):
        failures.append(f"{label}: {len(cards)} cards for {len(rows)} rows")
        return
    uids = set()
    for number, (row, got) in enumerate(zip(rows, cards), start=2):
        uids.add(got.pop("_uid", None))
        want = expected_fields(row)
        if uri_commas:
            want["BusinessHomePage"] = (want["BusinessHomePage"].replace(",", "%2C")
                                        .replace(";", "%3B"))
        for key in sorted(set(want) | set(got)):
            if want.get(key) != got.get(key):
                failures.append(f"{label} row {number}: {key} read as {got.get(key)!r}, "
                                f"the sheet has {want.get(key)!r}")
    if None in uids or len(uids) != len(rows):
        failures.append(f"{label}: {len(uids)} distinct UIDs for {len(rows)} cards")


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def request(method, url, body=None, headers=None):
    req = urllib.request.Request(url, data=body, method=method, headers=headers or {})
    with urllib.request.urlopen(req, timeout=20) as answer:
        return answer.status, answer.read()


def through_radicale(work, cards, failures):
    """PUTs each card on its own to a real Radicale and reads it back from there."""
    port = free_port()
    config = os.path.join(work, "radicale.conf")
    with open(config, "w") as f:
        f.write(f"[server]\nhosts = 127.0.0.1:{port}\n[auth]\ntype = none\n"
                f"[rights]\ntype = authenticated\n[storage]\n"
                f"filesystem_folder = {work}/collections\n[logging]\nlevel = warning\n")
    server = subprocess.Popen(["/usr/bin/python3", "-m", "radicale", "--config", config],
                              stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    try:
        base = f"http://127.0.0.1:{port}/quillmere/"
        for _ in range(100):
            try:
                request("MKCOL", base)
                break
            except OSError:
                if server.poll() is not None:
                    raise AssertionError("radicale did not start: " + server.stderr.read().decode())
                time.sleep(0.1)
        book = base + "contacts/"
        request("MKCOL", book, (
            '<?xml version="1.0"?><D:mkcol xmlns:D="DAV:" '
            'xmlns:C="urn:ietf:params:xml:ns:carddav"><D:set><D:prop><D:resourcetype>'
            '<D:collection/><C:addressbook/></D:resourcetype></D:prop></D:set></D:mkcol>').encode(),
            {"Content-Type": "application/xml"})
        stored = []
        for card in cards:
            uid = re.search(r"\r\nUID:([^\r]*)\r\n", card).group(1)
            status, _ = request("PUT", f"{book}{uid}.vcf", card.encode("utf-8"),
                                {"Content-Type": "text/vcard; charset=utf-8", "If-None-Match": "*"})
            if status not in (200, 201, 204):
                failures.append(f"radicale answered {status} to {uid}")
            stored.append(request("GET", f"{book}{uid}.vcf")[1].decode("utf-8"))
        return stored
    finally:
        server.terminate()
        server.wait(timeout=20)


def main():
    tool = sys.argv[1]
    failures = []
    rows = contacts()
    with tempfile.TemporaryDirectory() as work:
        workbook = os.path.join(work, "contacts.csv")
        with open(workbook, "w", encoding="utf-8", newline="") as f:
            writer = csv.writer(f, lineterminator="\r\n")
            writer.writerow(COLUMNS)
            writer.writerows([row[c] for c in COLUMNS] for row in rows)
        checks = 0
        for destination, version in (("android", "3.0"), ("icloud", "3.0"), ("google", "3.0"),
                                     ("carddav", "3.0"), ("thunderbird", "3.0"),
                                     ("outlook", "2.1")):
            files = convert(tool, workbook, work, destination, ["--for", destination])
            texts = [t for _, t in sorted(files.items())]
            cards = [c for t in texts for c in split_cards(t)]
            if any(f"\r\nVERSION:{version}\r\n" not in c for c in cards):
                failures.append(f"{destination}: a card is not version {version}")
            if destination == "outlook":
                if len(files) != len(rows) or any(len(split_cards(t)) != 1 for t in texts):
                    failures.append(f"outlook: {len(files)} files, not one card in each")
                # Separate files are named by the contact, so order them as the sheet has them.
                order = sorted(files, key=lambda n: int(re.search(r"(\d+)\.vcf$", n).group(1)))
                parsed = [fields_of_android21(android21.read_cards(files[n])[0]) for n in order]
            else:
                # iCloud's own limit of 50,000 cards an import numbers its files.
                one = "All Contacts 1.vcf" if destination == "icloud" else "All Contacts.vcf"
                if list(files) != [one]:
                    failures.append(f"{destination}: files {sorted(files)}")
                parsed = [fields_of_vobject(c, raw)
                          for c, raw in zip(vobject.readComponents("".join(texts)), cards)]
            compare(destination, rows, parsed, failures, destination == "carddav")
            checks += 1
            if destination == "icloud":
                if any(len(c.encode("utf-8")) > 256 * 1024 for c in cards):
                    failures.append("icloud: a card over 256 KB")
                split = convert(tool, workbook, work, "icloud-split",
                                ["--for", "icloud", "--per-file", "15"])
                counts = {n: len(split_cards(t)) for n, t in split.items()}
                if counts != {"All Contacts 1.vcf": 15, "All Contacts 2.vcf": 15,
                              "All Contacts 3.vcf": 10}:
                    failures.append(f"icloud --per-file 15: {counts}")
                checks += 1
            if destination == "carddav":
                stored = through_radicale(work, cards, failures)
                compare("carddav through radicale", rows,
                        [fields_of_vobject(vobject.readOne(c), c) for c in stored], failures,
                        True)
                checks += 1
    for failure in failures:
        print("FAIL:", failure)
    print(f"{checks - bool(failures)} passed, {int(bool(failures))} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
