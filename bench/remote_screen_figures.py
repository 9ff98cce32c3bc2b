#!/usr/bin/env python3
"""The remote screen's three figures, for playerlink beside a reference
build of it (--reference DIR: another commit's build, where the program
may still be src/touch/playerlink or src/touch/playerlink-touch) in the same run, against one real VLC on loopback that
holds 10,000 items and plays the first (a long tone):

- launch: from starting the program (`--connect`) to its first status
  request, to the first frame with the remote screen in its place, and to
  the first such frame after the first status reply came back (VLC's state
  on screen; the goal is 0.5 s);
- resident memory (VmRSS) on the remote screen from RSS_AT seconds after
  launch (the median over five seconds);
- idle CPU on the remote screen over CPU_SECONDS after that.

Each program runs offscreen (Qt Quick's software renderer for the touch
one) behind a proxy that logs each request's time; a Qt plugin built under
bench/frameprobe logs each frame's. The programs take turns, RUNS times;
the table gives the median of each figure and every run's value.

With --callgrind the script instead counts, under callgrind, the
instructions each program executes per minute on the remote screen (and
the bytes it asked VLC for): repeatable on a busy machine.

Usage: remote_screen_figures.py [--build DIR] [--runs N] [--rss-at S]
                                [--cpu-seconds S] [--callgrind [--settle S]]
                                [--reference DIR] [--only playerlink|reference]
                                [--vlc-port PORT] [--keep]
DIR is a Release build with PLAYERLINK_BENCH=ON (default build-bench; the
programs and the frame probes' targets built there)."""
import argparse
import base64
import glob
import os
import shutil
import socket
import statistics
import subprocess
import sys
import tempfile
import threading
import time
import urllib.request
from bench_support import free_port, cpu_ticks, stop

here = os.path.dirname(os.path.abspath(__file__))
root = os.path.abspath(os.path.join(here, ".."))
PASSWORD = "figures"
ITEMS = 10000
PROGRAMS = [  # name, path in the build, frame probe
    ("playerlink", "src/app/playerlink", "plframeprobequick"),
]
REFERENCE_PATHS = ["src/app/playerlink", "src/touch/playerlink", "src/touch/playerlink-touch"]



class TimedProxy:
    """Stands in front of VLC (one connection per request, as the programs
    close each) and logs each request: its path's kind, when its first
    bytes came, when the last byte of the reply went back, and its size."""

    def __init__(self, target_port):
        self.target = target_port
        self.port = free_port()
        self.requests = []
        self.lock = threading.Lock()
        self.server = socket.socket()
        self.server.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        self.server.bind(("127.0.0.1", self.port))
        self.server.listen(16)
        threading.Thread(target=self.accept, daemon=True).start()

    def close(self):
        self.server.close()

    def accept(self):
        while True:
            try:
                client, _ = self.server.accept()
            except OSError:
                return
            threading.Thread(target=self.serve, args=(client,), daemon=True).start()

    def serve(self, client):
        upstream = socket.create_connection(("127.0.0.1", self.target))
        entry = {"kind": "?", "asked": None, "answered": None, "bytes": 0}

        def up():
            try:
                while True:
                    data = client.recv(65536)
                    if not data:
                        break
                    if entry["asked"] is None and data.startswith(b"GET "):
                        entry["asked"] = time.monotonic()
                        path = data.split(b" ")[1].decode(errors="replace")
                        entry["kind"] = path.split("?")[0] + ("?command" if "command=" in path else "")
                    upstream.sendall(data)
            except OSError:
                pass
            finally:
                try:
                    upstream.shutdown(socket.SHUT_WR)
                except OSError:
                    pass

        threading.Thread(target=up, daemon=True).start()
        try:
            while True:
                data = upstream.recv(65536)
                if not data:
                    break
                client.sendall(data)
                entry["bytes"] += len(data)
                entry["answered"] = time.monotonic()
        except OSError:
            pass
        client.close()
        upstream.close()
        with self.lock:
            self.requests.append(entry)

    def log(self):
        with self.lock:
            return sorted((dict(e) for e in self.requests if e["asked"] is not None), key=lambda e: e["asked"])


