#!/usr/bin/env bash
# The arm64 package of the phone build, tried here: its programs run under
# qemu's user-mode emulator at a phone's size (360 x 720 at scale factor 2,
# and turned) against a real VLC on loopback, beside the amd64 build.
#
#   - the package: arm64 programs, stripped, their debug information in the
#     -dbgsym package by build id, nothing lintian calls an error or warning;
#   - the arm64 playerlink-cli status answers;
#   - launch to the first status request, and resident memory on the remote
#     screen, arm64 under qemu and amd64;
#   - on a display (Xvfb) and a session bus of its own: a key pressed on the
#     remote screen (space: play/pause) reaches VLC, and playerctl drives
#     the arm64 program through MPRIS;
#   - the picture tour, arm64 and amd64, every picture taken, both compared.
#
# Usage: phone.sh ARM64_BUILD AMD64_PROGRAM
# ARM64_BUILD holds the package (cpack) and names its arm64 root in its
# CMake cache; AMD64_PROGRAM is the same Qt Quick program built for this
# machine. Pictures and figures go to ARM64_BUILD/phone-run.
set -euo pipefail
build=$(realpath "$1")
amd64_app=$(realpath "$2")
here=$(cd "$(dirname "$0")/.." && pwd)

fail() { echo "FAIL: $*" >&2; exit 1; }
note() { printf '%s\n' "$*" | tee -a "$out/figures.txt"; }

root=$(sed -n 's/^PLAYERLINK_ARM64_ROOT:PATH=//p' "$build/CMakeCache.txt")
[ -d "${root:-/nonexistent}" ] || fail "no arm64 root named in $build/CMakeCache.txt"
# The arm64 Qt, run by qemu over the root, does not see its own plugin and
# QML folders through qemu's redirection of paths (on a phone they are
# where Qt looks): they are named to it.
qemu=(env QT_PLUGIN_PATH="$root/usr/lib/aarch64-linux-gnu/qt6/plugins"
      QML_IMPORT_PATH="$root/usr/lib/aarch64-linux-gnu/qt6/qml" qemu-aarch64-static -L "$root")
mapfile -t debs < <(ls "$build"/playerlink_*_arm64.deb)
[ "${#debs[@]}" -eq 1 ] || fail "expected one playerlink_*_arm64.deb in $build"
deb=${debs[0]}
ddeb=$(ls "$build"/playerlink-dbgsym_*_arm64.ddeb)

out=$build/phone-run
rm -rf "$out"
mkdir -p "$out"
work=$(mktemp -d /tmp/playerlink-phone-XXXXXX)
chmod 755 "$work"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# --- The package ---------------------------------------------------------
pkg=$work/pkg
dpkg-deb -x "$deb" "$pkg"
dpkg-deb -x "$ddeb" "$work/dbgsym"
app=$pkg/usr/bin/playerlink
cli=$pkg/usr/bin/playerlink-cli
for program in "$app" "$cli"; do
  file "$program" | grep -q "ARM aarch64" || fail "$program is not an arm64 program"
  file "$program" | grep -q ", stripped" || fail "$program is not stripped"
  id=$(readelf -n "$program" | sed -n 's/^ *Build ID: *//p')
  [ -s "$work/dbgsym/usr/lib/debug/.build-id/${id:0:2}/${id:2}.debug" ] || fail "no debug information for $program"
done
lintian --fail-on error,warning "$deb" "$ddeb" >"$out/lintian.txt" 2>&1 \
  || { cat "$out/lintian.txt" >&2; fail "lintian finds errors or warnings in the arm64 package"; }
note "arm64 package: $(basename "$deb"), $(du -k "$deb" | cut -f1) kB (installed $(dpkg-deb -f "$deb" Installed-Size) kB);" \
     "debug symbols $(du -k "$ddeb" | cut -f1) kB"
