#!/usr/bin/env python3
"""Writes a playlist.xml of N items exactly as VLC 3.0's web interface
prints it (same element order, attributes and line breaks)."""
import sys
from xml.sax.saxutils import quoteattr
from urllib.parse import quote


def main():
    path, count = sys.argv[1], int(sys.argv[2])
    out = ['<?xml version="1.0" encoding="utf-8" standalone="yes" ?>\n\n\n'
           '<node name="" id="0" ro="rw">\n<node name="Playlist" id="1" ro="ro">']
    for i in range(count):
        name = f"Track {i:05d}.mp3"
        uri = "file:///home/someone/Music/" + quote(name)
        current = ' current="current"' if i == 0 else ""
        out.append(f'\n<leaf name={quoteattr(name)}{current} ro="rw" id="{i + 3}" uri="{uri}" duration="{180 + i % 240}"/>')
    out.append('</node>\n<node name="Media Library" id="2" ro="ro"></node></node>')
    with open(path, "w", encoding="utf-8") as f:
        f.write("".join(out))


if __name__ == "__main__":
    main()
