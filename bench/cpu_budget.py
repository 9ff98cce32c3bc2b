#!/usr/bin/env python3
"""What the application costs while it sits on the remote screen: starts VLC
on loopback with a playlist of 10,000 items and, in the same run, the
reference of 10 items; for each runs `playerlink --connect` under
callgrind, lets it settle, then counts the instructions it executes over
SECONDS (default 60) and the requests it sends (through a counting proxy).
The goal: the long playlist costs at most twice the short one, since an
unchanged playlist reply must be cheap.

Usage: cpu_budget.py PLAYERLINK [SECONDS]"""
import base64
import glob
import os
import signal
import subprocess
import sys
import tempfile
import time
import urllib.request

here = os.path.dirname(os.path.abspath(__file__))
root = os.path.join(here, "..")
sys.path.insert(0, here)
from poll_traffic import Proxy, free_port  # noqa: E402

PASSWORD = "budget"
SETTLE_SECONDS = 45  # start-up under callgrind, the first playlist, the skin


def playlist_items(port):
    request = urllib.request.Request("http://127.0.0.1:%d/requests/playlist.xml" % port)
    request.add_header("Authorization", "Basic " + base64.b64encode((":" + PASSWORD).encode()).decode())
    try:
        return urllib.request.urlopen(request, timeout=5).read().count(b"<leaf ")
    except OSError:
        return -1


def measure(app, items, seconds, work):
    media = os.path.join(work, "media")
    if not os.path.isdir(media):
        os.makedirs(media)
        os.chmod(work, 0o755)
    tracks = subprocess.run([sys.executable, os.path.join(root, "scripts", "make-sample-media.py"), media],
                            check=True, capture_output=True, text=True).stdout.split()
    listing = os.path.join(work, "list-%d.m3u" % items)
    with open(listing, "w") as f:
        for i in range(items):
            f.write(tracks[i % len(tracks)] + "\n")
    os.chmod(listing, 0o644)
    port = free_port()
    vlc = subprocess.run([os.path.join(root, "scripts", "start-local-vlc.sh"), str(port), PASSWORD,
                          os.path.join(work, "vlc-%d.log" % items), "--loop", listing],
                         check=True, capture_output=True, text=True).stdout.strip()
    app_process = None
    try:
        deadline = time.time() + 120
        while playlist_items(port) < items and time.time() < deadline:
            time.sleep(1)
        proxy = Proxy(port)
        out = os.path.join(work, "callgrind-%d" % items)
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen", PLAYERLINK_HOME=os.path.join(work, "home-%d" % items),
                   PLAYERLINK_PASSWORD=PASSWORD)
        app_process = subprocess.Popen(["valgrind", "--tool=callgrind", "--callgrind-out-file=" + out + ".%p",
                                        app, "--connect", "127.0.0.1:%d" % proxy.port],
                                       env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(SETTLE_SECONDS)
        pid = str(app_process.pid)
        subprocess.run(["callgrind_control", "--zero", pid], check=True, capture_output=True)
        with proxy.lock:
            proxy.counts.clear()
        time.sleep(seconds)
        subprocess.run(["callgrind_control", "--dump=measured", pid], check=True, capture_output=True)
        with proxy.lock:
            counts = {kind: list(v) for kind, v in proxy.counts.items()}
        time.sleep(2)
        dumps = [d for d in glob.glob(out + "." + pid + "*") if open(d, errors="replace").read().find("measured") >= 0]
        instructions = None
        for line in open(max(dumps, key=os.path.getmtime), errors="replace"):
            if line.startswith("summary:") or line.startswith("totals:"):
                instructions = int(line.split()[1])
        return instructions * 60.0 / seconds, {k: (v[0] * 60.0 / seconds, v[1] * 60.0 / seconds) for k, v in counts.items()}
    finally:
        if app_process:
            app_process.send_signal(signal.SIGTERM)
            try:
                app_process.wait(30)
            except subprocess.TimeoutExpired:
                app_process.kill()
        subprocess.run(["kill", vlc])


def main():
    app = os.path.abspath(sys.argv[1])
    seconds = int(sys.argv[2]) if len(sys.argv) > 2 else 60
    work = tempfile.mkdtemp(prefix="playerlink-cpu-")
    results = {}
    for items in (10, 10000):  # the reference first, in the same run
        results[items] = measure(app, items, seconds, work)
        per_minute, traffic = results[items]
        print("%6d items: %14.0f instructions/min" % (items, per_minute))
        for kind, (requests, size) in sorted(traffic.items()):
            print("        %-28s %6.1f requests/min %9.2f MB/min" % (kind, requests, size / 1e6))
        sys.stdout.flush()
    ratio = results[10000][0] / results[10][0]
    print("ratio 10,000 / 10 items: %.2f (goal: at most 2.00) %s" % (ratio, "met" if ratio <= 2.0 else "NOT MET"))
    return 0 if ratio <= 2.0 else 1


if __name__ == "__main__":
    sys.exit(main())
