#!/usr/bin/env python3
"""What a hostile or broken server costs the remote screen: runs
`playerlink --connect` (offscreen) for SECONDS against a server on loopback,
for each application given, in the same run (the reference first). MODE is
one of:

  vlc      a real VLC with a few items (the healthy reference)
  streams  a status whose stream information (PL_INFOS entries, default 500,
           with terminal escapes and line breaks) changes on every poll
  endless  a good status, and a playlist that never ends
  junk     every page answered with a web server's welcome page

PL_SETTLE seconds (default 3) pass before the measuring starts. Prints per
application: the lines and bytes it wrote to standard error, its
CPU time in percent of one core, requests and bytes per minute by page, and
the connection texts the remote screen showed (its "remote screen:" lines).

Usage: hostile_server.py MODE SECONDS APP [APP...]"""
import http.server
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

here = os.path.dirname(os.path.abspath(__file__))
root = os.path.join(here, "..")
sys.path.insert(0, here)
from poll_traffic import Proxy, free_port  # noqa: E402

PASSWORD = "hostile"
INFOS = int(os.environ.get("PL_INFOS", "500"))
SETTLE = int(os.environ.get("PL_SETTLE", "3"))
STATUS_HEAD = ("<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"yes\" ?><root><fullscreen>false</fullscreen>"
               "<volume>256</volume><repeat>false</repeat><apiversion>3</apiversion><time>%d</time>"
               "<length>300</length><state>playing</state><loop>false</loop><random>false</random>"
               "<version>3.0.24 Vetinari</version><rate>1</rate><currentplid>3</currentplid><position>0.1</position>")
PLAYLIST = ("<?xml version=\"1.0\" encoding=\"utf-8\" standalone=\"yes\" ?><node ro=\"rw\" name=\"Undefined\" id=\"0\">"
            "<node ro=\"ro\" name=\"Playlist\" id=\"1\"><leaf ro=\"rw\" name=\"song.mp3\" id=\"3\" duration=\"300\" "
            "uri=\"file:///music/song.mp3\" current=\"current\"/></node></node>")
WELCOME = "<html><head><title>Welcome to nginx!</title></head><body>It works.</body></html>"


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    mode = "streams"
    counts = {}
    lock = threading.Lock()
    polls = [0]

    def log_message(self, *args):
        pass

    def count(self, sent):
        if os.environ.get("PL_DEBUG"):
            sys.stderr.write("%.1f %s %d %s\n" % (time.time(), self.path, sent, self.client_address[1]))
        with self.lock:
            entry = self.counts.setdefault(self.path.split("?")[0], [0, 0])
            entry[0] += 1
            entry[1] += sent

    def reply(self, body):
        data = body.encode()
        self.send_response(200)
        self.send_header("Content-Type", "text/xml")
        self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        self.wfile.write(data)
        self.count(len(data))

    def do_GET(self):
        if os.environ.get("PL_DEBUG"):
            sys.stderr.write("%.1f start %s %s\n" % (time.time(), self.path, self.client_address[1]))
        path = self.path.split("?")[0]
        if self.mode == "junk":
            return self.reply(WELCOME)
        if path == "/":
            return self.reply("<html><head><title>VLC media player - Web Interface</title></head></html>")
        if path == "/requests/status.xml":
            self.polls[0] += 1
            body = STATUS_HEAD % self.polls[0]
            if self.mode == "streams":
                poll = self.polls[0]
                infos = "".join("<info name='Codec %d'>\x1b[31m%d\x1b[0m\n2030-01-01 00:00:00.000 PlayerLink[1] "
                                "forged</info>" % (i, poll) for i in range(INFOS))
                body += ("<information><category name='Stream 0'><info name='Type'>Audio</info>%s</category>"
                         "</information>" % infos)
            return self.reply(body + "</root>")
        if path == "/requests/playlist.xml":
            if self.mode != "endless":
                return self.reply(PLAYLIST)
            self.send_response(200)
            self.send_header("Content-Type", "text/xml")
            self.send_header("Transfer-Encoding", "chunked")
            self.end_headers()
            chunk = ("<leaf ro=\"rw\" name=\"again.mp3\" id=\"9\" duration=\"1\" uri=\"file:///again.mp3\"/>" * 800).encode()
            framed = b"%x\r\n%s\r\n" % (len(chunk), chunk)
            sent = 0
            try:
                self.wfile.write(b"%x\r\n%s\r\n" % (len(PLAYLIST[:60]), PLAYLIST[:60].encode()))
                while True:
                    self.wfile.write(framed)
                    sent += len(chunk)
            except OSError:
                pass
            self.count(sent)
            self.close_connection = True
            return
        self.send_response(404)
        self.send_header("Content-Length", "0")
        self.end_headers()
        self.count(0)


