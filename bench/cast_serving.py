#!/usr/bin/env python3
"""Serving a file of this computer on loopback: PlayerLink's cast server
(`playerlink-cli cast FILE`, with a real VLC on 127.0.0.1 playing it) beside
`python3 -m http.server` serving the same file (the reference), in the same
run. The file is a WAV of SIZE_MB decimal megabytes of random samples, made
in a temporary folder.

For each server, RUNS times in turn:
- a full GET: throughput (MB/s, 10^6 bytes) and the serving process's CPU
  time for it (utime + stime from /proc/PID/stat, before and after);
- a ranged GET of 1 MiB from the middle of the file (a seek): its status,
  the time to the answer's head and to the last byte of the range, and
  whether the bytes are the file's at that place.
The table gives the median and every run's value.

The cast server serves only to VLC's address; with VLC on 127.0.0.1 a fetch
from 127.0.0.1 is served. `playerlink-cli cast` does not print the address
it gave VLC, so it is read from VLC's playlist. Once VLC has started
playing, it is paused, so that its own reading does not share the
measurements; what it had pulled by then is reported.

Usage: cast_serving.py [--build DIR] [--runs N] [--size-mb MB] [--keep]
DIR is a build with playerlink-cli (default build)."""
import argparse
import base64
import os
import shutil
import signal
import socket
import statistics
import struct
import subprocess
import sys
import tempfile
import time
import urllib.parse
import urllib.request
import xml.etree.ElementTree as ET
from bench_support import free_port, cpu_ticks, stop

here = os.path.dirname(os.path.abspath(__file__))
root = os.path.abspath(os.path.join(here, ".."))
PASSWORD = "castbench"
RANGE_BYTES = 1 << 20
CHUNK = 1 << 20
TICKS = os.sysconf("SC_CLK_TCK")
# Loopback only, whatever proxy the environment names.
opener = urllib.request.build_opener(urllib.request.ProxyHandler({}))



def wait_for_port(port, process, seconds=20):
    deadline = time.time() + seconds
    while time.time() < deadline:
        if process.poll() is not None:
            raise SystemExit("the server on port %d ended early" % port)
        try:
            socket.create_connection(("127.0.0.1", port), timeout=1).close()
            return
        except OSError:
            time.sleep(0.1)
    raise SystemExit("nothing listens on port %d" % port)


def make_wav(path, size):
    """A 16-bit stereo 44.1 kHz WAV of exactly size bytes, random samples."""
    data = (size - 44) // 4 * 4
    with open(path, "wb") as f:
        f.write(b"RIFF" + struct.pack("<I", 36 + data) + b"WAVE")
        f.write(b"fmt " + struct.pack("<IHHIIHH", 16, 1, 2, 44100, 44100 * 4, 4, 16))
        f.write(b"data" + struct.pack("<I", data))
        left = data
        while left:
            n = min(left, 16 << 20)
            f.write(os.urandom(n))
            left -= n
        f.write(b"\0" * (size - 44 - data))
    os.chmod(path, 0o644)


def vlc_get(port, path):
    request = urllib.request.Request("http://127.0.0.1:%d%s" % (port, path))
    request.add_header("Authorization", "Basic " + base64.b64encode((":" + PASSWORD).encode()).decode())
    return opener.open(request, timeout=10).read()


def vlc_read_bytes(port):
    """What VLC's input has read so far (its own statistics), or None."""
    try:
        node = ET.fromstring(vlc_get(port, "/requests/status.xml")).find("stats/readbytes")
        return int(node.text) if node is not None else None
    except (OSError, ET.ParseError, ValueError):
        return None


def served_url(port, name):
    """The http address VLC was given for the file named name."""
    tree = ET.fromstring(vlc_get(port, "/requests/playlist.xml"))
    for leaf in tree.iter("leaf"):
        uri = leaf.get("uri", "")
        if uri.startswith("http://127.0.0.1:") and urllib.parse.unquote(uri).endswith("/" + name):
            return uri
    return None



def full_get(url, pid, size):
    """(MB/s, server CPU ms) of one GET of the whole file."""
    before = cpu_ticks(pid)
    start = time.perf_counter()
    got = 0
    with opener.open(url, timeout=60) as reply:
        while True:
            block = reply.read(CHUNK)
            if not block:
                break
            got += len(block)
    elapsed = time.perf_counter() - start
    after = cpu_ticks(pid)
    if got != size:
        raise SystemExit("%s: %d bytes of %d" % (url, got, size))
    return got / 1e6 / elapsed, (after - before) * 1000 / TICKS


def ranged_get(url, first, expected):
    """(status, ms to the head, ms to the range's last byte, right bytes)."""
    request = urllib.request.Request(url, headers={"Range": "bytes=%d-%d" % (first, first + RANGE_BYTES - 1)})
    start = time.perf_counter()
    with opener.open(request, timeout=60) as reply:
        head = time.perf_counter() - start
        status = reply.status
        # A server that ignores the range sends the whole file: its first
        # MiB is read, and the connection dropped.
        body = reply.read(RANGE_BYTES)
        done = time.perf_counter() - start
    return status, head * 1000, done * 1000, body == expected



