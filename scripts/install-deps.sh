#!/usr/bin/env bash
# Installs what building, testing and the demo need on Debian 12, and the
# unprivileged user that VLC runs as when we are root (VLC refuses root).
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools libgl-dev libexpat1-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  vlc-bin vlc-plugin-base
  python3 util-linux iproute2 procps
  xvfb xauth fonts-dejavu-core
  clang gdb
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

if [ "${#missing[@]}" -gt 0 ]; then
  echo "install-deps: installing ${missing[*]}"
  as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

if [ "$(id -u)" -eq 0 ] && ! id -u plvlc >/dev/null 2>&1; then
  echo "install-deps: creating user plvlc for running VLC"
  useradd -m -s /usr/sbin/nologin plvlc
fi
