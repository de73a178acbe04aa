#!/usr/bin/env python3
"""Writes the starting corpus of zip_directory_fuzz into corpus/zip_directory_fuzz: archives
made by Info-ZIP zip and by Python's zipfile, stored and deflated, with a comment, with folders,
streamed (sizes after the data), and the hostile ones the reader must refuse: names that climb
out or name a device, a name that Info-ZIP's unzip replaces by the Unicode path of its extra
field (plainly, or in an overlong UTF-8 form), and a directory hidden between the one the end record names and the record, which unzip
and zipfile read instead."""
import io
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import zipfile
import zlib

out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus", "zip_directory_fuzz")
os.makedirs(out, exist_ok=True)
files = {"setup.exe": b"MZ" + b"\0" * 62, "readme.txt": b"Read me.\r\n" * 20, "sub/inner.txt": b"inner\r\n"}

with tempfile.TemporaryDirectory() as source:
    for name, data in files.items():
        os.makedirs(os.path.dirname(os.path.join(source, name)) or source, exist_ok=True)
        with open(os.path.join(source, name), "wb") as f:
            f.write(data)

    def info_zip(target, *switches, stdin=None):
        path = os.path.join(out, target)
        if os.path.exists(path):
            os.remove(path)
        subprocess.run(["zip", "-q", "-X", *switches], cwd=source, input=stdin, check=True)
        shutil.move(os.path.join(source, "made.zip"), path)

    info_zip("infozip-stored.zip", "-0", "-r", "made.zip", ".")
    info_zip("infozip-deflated.zip", "-9", "-r", "made.zip", ".")
    info_zip("infozip-comment.zip", "-z", "made.zip", "setup.exe", "readme.txt", stdin=b"A comment, PK\x05\x06 and all.\n.\n")
    with open(os.path.join(out, "infozip-streamed.zip"), "wb") as f:
        f.write(subprocess.run(["zip", "-q", "-", "-"], input=files["readme.txt"], capture_output=True,
                               check=True).stdout)

for target, method, comment, names in [
        ("python-stored.zip", zipfile.ZIP_STORED, b"", ["setup.exe", "readme.txt"]),
        ("python-deflated.zip", zipfile.ZIP_DEFLATED, b"", ["setup.exe", "readme.txt", "sub/inner.txt"]),
        ("python-comment.zip", zipfile.ZIP_DEFLATED, b"made by zipfile", ["readme.txt"]),
        ("python-folders.zip", zipfile.ZIP_STORED, b"", ["sub/", "sub/deeper/", "sub/inner.txt"]),
        ("python-dotdot.zip", zipfile.ZIP_STORED, b"", ["readme.txt", "../evil.txt"]),
        ("python-backslash-dotdot.zip", zipfile.ZIP_STORED, b"", ["a\\..\\..\\evil.txt"]),
        ("python-absolute.zip", zipfile.ZIP_STORED, b"", ["/evil.txt"]),
        ("python-drive.zip", zipfile.ZIP_STORED, b"", ["C:evil.txt"])]:
    with zipfile.ZipFile(os.path.join(out, target), "w", method) as z:
        z.comment = comment
        for name in names:
            z.writestr(zipfile.ZipInfo(name, (1996, 6, 20, 0, 0, 0)), b"" if name.endswith("/") else files.get(name, b"x"))


def unicode_path(stored, name):
    """Info-ZIP's Unicode path extra field: version 1, the CRC-32 of the stored name, the name
    (as UTF-8, or bytes as they are)."""
    utf8 = name if isinstance(name, bytes) else name.encode()
    return struct.pack("<HHBI", 0x7075, 5 + len(utf8), 1, zlib.crc32(stored.encode())) + utf8


def entry(name, extra=b""):
    info = zipfile.ZipInfo(name, (1996, 6, 20, 0, 0, 0))
    info.extra = extra
    return info


with zipfile.ZipFile(os.path.join(out, "python-devices.zip"), "w") as z:
    for name in ["readme.txt", "sub/NUL.txt", "COM\u00b9.log", "conout$"]:
        z.writestr(entry(name), b"x")
with zipfile.ZipFile(os.path.join(out, "python-unicode-path.zip"), "w") as z:
    z.writestr(entry("readme.txt", unicode_path("readme.txt", "../evil.bat")), b"x")
with zipfile.ZipFile(os.path.join(out, "python-overlong-path.zip"), "w") as z:  # unzip reads "../evil.bat"
    z.writestr(entry("readme.txt", unicode_path("readme.txt", b"\xc0\xae\xc0\xae/evil.bat")), b"x")

# The end record names the directory's first entry alone; the second, which climbs out, lies
# between that directory and the record.
made = io.BytesIO()
with zipfile.ZipFile(made, "w") as z:
    z.writestr(entry("readme1.txt"), b"one")
    z.writestr(entry("../evil.bat"), b"evil")
data = made.getvalue()
end = data.rfind(b"PK\x05\x06")
size, at = struct.unpack("<II", data[end + 12:end + 20])
first = data[at:at + size].find(b"PK\x01\x02", 4)
record = data[end:end + 8] + struct.pack("<HHII", 1, 1, first, at) + data[end + 20:]
with open(os.path.join(out, "python-hidden-directory.zip"), "wb") as f:
    f.write(data[:end] + record)
print(f"wrote {len(os.listdir(out))} archives to {out}", file=sys.stderr)