def playlist_items(port):
    request = urllib.request.Request("http://127.0.0.1:%d/requests/playlist.xml" % port)
    request.add_header("Authorization", "Basic " + base64.b64encode((":" + PASSWORD).encode()).decode())
    try:
        return urllib.request.urlopen(request, timeout=10).read().count(b"<leaf ")
    except OSError:
        return -1


def start_vlc(work):
    """VLC with ITEMS items of distinct names, playing the first: a tone
    long enough for the whole run."""
    tone = os.path.join(work, "tone.ogg")
    subprocess.run(["ffmpeg", "-loglevel", "error", "-f", "lavfi", "-i", "sine=frequency=440:sample_rate=8000:duration=3600",
                    "-ac", "1", "-q:a", "0", tone], check=True)
    listing = os.path.join(work, "long.m3u")
    with open(listing, "w") as f:
        f.write("#EXTM3U\n")
        for i in range(ITEMS):
            f.write("#EXTINF:%d,Artist %03d - Track %05d\n%s\n" % (180 + i % 240, i % 500, i, tone))
    for path in (tone, listing):
        os.chmod(path, 0o644)
    os.chmod(work, 0o755)
    port = free_port()
    pid = subprocess.run([os.path.join(root, "scripts", "start-local-vlc.sh"), str(port), PASSWORD,
                          os.path.join(work, "vlc.log"), listing],
                         check=True, capture_output=True, text=True).stdout.strip()
    deadline = time.time() + 180
    while playlist_items(port) < ITEMS and time.time() < deadline:
        time.sleep(1)
    if playlist_items(port) < ITEMS:
        raise SystemExit("VLC did not list %d items" % ITEMS)
    return port, pid


def make_home(work, name):
    home = tempfile.mkdtemp(prefix="home-%s-" % name, dir=work)
    os.makedirs(os.path.join(home, "Library", "Preferences"))
    with open(os.path.join(home, "Library", "Preferences", "PlayerLink.ini"), "w") as f:
        f.write("[General]\nBWHaveSeenSetupPage=true\nBWAutoScan=false\nBWDisableLibs=true\n")
    password = os.path.join(home, "password")
    # From a file of the user's alone: a command line is every local user's to read.
    fd = os.open(password, os.O_WRONLY | os.O_CREAT, 0o600)
    os.write(fd, (PASSWORD + "\n").encode())
    os.close(fd)
    return home, password


def environment(build, home, probe=None):
    env = dict(os.environ, PLAYERLINK_HOME=home, QT_QPA_PLATFORM="offscreen", QT_QUICK_BACKEND="software",
               DBUS_SYSTEM_BUS_ADDRESS="unix:path=/nonexistent")
    env.pop("DISPLAY", None)
    env.pop("WAYLAND_DISPLAY", None)
    if probe:
        env["QT_PLUGIN_PATH"] = os.path.join(build, "bench", "plugins")
        env["QT_QPA_GENERIC_PLUGINS"] = probe
    return env



def resident_kib(pid):
    with open("/proc/%d/status" % pid) as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def frames(path):
    result = []
    if os.path.exists(path):
        for line in open(path):
            parts = line.split()
            if len(parts) == 3 and parts[0] == "frame":
                result.append((float(parts[1]), parts[2] == "1"))
    return result