note "depends: $(dpkg-deb -f "$deb" Depends)"
[ ! -s "$build/build-time.txt" ] || note "$(cat "$build/build-time.txt")"
"${qemu[@]}" "$app" --version | grep -qx "[a-z-]* [0-9.]*" || fail "the arm64 playerlink --version"

# --- A real VLC on loopback ----------------------------------------------
media=$work/media
mkdir -p "$media"
mapfile -t tracks < <(python3 "$here/scripts/make-sample-media.py" "$media")
port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1]); s.close()')
export PLAYERLINK_PASSWORD="phone-$RANDOM$RANDOM"
(umask 077; printf '%s\n' "$PLAYERLINK_PASSWORD" >"$work/password")
vlc_pid=$("$here/scripts/start-local-vlc.sh" "$port" - "$work/vlc.log" --loop "${tracks[@]}")
pids+=("$vlc_pid")
host=127.0.0.1:$port

# What VLC is doing, asked by the arm64 playerlink-cli.
vlc_state() {
  "${qemu[@]}" "$cli" --host "$host" --password-file "$work/password" --json status \
    | python3 -c 'import json, sys; print(json.load(sys.stdin)[sys.argv[1]])' "${1:-state}"
}
# Waits up to 60 s (emulation is slow) for VLC to be in state $1.
expect_state() {
  local want=$1 what=$2 now=
  for _ in $(seq 1 60); do
    now=$(vlc_state) || true
    [ "$now" = "$want" ] && return 0
    sleep 1
  done
  fail "$what: VLC is $now, not $want"
}
"${qemu[@]}" "$cli" --host "$host" --password-file "$work/password" status >"$out/cli-status.txt" \
  || fail "the arm64 playerlink-cli status did not answer"
grep -q "Morning Light\|Café\|Bridge\|Encore" "$out/cli-status.txt" || fail "the arm64 playerlink-cli status names no track: $(cat "$out/cli-status.txt")"
expect_state playing "VLC after its start"
note "arm64 playerlink-cli status: $(head -1 "$out/cli-status.txt")"

# --- Launch to the first status request, and memory ----------------------
# A loopback relay in front of VLC notes when the first status request
# passes through it. Started in the background by the caller.
relay() {
  exec python3 - "$port" "$1" "$2" <<'PY'
import socket, sys, threading, time
target, stamp, port_file = int(sys.argv[1]), sys.argv[2], sys.argv[3]
server = socket.socket()
server.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
server.bind(("127.0.0.1", 0))
server.listen(16)
with open(port_file, "w") as f:
    f.write("%d\n" % server.getsockname()[1])
seen = threading.Event()

def pipe(source, sink, watch):
    try:
        while data := source.recv(65536):
            if watch and not seen.is_set() and b"/requests/status.xml" in data:
                seen.set()
                with open(stamp, "w") as f:
                    f.write("%.3f\n" % time.time())
            sink.sendall(data)
    except OSError:
        pass
    finally:
        for s in (source, sink):
            try:
                s.shutdown(socket.SHUT_RDWR)
            except OSError:
                pass

while True:
    client, _ = server.accept()
    upstream = socket.create_connection(("127.0.0.1", target))
    threading.Thread(target=pipe, args=(client, upstream, True), daemon=True).start()
    threading.Thread(target=pipe, args=(upstream, client, False), daemon=True).start()
PY
}

