#!/usr/bin/env python3
"""Writes small skin archives into a folder: the seeds of SkinArchiveFuzz
(tests/fuzz/seeds/skin-archives was made with it)."""
import io
import sys
import zipfile

DEFINITION = b'<?xml version="1.0"?><skin apiVersion="4.2"><Portrait><view width="320" height="480">' \
             b'<label id="Status" x="10" y="10" width="300" height="20"/></view></Portrait></skin>'


def archive(entries, compression=zipfile.ZIP_DEFLATED):
    data = io.BytesIO()
    with zipfile.ZipFile(data, "w", compression) as z:
        for name, content, mode in entries:
            info = zipfile.ZipInfo(name)
            info.compress_type = compression
            if mode:
                info.external_attr = mode << 16
                info.create_system = 3
            z.writestr(info, content)
    return data.getvalue()


seeds = {
    "skin": [("Night/SkinDefinition.xml", DEFINITION, 0), ("Night/play.png", b"\x89PNG" + bytes(64), 0)],
    "backslashes": [("Night\\SkinDefinition.xml", DEFINITION, 0), ("Night\\img\\a.png", b"png", 0)],
    "folders": [("Night/", b"", 0o40755), ("Night/img/", b"", 0o40755), ("Night/SkinDefinition.xml", DEFINITION, 0)],
    "two-skins": [("A/SkinDefinition.xml", DEFINITION, 0), ("B/SkinDefinition.xml", DEFINITION, 0),
                  ("__MACOSX/A/._x", b"mac", 0), ("readme.txt", b"loose", 0)],
    "symlink": [("Night/SkinDefinition.xml", DEFINITION, 0), ("Night/link", b"/tmp", 0o120777)],
    "zeros": [("Night/SkinDefinition.xml", DEFINITION, 0), ("Night/zeros.png", bytes(200000), 0)],
    # Names that must be refused, for the fuzzer to vary.
    "slip": [("Night/SkinDefinition.xml", DEFINITION, 0), ("Night/../../escape.txt", b"x", 0)],
    "slip-backslash": [("Night/SkinDefinition.xml", DEFINITION, 0), ("Night\\..\\..\\escape.txt", b"x", 0)],
    "absolute": [("Night/SkinDefinition.xml", DEFINITION, 0), ("/tmp/escape.txt", b"x", 0)],
    "drive": [("Night/SkinDefinition.xml", DEFINITION, 0), ("C:\\escape.txt", b"x", 0)],
}
for name, entries in seeds.items():
    with open(f"{sys.argv[1]}/{name}.zip", "wb") as out:
        out.write(archive(entries))
with open(f"{sys.argv[1]}/stored.zip", "wb") as out:
    out.write(archive(seeds["skin"], zipfile.ZIP_STORED))