def measure(build, name, path, probe, vlc_port, work, rss_at, cpu_seconds):
    home, password = make_home(work, name)
    proxy = TimedProxy(vlc_port)
    frame_log = os.path.join(home, "frames.log")
    env = environment(build, home, probe)
    env["PLAYERLINK_FRAME_LOG"] = frame_log
    load = os.getloadavg()[0]
    launched = time.monotonic()
    process = subprocess.Popen([path, "--connect", "127.0.0.1:%d" % proxy.port, "--password-file", password],
                               env=env, stdout=subprocess.DEVNULL, stderr=open(os.path.join(home, "stderr.log"), "w"))
    try:
        # The median over five seconds: a playlist reply on its way holds a
        # megabyte for a moment.
        samples = []
        for i in range(11):
            time.sleep(max(0.0, launched + rss_at + i * 0.5 - time.monotonic()))
            samples.append(resident_kib(process.pid))
        rss = statistics.median(samples)
        before = cpu_ticks(process.pid)
        started = time.monotonic()
        time.sleep(cpu_seconds)
        after = cpu_ticks(process.pid)
        elapsed = time.monotonic() - started
    finally:
        stop(process)
        proxy.close()
    requests = proxy.log()
    status = [r for r in requests if r["kind"] == "/requests/status.xml" and r["answered"] is not None]
    shown = [t for t, remote in frames(frame_log) if remote]
    first_status = status[0]["asked"] - launched if status else None
    first_frame = shown[0] - launched if shown else None
    state_shown = None
    if status:
        later = [t for t in shown if t > status[0]["answered"]]
        state_shown = later[0] - launched if later else None
    cpu = (after - before) * 100.0 / os.sysconf("SC_CLK_TCK") / elapsed
    return {"first_status": first_status, "first_frame": first_frame, "state_shown": state_shown,
            "rss_mib": rss / 1024.0, "cpu": cpu, "load": load,
            "first_requests": [(r["kind"], r["asked"] - launched) for r in requests[:4]]}


