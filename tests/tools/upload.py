#!/usr/bin/python3
"""quillmere-convert --upload against a real Radicale on 127.0.0.1 with a password.

A list goes to a new address book (found from the server's root); a dry run then says
nothing is new; two rows changed give exactly two updates; a row whose picture is missing is
sent without its photo and the output counts it with its reason; a wrong password and an
address book that is not there are refused with exit status 2 and a sentence.
Usage: upload.py QUILLMERE_CONVERT
"""
import base64
import os
import socket
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
    with urllib.request.urlopen(req, timeout=20) as answer:
        return answer.status, answer.read()


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
        port = free_port()
        users = os.path.join(work, "users")
        with open(users, "w") as f:
            f.write(f"{USER}:{PASSWORD}\n")
        config = os.path.join(work, "radicale.conf")
        with open(config, "w") as f:
            f.write(f"[server]\nhosts = 127.0.0.1:{port}\n[auth]\ntype = htpasswd\n"
                    f"htpasswd_filename = {users}\nhtpasswd_encryption = plain\n"
                    f"[rights]\ntype = owner_only\n[storage]\n"
                    f"filesystem_folder = {work}/collections\n[logging]\nlevel = warning\n")
        server = subprocess.Popen(["/usr/bin/python3", "-m", "radicale", "--config", config],
                                  stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        try:
            root = f"http://127.0.0.1:{port}/"
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
            code, out, err = convert(work, csv, book)
            if code != 0 or "0 new, 2 to update, 18 unchanged" not in out or "2 updated" not in out:
                failures.append(f"two rows changed: exit {code}, said {out!r} {err!r}")
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