# Starts a program on the remote screen at the phone's size through a relay,
# waits for its first status request, lets it settle for 15 s and reads its
# resident memory (under qemu, qemu's own included).
measure() {
  local name=$1 stamp=$work/$1.stamp port_file=$work/$1.port relay_pid pid t0 t1 relay_port rss peak
  shift
  relay "$stamp" "$port_file" >"$out/$name-relay.log" 2>&1 &
  relay_pid=$!
  pids+=("$relay_pid")
  for _ in $(seq 1 50); do [ -s "$port_file" ] && break; sleep 0.1; done
  relay_port=$(cat "$port_file")
  mkdir -p "$work/home-$name"
  t0=$(date +%s.%N)
  PLAYERLINK_HOME=$work/home-$name QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 \
    "$@" -qwindowgeometry 360x720 --connect "127.0.0.1:$relay_port" --password-file "$work/password" \
    >"$out/$name-launch.log" 2>&1 &
  pid=$!
  pids+=("$pid")
  for _ in $(seq 1 1800); do [ -s "$stamp" ] && break; kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  [ -s "$stamp" ] || { cat "$out/$name-launch.log" >&2; fail "$name made no status request"; }
  t1=$(cat "$stamp")
  sleep 15
  rss=$(awk '/^VmRSS/ { print $2 }' "/proc/$pid/status")
  peak=$(awk '/^VmHWM/ { print $2 }' "/proc/$pid/status")
  kill -TERM "$pid"
  wait "$pid" || true
  kill "$relay_pid"
  wait "$relay_pid" 2>/dev/null || true
  note "$name: launch to the first status request $(python3 -c "print(f'{$t1 - $t0:.2f}')") s;" \
       "resident on the remote screen $((rss / 1024)) MB (peak $((peak / 1024)) MB)"
}
measure arm64 "${qemu[@]}" "$app"
measure amd64 "$amd64_app"

