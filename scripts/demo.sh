#!/usr/bin/env bash
# The demo: a real VLC on loopback with generated sample media and a
# password, driven by playerlink-cli.
set -euo pipefail
build=${1:-build}
here=$(cd "$(dirname "$0")/.." && pwd)
cli="$here/$build/src/cli/playerlink-cli"

work=$(mktemp -d /tmp/playerlink-demo-XXXXXX)
chmod 755 "$work"
media="$work/media"
mkdir -p "$media"
mapfile -t tracks < <(python3 "$here/scripts/make-sample-media.py" "$media")

port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1]); s.close()')
export PLAYERLINK_PASSWORD="demo-$(date +%s)"
export PLAYERLINK_HOME="$work/home"
host="127.0.0.1:$port"

# The password goes in the environment, never on a command line.
vlc_pid=$("$here/scripts/start-local-vlc.sh" "$port" - "$work/vlc.log" "${tracks[@]}")
cleanup() { kill "$vlc_pid" 2>/dev/null || true; wait "$vlc_pid" 2>/dev/null || true; }
trap cleanup EXIT

step() { printf '\n\033[1m$ playerlink-cli %s\033[0m\n' "$*"; "$cli" --host "$host" "$@"; }

echo "VLC is playing ${#tracks[@]} sample tracks at http://$host/ (password in PLAYERLINK_PASSWORD)"
step probe
step status
step playlist
step browse "$media"
step volume 150
step next
step seek 50%
step speed 2
step speed 1
step random
step random
step enqueue "${tracks[0]}"
step watch --seconds 5
printf '\nA wrong password is refused:\n'
PLAYERLINK_PASSWORD=wrong "$cli" --host "$host" probe || echo "(exit status $?)"

# The application, with the local VLC saved as a remote in a fresh home.
mkdir -p "$PLAYERLINK_HOME/Documents"
python3 - "$PLAYERLINK_HOME/Documents/BWRemotesFilename" "$host" <<'PY'
import json, os, sys
path, host = sys.argv[1:3]
password = os.environ["PLAYERLINK_PASSWORD"]
remotes = [{"hostAddress": host, "nickname": "This computer", "isDefault": True, "browseAdd": False,
            "password": password}]
# Readable by its owner alone, as PlayerLink writes it: it holds the password.
with os.fdopen(os.open(path, os.O_WRONLY | os.O_CREAT | os.O_TRUNC, 0o600), "w") as out:
    json.dump({"format": "PlayerLink saved remotes", "version": 1, "remotes": remotes}, out, indent=1)
PY
app="$here/$build/src/app/playerlink"
# Two skins installed from archives the way a packager would: the sample
# skin Glacier, and the shipped skin once more as "Original".
cp -r "$here/resources/DefaultSkin" "$work/Original"
for skin in "$here/tests/fixtures/skins/Glacier" "$work/Original"; do
  python3 -m zipfile -c "$work/$(basename "$skin").zip" "$skin"
  "$app" --install-skin "$work/$(basename "$skin").zip"
done
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo
  echo "Opening PlayerLink's remote screen on the local VLC; close its window to end the demo."
  echo "Keys: space play/pause, left/right skip, up/down volume, N/P next/previous, F full screen."
  "$app" --connect "$host"
else
  shots="$work/screenshots"
  echo
  echo "No display: PlayerLink runs offscreen on the local VLC and takes pictures of its window."
  QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 "$app" --connect "$host" --screenshots "$shots"
fi
echo
echo "Demo finished; stopping VLC."
