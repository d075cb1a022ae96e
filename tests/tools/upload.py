#!/usr/bin/python3
"""quillmere-convert --upload against a real Radicale on 127.0.0.1 with a password.

A list goes to a new address book (found from the server's root); a dry run then says
nothing is new; two rows changed give exactly two updates; a row whose picture is missing is
sent without its photo and the output counts it with its reason; a wrong password and an
address book that is not there are refused with exit status 2 and a sentence. Over TLS with
a certificate the server made for itself, the upload is refused naming its fingerprint, goes
with --trust-fingerprint of that fingerprint, and is refused with another one.
Usage: upload.py QUILLMERE_CONVERT
"""
import base64
import os
import re
import socket
import ssl
import struct
import subprocess
import sys
import tempfile
import time
import urllib.request
import zlib

TOOL = sys.argv[1]
USER, PASSWORD = "alice", "s3cret"


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def request(method, url, body=None, headers=None):
    auth = base64.b64encode(f"{USER}:{PASSWORD}".encode()).decode()
    req = urllib.request.Request(url, data=body, method=method,
                                 headers={"Authorization": "Basic " + auth, **(headers or {})})
    # The test's own server, whose certificate the test made.
    context = ssl._create_unverified_context() if url.startswith("https:") else None
    with urllib.request.urlopen(req, timeout=20, context=context) as answer:
        return answer.status, answer.read()