def cpu_ticks(pid):
    fields = open("/proc/%d/stat" % pid).read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])


def measure(app, mode, seconds, work, index):
    vlc = None
    if mode == "vlc":
        media = os.path.join(work, "media")
        if not os.path.isdir(media):
            os.makedirs(media)
            os.chmod(work, 0o755)
        tracks = subprocess.run([sys.executable, os.path.join(root, "scripts", "make-sample-media.py"), media],
                                check=True, capture_output=True, text=True).stdout.split()
        vlc_port = free_port()
        vlc = subprocess.run([os.path.join(root, "scripts", "start-local-vlc.sh"), str(vlc_port), PASSWORD,
                              os.path.join(work, "vlc-%d.log" % index), "--loop"] + tracks[:5],
                             check=True, capture_output=True, text=True).stdout.strip()
        proxy = Proxy(vlc_port)
        port, counts, lock = proxy.port, proxy.counts, proxy.lock
    else:
        Handler.mode = mode
        Handler.counts = {}
        server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
        server.daemon_threads = True
        threading.Thread(target=server.serve_forever, daemon=True).start()
        port, counts, lock = server.server_address[1], Handler.counts, Handler.lock
    home = os.path.join(work, "home-%d" % index)
    os.makedirs(os.path.join(home, "Library", "Preferences"))
    with open(os.path.join(home, "Library", "Preferences", "PlayerLink.ini"), "w") as f:
        f.write("[General]\nBWHaveSeenSetupPage=true\nBWAutoScan=false\nBWDisableLibs=true\nBWUsersWhatsNewVersion=99\n")
    log = os.path.join(work, "stderr-%d.txt" % index)
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", PLAYERLINK_HOME=home,
               DBUS_SYSTEM_BUS_ADDRESS="unix:path=/nonexistent", DBUS_SESSION_BUS_ADDRESS="unix:path=/nonexistent",
               ASAN_OPTIONS="detect_leaks=0")
    app_process = subprocess.Popen([app, "--connect", "127.0.0.1:%d" % port, "--password", PASSWORD], env=env,
                                   stdout=subprocess.DEVNULL, stderr=open(log, "wb"))
    try:
        time.sleep(SETTLE)  # start-up (and, if asked, the first minutes)
        with lock:
            counts.clear()
        logged_before = os.path.getsize(log)
        lines_before = open(log, "rb").read().count(b"\n")
        ticks_before = cpu_ticks(app_process.pid)
        time.sleep(seconds)
        ticks = cpu_ticks(app_process.pid) - ticks_before
        with lock:
            traffic = {k: list(v) for k, v in counts.items()}
        text = open(log, "rb").read()
        lines = text.count(b"\n") - lines_before
        size = len(text) - logged_before
        shown = [l.split(b"] remote screen: ", 1)[1].decode(errors="replace") for l in text.splitlines()
                 if b"] remote screen: " in l]
        return lines, size, 100.0 * ticks / os.sysconf("SC_CLK_TCK") / seconds, traffic, shown
    finally:
        app_process.send_signal(signal.SIGTERM)
        try:
            app_process.wait(30)
        except subprocess.TimeoutExpired:
            app_process.kill()
        if vlc:
            subprocess.run(["kill", vlc])
        else:
            server.shutdown()


def main():
    if len(sys.argv) < 4 or sys.argv[1] not in ("vlc", "streams", "endless", "junk"):
        print(__doc__)
        return 2
    mode, seconds = sys.argv[1], int(sys.argv[2])
    work = tempfile.mkdtemp(prefix="playerlink-hostile-")
    try:
        for index, app in enumerate(sys.argv[3:]):
            lines, size, cpu, traffic, shown = measure(os.path.abspath(app), mode, seconds, work, index)
            print("%s (%s, %d s)" % (app, mode, seconds))
            print("    standard error: %d lines, %d bytes" % (lines, size))
            print("    CPU: %.1f %% of one core" % cpu)
            for page, (requests, sent) in sorted(traffic.items()):
                print("    %-24s %7.1f requests/min %10.2f MB/min" % (page, requests * 60.0 / seconds,
                                                                     sent * 60.0 / seconds / 1e6))
            print("    shown: %s" % " -> ".join(shown))
            sys.stdout.flush()
    finally:
        if os.environ.get("PL_KEEP"):
            print("kept:", work)
        else:
            shutil.rmtree(work, ignore_errors=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
