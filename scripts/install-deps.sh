#!/usr/bin/env bash
# Installs what building, testing and the demo need on Debian 12, and the
# unprivileged user that VLC runs as when we are root (VLC refuses root).
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools libgl-dev libpugixml-dev libexpat1-dev libminizip-dev zlib1g-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  vlc-bin vlc-plugin-base ffmpeg
  libavahi-client-dev avahi-daemon avahi-utils dbus
  python3 util-linux iproute2 procps
  xvfb xauth fonts-dejavu-core
  clang gdb
  qtkeychain-qt6-dev gnome-keyring playerctl
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools desktop-file-utils appstream dpkg-dev
  valgrind
  man-db gzip
  qt6-declarative-dev qt6-declarative-dev-tools qml6-module-qtquick qml6-module-qtquick-controls
  qml6-module-qtquick-layouts qml6-module-qtquick-templates qml6-module-qtquick-window
  qml6-module-qtquick-shapes qml6-module-qttest qml6-module-qtqml-workerscript qml6-module-qtqml
  qml6-module-qtquick-dialogs qml6-module-qt-labs-folderlistmodel
  at-spi2-core python3-pyatspi lintian binutils file
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

as_root() {
  if [ "$(id -u)" -eq 0 ]; then
    "$@"
  elif command -v sudo >/dev/null 2>&1; then
    sudo "$@"
  else
    echo "install-deps: need root or sudo to run: $*" >&2
    exit 1
  fi
}

new_avahi_daemon=no
for p in "${missing[@]}"; do
  [ "$p" = avahi-daemon ] && new_avahi_daemon=yes
done

if [ "${#missing[@]}" -gt 0 ]; then
  echo "install-deps: installing ${missing[*]}"
  # The discovery tests run their own avahi-daemon inside a network namespace.
  # A freshly installed package would start the machine's daemon on its real
  # interfaces: forbid service starts while installing (unless the machine
  # has a start policy of its own) and leave it disabled afterwards.
  policy_made=no
  if [ "$new_avahi_daemon" = yes ] && [ ! -e /usr/sbin/policy-rc.d ]; then
    as_root sh -c 'printf "#!/bin/sh\nexit 101\n" > /usr/sbin/policy-rc.d && chmod 755 /usr/sbin/policy-rc.d'
    policy_made=yes
  fi
  status=0
  as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q || status=$?
  if [ "$status" -eq 0 ]; then
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}" \
      || status=$?
  fi
  [ "$policy_made" = yes ] && as_root rm -f /usr/sbin/policy-rc.d
  [ "$status" -eq 0 ] || exit "$status"
  if [ "$new_avahi_daemon" = yes ] && command -v systemctl >/dev/null 2>&1; then
    as_root systemctl disable avahi-daemon.service avahi-daemon.socket >/dev/null 2>&1 || true
  fi
fi

if [ "$(id -u)" -eq 0 ] && ! id -u plvlc >/dev/null 2>&1; then
  echo "install-deps: creating user plvlc for running VLC"
  useradd -m -s /usr/sbin/nologin plvlc
fi