def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--build", default="build")
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--size-mb", type=int, default=100)
    parser.add_argument("--keep", action="store_true", help="keep the temporary folder")
    args = parser.parse_args()
    cli = os.path.join(root, args.build, "src", "cli", "playerlink-cli")
    if not os.access(cli, os.X_OK):
        raise SystemExit("no %s: build the playerlink-cli target" % cli)

    work = tempfile.mkdtemp(prefix="playerlink-castbench-")
    os.chmod(work, 0o755)
    size = args.size_mb * 1000 * 1000
    name = "long tone.wav"  # a space, so that the address is escaped as VLC is given it
    media = os.path.join(work, "media")
    os.mkdir(media)
    os.chmod(media, 0o755)
    path = os.path.join(media, name)
    make_wav(path, size)
    middle = size // 2
    with open(path, "rb") as f:
        f.seek(middle)
        expected = f.read(RANGE_BYTES)

    vlc_pid = None
    processes = []
    try:
        vlc_port = free_port()
        vlc_pid = int(subprocess.run([os.path.join(root, "scripts", "start-local-vlc.sh"), str(vlc_port), PASSWORD,
                                      os.path.join(work, "vlc.log")],
                                     check=True, capture_output=True, text=True).stdout.strip())
        home = os.path.join(work, "home")
        os.mkdir(home)
        env = dict(os.environ, PLAYERLINK_HOME=home, PLAYERLINK_PASSWORD=PASSWORD,
                   DBUS_SYSTEM_BUS_ADDRESS="unix:path=/nonexistent")
        cast = subprocess.Popen([cli, "--host", "127.0.0.1:%d" % vlc_port, "--json", "cast", path],
                                stdout=subprocess.PIPE, stderr=open(os.path.join(work, "cast.log"), "w"),
                                text=True, env=env)
        processes.append(cast)
        deadline = time.time() + 30
        playing = False
        while time.time() < deadline and not playing:
            line = cast.stdout.readline()
            if not line:
                raise SystemExit("playerlink-cli cast ended: see %s/cast.log" % work)
            playing = '"playing"' in line
        if not playing:
            raise SystemExit("VLC did not start playing the cast file")
        cast_url = served_url(vlc_port, name)
        if not cast_url:
            raise SystemExit("no address of the file in VLC's playlist")
        time.sleep(2)  # a moment of playing
        vlc_pulled = vlc_read_bytes(vlc_port)
        vlc_get(vlc_port, "/requests/status.xml?command=pl_forcepause")
        time.sleep(0.5)

        http_port = free_port()
        python = subprocess.Popen([sys.executable, "-m", "http.server", "--bind", "127.0.0.1", "--directory", media,
                                   str(http_port)],
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        processes.append(python)
        wait_for_port(http_port, python)
        python_url = "http://127.0.0.1:%d/%s" % (http_port, urllib.parse.quote(name))

        servers = [("playerlink cast server", cast_url, cast.pid), ("python3 -m http.server (reference)", python_url, python.pid)]
        results = {label: {"mbps": [], "cpu": [], "range": []} for label, _, _ in servers}
        load_before = os.getloadavg()
        for _ in range(args.runs):
            for label, url, pid in servers:
                mbps, cpu = full_get(url, pid, size)
                results[label]["mbps"].append(mbps)
                results[label]["cpu"].append(cpu)
            for label, url, pid in servers:
                results[label]["range"].append(ranged_get(url, middle, expected))
            if cast.poll() is not None:
                raise SystemExit("playerlink-cli cast stopped serving during the runs")
        load_after = os.getloadavg()
        vlc_after = vlc_read_bytes(vlc_port)

        print("Serving a %d MB WAV on loopback, %d runs each (median; every run)" % (args.size_mb, args.runs))
        print("load average before %.2f, after %.2f (%d cores)" % (load_before[0], load_after[0], os.cpu_count()))
        for label, _, _ in servers:
            r = results[label]
            ranges = r["range"]
            print("%s:" % label)
            print("  full GET: %.0f MB/s (%s)" % (statistics.median(r["mbps"]), ", ".join("%.0f" % v for v in r["mbps"])))
            print("  server CPU for it: %.0f ms (%s)" % (statistics.median(r["cpu"]), ", ".join("%.0f" % v for v in r["cpu"])))
            print("  1 MiB from the middle: status %s, right bytes %s; head after %.1f ms (%s), last byte after %.1f ms (%s)" % (
                "/".join(sorted({str(s) for s, _, _, _ in ranges})),
                "/".join(sorted({"yes" if ok else "no" for _, _, _, ok in ranges})),
                statistics.median(h for _, h, _, _ in ranges), ", ".join("%.1f" % h for _, h, _, _ in ranges),
                statistics.median(d for _, _, d, _ in ranges), ", ".join("%.1f" % d for _, _, d, _ in ranges)))
        if vlc_pulled is not None:
            print("VLC had read %.1f MB after 2 s of playing (then paused; %.1f MB at the end)" % (
                vlc_pulled / 1e6, (vlc_after or 0) / 1e6))
    finally:
        for process in processes:
            stop(process, signal.SIGINT, 10)
        if vlc_pid:
            try:
                os.kill(vlc_pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
        if args.keep:
            print("kept %s" % work)
        else:
            shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
