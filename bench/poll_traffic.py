#!/usr/bin/env python3
"""What polling costs against a real VLC with a long playlist: starts VLC on
loopback with N items (default 10,000), puts a counting proxy in front of it
and lets `playerlink-cli watch` poll it for SECONDS, as the remote screen
does (status every second, the playlist poll every third). Prints requests
and bytes per minute by kind, for each CLI given.

Usage: poll_traffic.py SECONDS CLI [CLI...]"""
import os
import socket
import subprocess
import sys
import tempfile
import threading
import time
from bench_support import free_port

here = os.path.dirname(os.path.abspath(__file__))
root = os.path.join(here, "..")



class Proxy:
    """One connection per request (the client closes or VLC does); counts the
    reply bytes per request path."""

    def __init__(self, target_port):
        self.target = target_port
        self.port = free_port()
        self.counts = {}
        self.lock = threading.Lock()
        self.server = socket.socket()
        self.server.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        self.server.bind(("127.0.0.1", self.port))
        self.server.listen(16)
        threading.Thread(target=self.accept, daemon=True).start()

    def accept(self):
        while True:
            client, _ = self.server.accept()
            threading.Thread(target=self.serve, args=(client,), daemon=True).start()

    def serve(self, client):
        upstream = socket.create_connection(("127.0.0.1", self.target))
        kind = ["?"]

        def up():
            try:
                while True:
                    data = client.recv(65536)
                    if not data:
                        break
                    if data.startswith(b"GET "):
                        path = data.split(b" ")[1].decode()
                        kind[0] = path.split("?")[0] + ("?command" if "command=" in path else "")
                        with self.lock:
                            self.counts.setdefault(kind[0], [0, 0])[0] += 1
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
                with self.lock:
                    self.counts.setdefault(kind[0], [0, 0])[1] += len(data)
                client.sendall(data)
        except OSError:
            pass
        client.close()
        upstream.close()


def main():
    seconds = int(sys.argv[1])
    clis = sys.argv[2:]
    items = int(os.environ.get("PL_ITEMS", "10000"))
    work = tempfile.mkdtemp(prefix="playerlink-traffic-")
    os.chmod(work, 0o755)
    media = os.path.join(work, "media")
    os.makedirs(media)
    tracks = subprocess.run([sys.executable, os.path.join(root, "scripts", "make-sample-media.py"), media],
                            check=True, capture_output=True, text=True).stdout.split()
    listing = os.path.join(work, "long.m3u")
    with open(listing, "w") as f:
        for i in range(items):
            f.write(tracks[i % len(tracks)] + "\n")
    os.chmod(listing, 0o644)
    port = free_port()
    password = "traffic"
    pid = subprocess.run([os.path.join(root, "scripts", "start-local-vlc.sh"), str(port), password,
                          os.path.join(work, "vlc.log"), "--loop", listing],
                         check=True, capture_output=True, text=True).stdout.strip()
    try:
        time.sleep(8)  # VLC reads the list in
        for cli in clis:
            proxy = Proxy(port)
            env = dict(os.environ, PLAYERLINK_PASSWORD=password, PLAYERLINK_HOME=os.path.join(work, "home"))
            subprocess.run([cli, "--host", "127.0.0.1:%d" % proxy.port, "watch", "--seconds", str(seconds)],
                           env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            scale = 60.0 / seconds
            print(cli)
            total = 0
            for kind, (requests, size) in sorted(proxy.counts.items()):
                total += size
                print("  %-32s %7.1f requests/min %10.2f MB/min" % (kind, requests * scale, size * scale / 1e6))
            print("  %-32s %7s              %10.2f MB/min" % ("all", "", total * scale / 1e6))
    finally:
        subprocess.run(["kill", pid])


if __name__ == "__main__":
    main()