def start_radicale(work, name, tls=False):
    """A Radicale in work/name with one user and an empty address book; (process, root, book)."""
    folder = os.path.join(work, name)
    os.makedirs(folder)
    port = free_port()
    users = os.path.join(folder, "users")
    with open(users, "w") as f:
        f.write(f"{USER}:{PASSWORD}\n")
    server_part = f"[server]\nhosts = 127.0.0.1:{port}\n"
    if tls:
        subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2",
                        "-subj", "/CN=127.0.0.1", "-keyout", f"{folder}/key.pem",
                        "-out", f"{folder}/cert.pem"], check=True, capture_output=True)
        server_part += f"ssl = True\ncertificate = {folder}/cert.pem\nkey = {folder}/key.pem\n"
    config = os.path.join(folder, "radicale.conf")
    with open(config, "w") as f:
        f.write(f"{server_part}[auth]\ntype = htpasswd\n"
                f"htpasswd_filename = {users}\nhtpasswd_encryption = plain\n"
                f"[rights]\ntype = owner_only\n[storage]\n"
                f"filesystem_folder = {folder}/collections\n[logging]\nlevel = warning\n")
    server = subprocess.Popen(["/usr/bin/python3", "-m", "radicale", "--config", config],
                              stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    root = f"{'https' if tls else 'http'}://127.0.0.1:{port}/"
    for _ in range(100):
        try:
            request("MKCOL", f"{root}{USER}/")
            break
        except OSError:
            if server.poll() is not None:
                raise AssertionError("radicale did not start: " + server.stderr.read().decode())
            time.sleep(0.1)
    book = f"{root}{USER}/contacts/"
    request("MKCOL", book, (
        '<?xml version="1.0"?><D:mkcol xmlns:D="DAV:" '
        'xmlns:C="urn:ietf:params:xml:ns:carddav"><D:set><D:prop><D:resourcetype>'
        '<D:collection/><C:addressbook/></D:resourcetype></D:prop></D:set></D:mkcol>').encode(),
        {"Content-Type": "application/xml"})
    return server, root, book


def fingerprint(certificate):
    said = subprocess.run(["openssl", "x509", "-noout", "-fingerprint", "-sha256", "-in",
                           certificate], check=True, capture_output=True, text=True).stdout
    return said.strip().split("=", 1)[1]


def tls_cases(work, csv):
    """Refused without trust, naming the fingerprint; sent with it; refused with another."""
    failures = []
    server, _, book = start_radicale(work, "tls", tls=True)
    try:
        right = fingerprint(os.path.join(work, "tls", "cert.pem"))
        code, out, err = convert(work, csv, book)
        if code != 2 or "could not be verified" not in err or right not in err:
            failures.append(f"an unverified certificate: exit {code}, said {out!r} {err!r}")
        code, out, err = convert(work, csv, book, "--trust-fingerprint", right.replace(":", ""))
        if code != 0 or "20 created" not in out:
            failures.append(f"its fingerprint trusted: exit {code}, said {out!r} {err!r}")
        other = re.sub("[0-9A-F]", "0", right)
        code, out, err = convert(work, csv, book, "--dry-run", "--trust-fingerprint", other)
        if code != 2 or right not in err:
            failures.append(f"another fingerprint trusted: exit {code}, said {out!r} {err!r}")
    finally:
        server.terminate()
        server.wait(timeout=20)
    return failures


def tiny_png():
    """A 2x2 grey PNG, made here so the test needs no picture tool."""
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    rows = b"".join(b"\0" + b"\x80" * 6 for _ in range(2))
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", 2, 2, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))


def write_list(path, changed=()):
    with open(path, "w", encoding="utf-8") as f:
        f.write("First Name,Last Name,E-mail,Mobile,Notes\n")
        for i in range(1, 21):
            note = "moved, new flat" if i in changed else "a; b, c"
            f.write(f'Ann{i},Lee,ann{i}@example.org,+49 151 {i:07d},"{note}"\n')


def convert(work, csv, url, *extra, password=PASSWORD):
    out = os.path.join(work, "out")
    os.makedirs(out, exist_ok=True)
    env = dict(os.environ, QUILLMERE_PASSWORD=password)
    run = subprocess.run([TOOL, "--upload", url, "--user", USER, *extra, csv, out,
                          "A=FirstName", "B=LastName", "C=EmailAddress", "D=MobileNumber",
                          "E=Notes"], env=env, capture_output=True, text=True, timeout=120)
    return run.returncode, run.stdout, run.stderr


def main():
    failures = []
    with tempfile.TemporaryDirectory() as work:
        server, root, book = start_radicale(work, "plain")
        try:
            csv = os.path.join(work, "list.csv")
            write_list(csv)
            cases = [
                ("first upload, found from the server's root", root, (), 0, "20 created"),
                ("the same again", book, ("--dry-run",), 0, "0 new, 0 to update, 20 unchanged"),
            ]
            for label, url, extra, status, said in cases:
                code, out, err = convert(work, csv, url, *extra)
                if code != status or said not in out:
                    failures.append(f"{label}: exit {code}, said {out!r} {err!r}")
            write_list(csv, changed={3, 17})
            report = os.path.join(work, "sent.csv")
            code, out, err = convert(work, csv, book, "--upload-report", report)
            if code != 0 or "0 new, 2 to update, 18 unchanged" not in out or "2 updated" not in out:
                failures.append(f"two rows changed: exit {code}, said {out!r} {err!r}")
            with open(report, encoding="utf-8", newline="") as f:
                lines = f.read().split("\r\n")
            outcomes = [line.split(",")[1] for line in lines[1:] if line]
            if lines[0] != "Row,Outcome,Card,Reason" or outcomes.count("updated") != 2 \
                    or outcomes.count("unchanged") != 18 or not lines[3].startswith(f"4,updated,{book}"):
                failures.append(f"the upload report: {lines!r}")
            _, listing = request("PROPFIND", book, headers={"Depth": "1"})
            stored = listing.decode().count(".vcf</")
            if stored != 20:
                failures.append(f"{stored} cards on the server, not 20")
            # A picture that cannot be read: the card goes without it, and the upload says so.
            photos = os.path.join(work, "photos.csv")
            with open(os.path.join(work, "pia.png"), "wb") as f:
                f.write(tiny_png())
            with open(photos, "w", encoding="utf-8") as f:
                f.write("Full Name,E-mail,Photo\nPia Holm,pia@example.org,pia.png\n"
                        "Quinn Ash,quinn@example.org,gone.jpg\nRo Vik,ro@example.org,\n")
            run = subprocess.run([TOOL, "--upload", book, "--user", USER, "--more-fields", photos,
                                  os.path.join(work, "out"), "A=FullName", "B=EmailAddress",
                                  "C=Photo"], env=dict(os.environ, QUILLMERE_PASSWORD=PASSWORD),
                                 capture_output=True, text=True, timeout=120)
            said = ("sent: 3 created, 0 updated, 0 unchanged\nphotos sent: 1\nphotos left out: 1\n"
                    f'first photo left out, row 3: Photo "gone.jpg" in column C names '
                    f"{work}/gone.jpg, which does not exist, so the card has no photo\n")
            if run.returncode != 0 or said not in run.stdout:
                failures.append(f"a photo left out: exit {run.returncode}, said {run.stdout!r}"
                                f" {run.stderr!r}")
            for label, url, password, said in [
                ("wrong password", book, "wrong", "password"),
                ("no such address book", f"{root}{USER}/none/", PASSWORD, "")]:
                code, out, err = convert(work, csv, url, password=password)
                if code != 2 or not err.strip() or said not in err.lower():
                    failures.append(f"{label}: exit {code}, said {out!r} {err!r}")
            failures += tls_cases(work, csv)
        finally:
            server.terminate()
            server.wait(timeout=20)
    for failure in failures:
        print("FAIL:", failure)
    if not failures:
        print("every upload case behaved")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
