#!/usr/bin/env bash
# Idle CPU of the remotes list: PlayerLink (offscreen) showing N saved
# remotes, each probed every 3 seconds, against the same list with no saved
# remote (the reference), each over SECONDS. The remotes are N entries of one
# real VLC on loopback, or with VLCS=separate N real VLCs on loopback, each
# on a port of its own (N answering computers).
# Usage: [VLCS=one|separate] bench/remotes_list_idle_cpu.sh [BUILD_DIR=build] [N=20] [SECONDS=60]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build} count=${2:-20} seconds=${3:-60} vlcs=${VLCS:-one}
case $vlcs in
  one | separate) ;;
  *) echo "VLCS is one or separate, not $vlcs" >&2; exit 2 ;;
esac
app="$root/$build/src/app/playerlink"
ticks=$(getconf CLK_TCK)
work=$(mktemp -d /tmp/playerlink-idlecpu-XXXXXX)
ports=() vlc_pids=()
trap 'for p in "${vlc_pids[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$work"' EXIT

free_port() {
  python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])'
}

start_vlc() { # a VLC on a free port of loopback; its port joins ports
  local port
  port=$(free_port)
  vlc_pids+=("$("$root/scripts/start-local-vlc.sh" "$port" bench "$work/vlc-${#ports[@]}.log")")
  ports+=("$port")
}

start_vlc
if [ "$vlcs" = separate ]; then
  for _ in $(seq 2 "$count"); do start_vlc; done
fi

cpu_of() { # utime + stime of a process, in clock ticks
  awk '{ print $14 + $15 }' "/proc/$1/stat"
}

measure() { # remotes -> CPU percent of one core
  local remotes=$1 home="$work/home-$1"
  mkdir -p "$home/Documents" "$home/Library/Preferences"
  # Remote i is on the i-th port, the last port standing for the rest.
  python3 - "$home/Documents/BWRemotesFilename" "$remotes" "${ports[@]}" <<'PY'
import json, sys
path, n, ports = sys.argv[1], int(sys.argv[2]), sys.argv[3:]
remotes = [{"hostAddress": f"127.0.0.1:{ports[min(i, len(ports) - 1)]}", "nickname": f"Computer {i + 1}",
            "password": "bench", "isDefault": False, "browseAdd": False} for i in range(n)]
json.dump({"format": "PlayerLink saved remotes", "version": 1, "remotes": remotes}, open(path, "w"))
PY
  chmod 600 "$home/Documents/BWRemotesFilename"
  # No setup page, no discovery (there is no system bus here): the list alone.
  printf '[General]\nBWHaveSeenSetupPage=true\nBWAutoScan=false\nBWDisableLibs=true\n' \
    > "$home/Library/Preferences/PlayerLink.ini"
  PLAYERLINK_HOME=$home QT_QPA_PLATFORM=offscreen DBUS_SYSTEM_BUS_ADDRESS=unix:path=/nonexistent \
    "$app" >"$work/app-$remotes.log" 2>&1 &
  local pid=$!
  sleep 5 # start-up and the first probes
  local before after
  before=$(cpu_of "$pid")
  sleep "$seconds"
  after=$(cpu_of "$pid")
  kill "$pid"; wait "$pid" 2>/dev/null || true
  python3 -c "print(f'{($after - $before) * 100 / $ticks / $seconds:.2f}')"
}

reference=$(measure 0)
list=$(measure "$count")
if [ "$vlcs" = separate ]; then
  what="${count} answering computers (separate VLCs on loopback) probed every 3 s"
else
  what="${count} saved remotes probed every 3 s"
fi
echo "remotes list idle CPU over ${seconds} s (percent of one core): ${what}: ${list}; no saved remote (reference): ${reference}"
