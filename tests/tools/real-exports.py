"""A Google Contacts export in UTF-16 and a German Outlook export in Windows-1252 with
semicolons, converted by quillmere-convert with --match-by-name and read by vobject: every
value of each row in its card. Then the notice of columns that go nowhere, and the refusal
of a sheet whose header row pairs no column.

With --write FOLDER it only writes the two exports there, and with --check FOLDER it only
reads every card under FOLDER against them, for the window's test to convert in between."""
import glob
import os
import subprocess
import sys
import tempfile

import vobject


GOOGLE = (
    "First Name,Last Name,Birthday,Notes,Labels,E-mail 1 - Label,E-mail 1 - Value,"
    "Phone 1 - Label,Phone 1 - Value,Phone 2 - Label,Phone 2 - Value,Address 1 - Label,"
    "Address 1 - Street,Address 1 - City,Address 1 - Postal Code\r\n"
    "Ann,Lee,1985-03-13,likes tea,* myContacts ::: Friends,* Home,ann@example.org,* Mobile,"
    "+49 170 1234567,Home,030 1234567,Work,Hauptstr. 1,Berlin,10115\r\n"
    "Bob,Marx,--03-13,,* myContacts,Work,bob@example.org,Home,0221 555,Mobile,0171 999,Home,"
    "Ring 2,Köln,50667\r\n")
OUTLOOK = (
    "Vorname;Nachname;E-Mail-Adresse;Mobiltelefon;Telefon privat;Geburtstag;Kategorien;"
    "Notizen;Straße privat;Ort privat;Postleitzahl privat\r\n"
    'Jörg;Müller;joerg@example.de;0170 1111;030 2222;13.3.1965;"Kunden;VIP";Grüße;'
    "Hauptstraße 5;München;80331\r\n"
    "Renée;Weiß;renee@example.de;;;0.0.00;;;;;\r\n")

# Per contact: each property's values as vobject gives them (TEL by its kind).
EXPECTED = {
    "Ann Lee": {"email": ["ann@example.org"], "CELL": ["+49 170 1234567"],
                "HOME": ["030 1234567"], "bday": ["1985-03-13"], "note": ["likes tea"],
                "categories": [["Friends"]], "adr": [("WORK", "Hauptstr. 1", "Berlin", "10115")]},
    "Bob Marx": {"email": ["bob@example.org"], "CELL": ["0171 999"], "HOME": ["0221 555"],
                 "bday": ["--0313"], "adr": [("HOME", "Ring 2", "Köln", "50667")]},
    "Jörg Müller": {"email": ["joerg@example.de"], "CELL": ["0170 1111"], "HOME": ["030 2222"],
                    "bday": ["1965-03-13"], "note": ["Grüße"], "categories": [["Kunden", "VIP"]],
                    "adr": [("HOME", "Hauptstraße 5", "München", "80331")]},
    "Renée Weiß": {"email": ["renee@example.de"]},
}


def run(*arguments):
    return subprocess.run([sys.argv[1], *arguments], capture_output=True, text=True)


def write_exports(folder):
    google = os.path.join(folder, "google.csv")
    with open(google, "wb") as out:
        out.write(b"\xff\xfe" + GOOGLE.encode("utf-16-le"))
    outlook = os.path.join(folder, "outlook.csv")
    with open(outlook, "wb") as out:
        out.write(OUTLOOK.encode("cp1252"))
    return google, outlook


def read_cards(pattern, cards):
    for path in glob.glob(pattern, recursive=True):
        with open(path, encoding="utf-8") as text:
            for card in vobject.readComponents(text.read()):
                cards[card.fn.value] = card_values(card)


def compare(cards, failures):
    for name, expected in EXPECTED.items():
        if cards.get(name) != expected:
            failures.append(f"{name}: {cards.get(name)} != {expected}")


def kinds_of(line):
    # 3.0 as this layout writes it names kinds bare (TEL;HOME), which vobject keeps apart.
    return [t.upper() for t in line.params.get("TYPE", [])] + [k.upper() for k in line.singletonparams]


def card_values(card):
    got = {}
    for line in card.lines():
        name = line.name.lower()
        if name == "tel":
            kinds = kinds_of(line)
            key = "CELL" if "CELL" in kinds else "HOME" if "HOME" in kinds else "OTHER"
            got.setdefault(key, []).append(line.value)
        elif name == "adr":
            kinds = kinds_of(line)
            kind = "WORK" if "WORK" in kinds else "HOME"
            got.setdefault("adr", []).append(
                (kind, line.value.street, line.value.city, line.value.code))
        elif name in ("email", "bday", "note", "categories"):
            got.setdefault(name, []).append(line.value)
    return got


def main():
    failures = []
    if sys.argv[1] == "--write":
        write_exports(sys.argv[2])
        return 0
    if sys.argv[1] == "--check":
        cards = {}
        read_cards(os.path.join(sys.argv[2], "**", "*.vcf"), cards)
        compare(cards, failures)
        for failure in failures:
            print(failure)
        return 1 if failures else 0
    with tempfile.TemporaryDirectory() as work:
        google, outlook = write_exports(work)
        cards = {}
        for sheet in (google, outlook):
            folder = os.path.join(work, os.path.basename(sheet) + ".out")
            os.mkdir(folder)
            done = run("--match-by-name", "--more-fields", "--single", sheet, folder, "3.0")
            if done.returncode != 0:
                failures.append(f"{sheet}: exit {done.returncode}: {done.stderr}")
                continue
            if "go nowhere" in done.stderr:
                failures.append(f"{sheet}: unexpected notice: {done.stderr}")
            read_cards(os.path.join(folder, "*", "*.vcf"), cards)
        compare(cards, failures)

        # A title line above the headers: nothing pairs, and the tool says what to do.
        titled = os.path.join(work, "titled.csv")
        with open(titled, "w", encoding="utf-8") as out:
            out.write("My contacts\r\nName,E-mail,Phone,Bemerkung,Fax\r\nAnn,a@x.org,030 1,hi,7\r\n")
        refused = run("--match-by-name", titled, work, "3.0")
        if refused.returncode != 2 or "--header-row" not in refused.stderr or \
                "--match-by-name" not in refused.stderr or \
                any(name.startswith("Quillmere") for name in os.listdir(work)):
            failures.append(f"refusal: exit {refused.returncode}: {refused.stderr}")
        # Read from the right row, the columns Match by Name leaves are named before converting.
        named = run("--match-by-name", "--header-row", "2", titled, work, "3.0")
        notice = "quillmere-convert: Column E (Fax) holds data but goes nowhere.\n"
        if named.returncode != 0 or notice not in named.stderr:
            failures.append(f"notice: exit {named.returncode}: {named.stderr!r}")
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
