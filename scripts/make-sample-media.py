#!/usr/bin/env python3
"""Writes short sine-wave WAV files into a folder, some with the spaces,
apostrophes and accented letters that real music libraries have."""
import math
import os
import shutil
import struct
import subprocess
import sys
import wave

TRACKS = [
    ("01 Morning Light.wav", 40, 440.0),
    ("02 Bob's Café Blues.wav", 35, 523.25),
    ("03 Ünder the Bridge.wav", 30, 659.25),
    ("Live Sessions/04 Encore.wav", 25, 392.0),
]


def write_wav(path, seconds, freq, rate=8000):
    frames = bytearray()
    for i in range(int(seconds * rate)):
        # A gentle fade in and out so the tones do not click.
        t = i / rate
        envelope = min(1.0, t * 4, (seconds - t) * 4)
        frames += struct.pack("<h", int(6000 * envelope * math.sin(2 * math.pi * freq * t)))
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(bytes(frames))


def main():
    folder = sys.argv[1]
    for name, seconds, freq in TRACKS:
        path = os.path.join(folder, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        write_wav(path, seconds, freq)
    with open(os.path.join(folder, "liner notes.txt"), "w") as f:
        f.write("Sample media made by PlayerLink's demo.\n")
    # A playlist and a short film, so that the browser shows every kind.
    with open(os.path.join(folder, "Road Trip.m3u"), "w") as f:
        f.write("#EXTM3U\n" + "".join(name + "\n" for name, _, _ in TRACKS[:2]))
    if shutil.which("ffmpeg"):
        subprocess.run(["ffmpeg", "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                        "testsrc=duration=3:size=160x120:rate=10", os.path.join(folder, "Holiday Clip.mkv")],
                       check=False)
    for root, dirs, files in os.walk(folder):
        os.chmod(root, 0o755)
        for f in files:
            os.chmod(os.path.join(root, f), 0o644)
    for name, _, _ in TRACKS:
        print(os.path.join(folder, name))


if __name__ == "__main__":
    main()