# --- Keys and MPRIS on a display and a session bus of their own ----------
# Runs inside dbus-run-session, in a shell of its own.
session_checks() {
  local qemu=(env QT_PLUGIN_PATH="$root/usr/lib/aarch64-linux-gnu/qt6/plugins"
              QML_IMPORT_PATH="$root/usr/lib/aarch64-linux-gnu/qt6/qml" qemu-aarch64-static -L "$root")
  local xvfb pid window=
  exec 3>"$work/display"
  Xvfb -displayfd 3 -screen 0 1600x1600x24 -nolisten tcp >"$out/xvfb.log" 2>&1 &
  xvfb=$!
  trap 'kill ${pid:-} ${xvfb:-} 2>/dev/null || true' EXIT
  for _ in $(seq 1 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  DISPLAY=:$(cat "$work/display")
  export DISPLAY
  mkdir -p "$work/home-session"
  PLAYERLINK_HOME=$work/home-session QT_QPA_PLATFORM=xcb QT_QUICK_BACKEND=software QT_SCALE_FACTOR=2 \
    "${qemu[@]}" "$app" -qwindowgeometry 360x720 --connect "$host" --password-file "$work/password" \
    >"$out/session.log" 2>&1 &
  pid=$!
  # The MPRIS player appears with the remote screen.
  for _ in $(seq 1 180); do playerctl -l 2>/dev/null | grep -qx playerlink && break; sleep 1; done
  playerctl -l 2>/dev/null | grep -qx playerlink || { cat "$out/session.log" >&2; fail "no MPRIS player playerlink on the session bus"; }
  window=$(xdotool search --sync --name '^PlayerLink$' | head -1)
  xdotool windowfocus --sync "$window"
  expect_state playing "before the key"
  xdotool key space
  expect_state paused "space on the remote screen"
  xdotool key space
  expect_state playing "space again on the remote screen"
  note "remote screen (arm64, Xvfb): space paused VLC and played it again"

  for _ in $(seq 1 30); do [ "$(playerctl -p playerlink status)" = Playing ] && break; sleep 1; done
  [ "$(playerctl -p playerlink status)" = Playing ] || fail "MPRIS says $(playerctl -p playerlink status), VLC plays"
  playerctl -p playerlink pause
  expect_state paused "playerctl pause"
  playerctl -p playerlink play
  expect_state playing "playerctl play"
  local before after title
  before=$(vlc_state title)
  playerctl -p playerlink next
  for _ in $(seq 1 60); do after=$(vlc_state title); [ "$after" != "$before" ] && break; sleep 1; done
  [ "$after" != "$before" ] || fail "playerctl next: VLC still plays $before"
  for _ in $(seq 1 30); do title=$(playerctl -p playerlink metadata xesam:title 2>/dev/null || true); [ "$title" = "$after" ] && break; sleep 1; done
  [ "$title" = "$after" ] || fail "MPRIS names \"$title\", VLC plays \"$after\""
  # Phosh's and Plasma's media controls find the icon and name through
  # the desktop file the player names.
  local entry
  entry=$(gdbus call --session --dest org.mpris.MediaPlayer2.playerlink --object-path /org/mpris/MediaPlayer2 \
          --method org.freedesktop.DBus.Properties.Get org.mpris.MediaPlayer2 DesktopEntry | sed -n "s/^(<'\(.*\)'>,)$/\1/p")
  [ -f "$pkg/usr/share/applications/$entry.desktop" ] || fail "MPRIS names the desktop file \"$entry\", not in the package"
  note "MPRIS (arm64, playerctl): status Playing, pause, play and next reached VLC; the title follows (\"$after\"); desktop entry $entry"
  kill -TERM "$pid"
  wait "$pid" || true
  kill "$xvfb"
  wait "$xvfb" 2>/dev/null || true
}
export -f session_checks expect_state vlc_state fail note
export work out host cli app root pkg
dbus-run-session -- bash -c 'set -euo pipefail; session_checks'

# --- The picture tour at the phone's size --------------------------------
tour() {
  local name=$1
  shift
  mkdir -p "$work/home-tour-$name"
  PLAYERLINK_HOME=$work/home-tour-$name QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 \
    "$@" -qwindowgeometry 360x720 --screenshots "$out/tour-$name" --connect "$host" --password-file "$work/password" \
    >"$out/tour-$name.log" 2>&1 || { cat "$out/tour-$name.log" >&2; fail "the $name picture tour failed"; }
}
start=$(date +%s)
tour arm64 "${qemu[@]}" "$app"
arm64_seconds=$(($(date +%s) - start))
start=$(date +%s)
tour amd64 "$amd64_app"
amd64_seconds=$(($(date +%s) - start))
python3 - "$out/tour-arm64" "$out/tour-amd64" <<'PY' | tee -a "$out/figures.txt"
import os, struct, sys
arm, amd = sys.argv[1:3]
def size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    return struct.unpack(">II", head[16:24])
a, b = sorted(os.listdir(arm)), sorted(os.listdir(amd))
if a != b:
    sys.exit("FAIL: the tours took different pictures: arm64 only %s, amd64 only %s"
             % (sorted(set(a) - set(b)), sorted(set(b) - set(a))))
sizes = {}
for name in a:
    w, h = size(os.path.join(arm, name))
    if (w, h) != size(os.path.join(amd, name)):
        sys.exit("FAIL: %s is %dx%d on arm64, %dx%d on amd64" % ((name, w, h) + size(os.path.join(amd, name))))
    sizes.setdefault("%dx%d" % (w, h), []).append(name)
print("picture tour: %d pictures on both, same names and sizes (%s)"
      % (len(a), ", ".join("%s: %d" % (k, len(v)) for k, v in sorted(sizes.items()))))
PY
note "picture tour: arm64 under qemu ${arm64_seconds} s, amd64 ${amd64_seconds} s"
# How far each arm64 picture is from the amd64 one (SSIM, 1 = the same).
for picture in "$out"/tour-arm64/*.png; do
  name=$(basename "$picture")
  ssim=$(ffmpeg -nostdin -loglevel info -i "$picture" -i "$out/tour-amd64/$name" -lavfi ssim -f null - 2>&1 \
         | sed -n 's/.*SSIM.* All:\([0-9.]*\).*/\1/p')
  printf '%s %s\n' "$ssim" "$name"
done | sort -n >"$out/tour-ssim.txt"
note "least alike arm64/amd64 pictures (SSIM): $(head -5 "$out/tour-ssim.txt" | tr '\n' ';')"
echo "phone checks passed; pictures and figures in $out"
