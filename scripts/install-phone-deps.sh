#!/usr/bin/env bash
# Installs what make phone needs besides scripts/install-deps.sh: Debian's
# arm64 cross compilers and qemu's user-mode emulator (through apt, with
# sudo when not root), then makes the folder of arm64 packages the build
# compiles against (scripts/phone-root.sh ROOT; no root rights needed).
#
# Usage: install-phone-deps.sh ROOT
#
# It changes none of the machine's own programs: apt's plan is checked
# first and refused when it would upgrade or remove an installed package.
set -euo pipefail
root=$1
here=$(cd "$(dirname "$0")/.." && pwd)

# xdotool and gdbus for the run on a display and a session bus (scripts/phone.sh).
packages=(crossbuild-essential-arm64 qemu-user-static xdotool libglib2.0-bin)

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
    echo "install-phone-deps: need root or sudo to run: $*" >&2
    exit 1
  fi
}

if [ "${#missing[@]}" -gt 0 ]; then
  echo "install-phone-deps: installing ${missing[*]}"
  apt=(env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600)
  as_root "${apt[@]}" update -q
  plan=$("${apt[@]}" -s install --no-install-recommends "${missing[@]}")
  # "Inst name [installed version] (...)" is an upgrade; "Remv" a removal.
  changed=$(grep -E '^(Remv |Inst [^ ]+ \[)' <<<"$plan" || true)
  if [ -n "$changed" ]; then
    echo "install-phone-deps: installing ${missing[*]} would change packages already installed:" >&2
    echo "$changed" >&2
    echo "install-phone-deps: nothing installed; install them by hand if that is wanted" >&2
    exit 1
  fi
  as_root "${apt[@]}" install -y -q --no-install-recommends "${missing[@]}"
fi

"$here/scripts/phone-root.sh" "$root"
