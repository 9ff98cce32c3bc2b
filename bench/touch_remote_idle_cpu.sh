#!/usr/bin/env bash
# Idle CPU on the remote screen: playerlink-touch (offscreen, software
# renderer) connected to one real VLC on loopback, playing, against
# playerlink (offscreen) on the same VLC (the reference), each over SECONDS.
# Usage: bench/touch_remote_idle_cpu.sh [BUILD_DIR=build] [SECONDS=60]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-build} seconds=${2:-60}
touch_app="$root/$build/src/touch/playerlink-touch"
widget_app="$root/$build/src/app/playerlink"
ticks=$(getconf CLK_TCK)
port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')
work=$(mktemp -d /tmp/playerlink-touchidle-XXXXXX)
# A tone of ten minutes, so that the player stays playing.
ffmpeg -loglevel error -f lavfi -i "sine=frequency=440:duration=600" -ac 2 "$work/tone.ogg"
chmod 755 "$work"; chmod 644 "$work/tone.ogg"
vlc=$("$root/scripts/start-local-vlc.sh" "$port" bench "$work/vlc.log" "$work/tone.ogg")
trap 'kill "$vlc" 2>/dev/null || true; rm -rf "$work"' EXIT

cpu_of() { # utime + stime of a process, in clock ticks
  awk '{ print $14 + $15 }' "/proc/$1/stat"
}

measure() { # program name -> CPU percent of one core
  local app=$1 name=$2 home="$work/home-$2"
  mkdir -p "$home/Library/Preferences"
  # From a file of the user's alone: a command line is every local user's to read.
  (umask 077; printf 'bench\n' >"$home/password")
  printf '[General]\nBWHaveSeenSetupPage=true\nBWAutoScan=false\nBWDisableLibs=true\n' \
    > "$home/Library/Preferences/PlayerLink.ini"
  PLAYERLINK_HOME=$home QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software \
    DBUS_SYSTEM_BUS_ADDRESS=unix:path=/nonexistent \
    "$app" --connect "127.0.0.1:$port" --password-file "$home/password" >"$work/app-$name.log" 2>&1 &
  local pid=$!
  sleep 8 # start-up, the skin, the first status and playlist
  local before after
  before=$(cpu_of "$pid")
  sleep "$seconds"
  after=$(cpu_of "$pid")
  kill "$pid"; wait "$pid" 2>/dev/null || true
  python3 -c "print(f'{($after - $before) * 100 / $ticks / $seconds:.2f}')"
}

reference=$(measure "$widget_app" playerlink)
touch=$(measure "$touch_app" playerlink-touch)
echo "remote screen idle CPU over ${seconds} s (percent of one core), VLC playing: playerlink-touch: ${touch}; playerlink (reference): ${reference}"
