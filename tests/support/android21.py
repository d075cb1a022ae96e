"""Cards of a vCard 2.1 text as Android's own vCard library reads them.

Quoted-printable in UTF-8 with its soft line breaks, folded lines joined keeping their white
space; N, ADR and ORG split at unescaped ";" with "\\;" undone there; CATEGORIES split at
unescaped "," with its escapes undone; every other value as it stands, backslashes and all.
Each card is a list of (NAME, sorted bare parameters, [components]), line breaks as LF.
"""
import quopri
import re


def _breaks(text):
    return text.replace("\r\n", "\n").replace("\r", "\n")


def _logical_lines(text):
    lines = []
    for line in text.split("\r\n"):
        if lines and lines[-1].endswith("=") and "QUOTED-PRINTABLE" in lines[-1].split(":")[0]:
            lines[-1] = lines[-1][:-1] + line
        elif line.startswith((" ", "\t")) and lines:
            lines[-1] += line
        else:
            lines.append(line)
    return lines


def _unescape_list_item(item):
    return re.sub(r"\\(.)", r"\1", item)


def read_cards(text):
    cards, props = [], None
    for line in _logical_lines(text):
        if line == "BEGIN:VCARD":
            props = []
        elif line == "END:VCARD":
            cards.append(props)
            props = None
        elif line and props is not None:
            head, value = line.split(":", 1)
            name, *params = head.split(";")
            if "ENCODING=QUOTED-PRINTABLE" in params:
                value = quopri.decodestring(value.encode()).decode("utf-8")
            types = tuple(sorted(p for p in params if "=" not in p))
            if name in ("N", "ADR", "ORG"):
                parts = [p.replace("\\;", ";") for p in re.split(r"(?<!\\);", value)]
            elif name == "CATEGORIES":
                parts = [_unescape_list_item(p) for p in re.split(r"(?<!\\),", value)]
            else:
                parts = [value]
            props.append((name, types, [_breaks(p) for p in parts]))
    return cards


def raw_lines(card_text):
    """Each line of a card as (head, value), unfolded, values as they stand: a URL is no text,
    and vobject takes it for a list and keeps only what comes before its first comma."""
    unfolded = card_text.replace("\r\n ", "").replace("\r\n\t", "")
    return [tuple(line.split(":", 1)) for line in unfolded.split("\r\n") if ":" in line]
