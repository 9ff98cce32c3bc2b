#!/usr/bin/env bash
# Starts VLC with its web interface on loopback and prints its process id.
# Usage: start-local-vlc.sh PORT PASSWORD LOGFILE MEDIA...
# PASSWORD - takes the password from PLAYERLINK_PASSWORD. VLC reads it from
# its own settings file: on its command line every local user could read it.
set -euo pipefail
port=$1 password=$2 log=$3
shift 3
[ "$password" = - ] && password=${PLAYERLINK_PASSWORD:?PLAYERLINK_PASSWORD is not set}
home=$(mktemp -d /tmp/playerlink-vlchome-XXXXXX)
mkdir -m 700 "$home/config"
mkdir "$home/config/vlc"
(umask 077; printf '[lua]\nhttp-password=%s\n' "$password" >"$home/config/vlc/vlcrc")
chmod 777 "$home"
args=(cvlc -I http --http-host 127.0.0.1 --http-port "$port"
      --aout alsa --alsa-audio-device null --vout dummy --no-dbus --no-video-title-show "$@")
if [ "$(id -u)" -eq 0 ]; then
  # VLC refuses to run as root; setpriv runs it in place as plvlc.
  chown -R plvlc: "$home/config"
  args=(setpriv --reuid=plvlc --regid=plvlc --init-groups -- "${args[@]}")
fi
HOME=$home XDG_CONFIG_HOME=$home/config XDG_CACHE_HOME=$home/cache DISPLAY= \
  nohup "${args[@]}" >"$log" 2>&1 &
pid=$!
for _ in $(seq 1 100); do
  if (exec 3<>/dev/tcp/127.0.0.1/"$port") 2>/dev/null; then
    echo "$pid"
    exit 0
  fi
  if ! kill -0 "$pid" 2>/dev/null; then
    echo "VLC did not start; its log:" >&2
    cat "$log" >&2
    exit 1
  fi
  sleep 0.1
done
echo "VLC did not open port $port" >&2
kill "$pid" 2>/dev/null || true
exit 1
