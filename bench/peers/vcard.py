"""The version 3.0 record Quillmere writes for the 16 columns of the benchmark's contact sheet
(A First Name ... P Notes), shared by the peer scripts so each writes the same records."""


def text(value):
    if value is None:
        return ""
    if isinstance(value, float) and value.is_integer():
        return str(int(value))
    return str(value)


def escape(value):
    return (value.replace("\\", "\\\\").replace(",", "\\,").replace(";", "\\;")
            .replace("\r\n", "\n").replace("\n", "\\n"))


def record(row):
    (first, last, full, email, company, title, department, work, mobile, street, city, state,
     postal, country, web, notes) = (escape(text(v)) for v in (list(row) + [None] * 16)[:16])
    lines = ["BEGIN:VCARD", "VERSION:3.0", f"N:{last};{first};", f"FN:{full or first + ' ' + last}"]
    if company or department:
        lines.append(f"ORG:{company};{department}")
    for name, value in (("TITLE", title), ("TEL;WORK;VOICE", work), ("TEL;CELL;VOICE", mobile)):
        if value:
            lines.append(f"{name}:{value}")
    if street or city or state or postal or country:
        lines.append(f"ADR;WORK:;;{street};{city};{state};{postal};{country}")
    for name, value in (("URL", web), ("EMAIL;PREF;INTERNET", email), ("NOTE", notes)):
        if value:
            lines.append(f"{name}:{value}")
    lines.append("END:VCARD")
    return "\r\n".join(lines) + "\r\n"