def callgrind(build, name, path, vlc_port, work, settle, seconds):
    """Instructions per minute on the remote screen, under callgrind."""
    home, password = make_home(work, name)
    proxy = TimedProxy(vlc_port)
    out = os.path.join(work, "callgrind-%s" % name)
    process = subprocess.Popen(["valgrind", "--tool=callgrind", "--callgrind-out-file=" + out + ".%p",
                                path, "--connect", "127.0.0.1:%d" % proxy.port, "--password-file", password],
                               env=environment(build, home), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        # Settled once the remote screen has polled a while (start-up under
        # callgrind takes long, the longer the busier the machine).
        launched = time.monotonic()
        while time.monotonic() - launched < 900:
            polls = [r for r in proxy.log() if r["kind"] == "/requests/status.xml" and r["answered"]]
            if len(polls) >= 10 and time.monotonic() - launched >= settle:
                break
            time.sleep(1)
        else:
            raise SystemExit("%s did not settle on the remote screen" % name)
        time.sleep(3)
        pid = str(process.pid)
        subprocess.run(["callgrind_control", "--zero", pid], check=True, capture_output=True)
        started = time.monotonic()
        time.sleep(seconds)
        subprocess.run(["callgrind_control", "--dump=measured", pid], check=True, capture_output=True)
        elapsed = time.monotonic() - started
        measured = [r for r in proxy.log() if r["asked"] >= started and r["asked"] < started + elapsed]
    finally:
        stop(process)
        proxy.close()
    dumps = [d for d in glob.glob(out + "." + pid + "*") if "measured" in open(d, errors="replace").read(4096)]
    instructions = None
    for line in open(max(dumps, key=os.path.getmtime), errors="replace"):
        if line.startswith("summary:") or line.startswith("totals:"):
            instructions = int(line.split()[1])
    kinds = {}
    for r in measured:
        kinds.setdefault(r["kind"], [0, 0])
        kinds[r["kind"]][0] += 1
        kinds[r["kind"]][1] += r["bytes"]
    scale = 60.0 / elapsed
    return instructions * scale, {k: (n * scale, b * scale) for k, (n, b) in kinds.items()}, max(dumps, key=os.path.getmtime)


def seconds_text(value):
    return "%.3f s" % value if value is not None else "none"


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--build", default="build-bench")
    parser.add_argument("--runs", type=int, default=3)
    parser.add_argument("--rss-at", type=float, default=20.0)
    parser.add_argument("--cpu-seconds", type=float, default=60.0)
    parser.add_argument("--callgrind", action="store_true")
    parser.add_argument("--settle", type=float, default=30.0,
                        help="with --callgrind: at least these seconds, and ten status polls, before counting")
    parser.add_argument("--reference", help="a build of another commit to measure beside this one")
    parser.add_argument("--only", choices=["playerlink", "reference"], help="measure this program alone")
    parser.add_argument("--vlc-port", type=int,
                        help="use the VLC already running there (started as this script starts it) instead")
    parser.add_argument("--keep", action="store_true", help="keep the work folder (callgrind dumps, logs)")
    args = parser.parse_args()
    build = os.path.abspath(os.path.join(root, args.build))
    programs = [(name, os.path.join(build, rel), probe) for name, rel, probe in PROGRAMS]
    if args.reference:
        paths = [os.path.join(args.reference, rel) for rel in REFERENCE_PATHS]
        programs.append(("reference", next((p for p in paths if os.path.exists(p)), paths[0]), "plframeprobequick"))
    programs = [p for p in programs if not args.only or p[0] == args.only]
    for name, path, probe in programs:
        if not os.access(path, os.X_OK):
            raise SystemExit("%s is not built: %s" % (name, path))
        plugin = os.path.join(build, "bench", "plugins", "generic", "lib%s.so" % probe)
        if not args.callgrind and not os.path.exists(plugin):
            raise SystemExit("the frame probe is not built: %s (target %s)" % (plugin, probe))
    work = tempfile.mkdtemp(prefix="playerlink-figures-")
    vlc_port, vlc = (args.vlc_port, None) if args.vlc_port else start_vlc(work)
    try:
        if args.callgrind:
            print("instructions on the remote screen over %.0f s, once settled, VLC with %d items, playing:"
                  % (args.cpu_seconds, ITEMS))
            for name, path, _ in programs:
                per_minute, traffic, dump = callgrind(build, name, path, vlc_port, work, args.settle, args.cpu_seconds)
                print("%-18s %14.0f instructions/min   (%s)" % (name, per_minute, dump))
                for kind, (n, size) in sorted(traffic.items()):
                    print("    %-30s %6.1f requests/min %9.3f MB/min" % (kind, n, size / 1e6))
                sys.stdout.flush()
            return 0
        results = {name: [] for name, _, _ in programs}
        for run in range(args.runs):
            # Each goes first in turn: neither always meets a warm cache.
            order = programs if run % 2 == 0 else programs[::-1]
            for name, path, probe in order:
                r = measure(build, name, path, probe, vlc_port, work, args.rss_at, args.cpu_seconds)
                results[name].append(r)
                print("run %d %-18s load %.2f: first status %s, remote screen %s, state shown %s, "
                      "RSS %.1f MiB, CPU %.2f %%  [%s]"
                      % (run + 1, name, r["load"], seconds_text(r["first_status"]), seconds_text(r["first_frame"]),
                         seconds_text(r["state_shown"]), r["rss_mib"], r["cpu"],
                         ", ".join("%s %.3f" % kt for kt in r["first_requests"])), file=sys.stderr)
        figures = [
            ("launch to first status request (s)", "first_status", "%.3f"),
            ("launch to remote screen's first frame (s)", "first_frame", "%.3f"),
            ("launch to VLC's state on screen (s)", "state_shown", "%.3f"),
            ("resident memory from %.0f s (MiB)" % args.rss_at, "rss_mib", "%.1f"),
            ("idle CPU over %.0f s (%% of a core)" % args.cpu_seconds, "cpu", "%.2f"),
        ]
        names = [name for name, _, _ in programs]
        heads = names
        print("VLC holding %d items, playing; median of %d runs (each run's value in brackets); load average %s"
              % (ITEMS, args.runs, " ".join("%.2f" % r["load"] for n in names for r in results[n])))
        print(("%-44s" + " %-36s" * len(names)) % tuple(["figure"] + heads))
        for label, key, fmt in figures:
            cells = []
            for name in names:
                values = [r[key] for r in results[name]]
                known = [v for v in values if v is not None]
                median = fmt % statistics.median(known) if known else "none"
                cells.append("%s [%s]" % (median, " ".join(fmt % v if v is not None else "-" for v in values)))
            print(("%-44s" + " %-36s" * len(names)) % tuple([label] + cells))
        return 0
    finally:
        if vlc:
            subprocess.run(["kill", vlc])
        if not args.keep:
            shutil.rmtree(work, ignore_errors=True)
        else:
            print("work folder kept: %s" % work, file=sys.stderr)


if __name__ == "__main__":
    sys.exit(main())
