#!/usr/bin/env bash
# Makes ROOT, a folder holding Debian's arm64 packages that the phone build
# compiles against and that qemu runs the arm64 programs over
# (qemu-aarch64-static -L ROOT), with a dpkg database of its own there, so
# that dpkg-shlibdeps names the packages the programs need.
#
# Usage: phone-root.sh ROOT
#
# The packages come through apt, from this machine's own package sources,
# but apt keeps its lists, downloads and database inside ROOT: nothing is
# installed on the machine. Installed as :arm64 packages beside the machine's
# own, every library present in both architectures would have to be at the
# same version in both, which upgrades the machine's amd64 libraries
# wherever the archive has moved on since they were installed.
# Packages are unpacked, never configured: no maintainer script runs.
set -euo pipefail

root=$(realpath -m "$1")
arch=arm64
triplet=aarch64-linux-gnu

# What the build links and includes, and what the programs load at run time
# (the QML modules the pages import, the platform plugins, the keyring's
# Secret Service library).
packages=(
  qt6-base-dev qt6-declarative-dev libavahi-client-dev libpugixml-dev libminizip-dev zlib1g-dev
  qtkeychain-qt6-dev libsecret-1-0 qt6-qpa-plugins
  qml6-module-qtqml qml6-module-qtqml-workerscript qml6-module-qtquick qml6-module-qtquick-controls
  qml6-module-qtquick-layouts qml6-module-qtquick-templates qml6-module-qtquick-window
  qml6-module-qtquick-dialogs qml6-module-qt-labs-folderlistmodel
)

state=$root/var/lib/apt
cache=$root/var/cache/apt
admin=$root/var/lib/dpkg
mkdir -p "$state/lists/partial" "$cache/archives/partial" "$admin/info" "$admin/updates"
[ -e "$admin/status" ] || : >"$admin/status"
# A database in dpkg's multiarch layout, with its architectures: the
# machine's own first.
echo 1 >"$admin/info/format"
printf '%s\n%s\n' "$(dpkg --print-architecture)" "$arch" >"$admin/arch"

apt_root=(-o APT::Architecture="$arch" -o APT::Architectures="$arch"
          -o Dir::State="$state" -o Dir::State::status="$admin/status" -o Dir::Cache="$cache"
          -o APT::Sandbox::User="$(id -un)")
download() {
  apt-get "${apt_root[@]}" -q -y --download-only --no-install-recommends install "${packages[@]}" >"$state/download.log" 2>&1
}
update() {
  echo "phone-root: fetching the $arch package lists into $root"
  apt-get "${apt_root[@]}" -q update >"$state/update.log" 2>&1 || { cat "$state/update.log" >&2; exit 1; }
}

# The lists are fetched on the first run, and again only when the archive
# has moved on from them, so that later runs cost nothing.
compgen -G "$state/lists/*_Packages*" >/dev/null || update
if ! download; then
  update
  download || { cat "$state/download.log" >&2; exit 1; }
fi

# Unpacks one package into ROOT and records it in ROOT's database as dpkg
# would: its control fields with an installed status, its files, and its
# shlibs and symbols files. The recorded paths carry ROOT, since the
# libraries are looked for there.
unpack() {
  local deb=$1 control name multi file base
  control=$(mktemp -d)
  dpkg-deb -e "$deb" "$control"
  name=$(dpkg-deb -f "$deb" Package)
  multi=$(dpkg-deb -f "$deb" Multi-Arch)
  base=$name
  [ "$multi" = same ] && base=$name:$arch
  dpkg-deb -x "$deb" "$root"
  dpkg-deb --fsys-tarfile "$deb" | tar -t | sed -e 's|^\./|/|' -e 's|/$||' -e '/^$/d' \
    | sed "s|^|$root|" >"$admin/info/$base.list"
  for file in shlibs symbols; do
    [ -f "$control/$file" ] && cp "$control/$file" "$admin/info/$base.$file"
  done
  rm -rf "$control"
  dpkg-deb -f "$deb" | awk '{ print } /^Package:/ { print "Status: install ok installed" }' >>"$admin/status"
  echo >>"$admin/status"
}

count=0
for deb in "$cache"/archives/*.deb; do
  stamp=$admin/unpacked/$(basename "$deb")
  [ -e "$stamp" ] && continue
  mkdir -p "$admin/unpacked"
  # A later version of a package replaces the earlier one's record.
  name=$(dpkg-deb -f "$deb" Package)
  if grep -qx "Package: $name" "$admin/status"; then
    awk -v pkg="Package: $name" 'BEGIN { RS = ""; ORS = "\n\n" }
      { n = split($0, lines, "\n"); keep = 1; for (i = 1; i <= n; i++) if (lines[i] == pkg) keep = 0; if (keep) print }' \
      "$admin/status" >"$admin/status.new"
    mv "$admin/status.new" "$admin/status"
    rm -f "$admin/unpacked/${name}_"*
  fi
  unpack "$deb"
  : >"$stamp"
  count=$((count + 1))
done
[ "$count" -eq 0 ] || echo "phone-root: unpacked $count packages into $root"

# The dynamic loader, found where an arm64 system keeps it.
[ -e "$root/lib/ld-linux-aarch64.so.1" ] || { echo "phone-root: no arm64 loader in $root" >&2; exit 1; }
[ -d "$root/usr/lib/$triplet/cmake/Qt6" ] || { echo "phone-root: no arm64 Qt in $root" >&2; exit 1; }
