#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks what a desktop and a
# package need: both programs answer from there, the application starts
# from the installed tree (its bundle found beside the binary), and the
# desktop file and the AppStream metainfo pass their validators.
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }
for f in bin/playerlink bin/playerlink-cli share/playerlink/DefaultSkin/SkinDefinition.xml share/playerlink/VLC \
         share/playerlink/VLC/de/help.htm share/playerlink/VLC/fr/help.htm \
         share/applications/playerlink.desktop share/icons/hicolor/48x48/apps/playerlink.png \
         share/man/man1/playerlink.1.gz share/man/man1/playerlink-cli.1.gz; do
  [ -e "$prefix/$f" ] || fail "$f is not installed"
done

# The man pages, gzipped, read by man from the prefix.
for page in playerlink playerlink-cli; do
  gzip -t "$prefix/share/man/man1/$page.1.gz" || fail "$page.1.gz is not gzipped"
  MANPATH=$prefix/share/man man -w "$page" | grep -qx "$prefix/share/man/man1/$page.1.gz" || fail "man does not find $page"
  MANPATH=$prefix/share/man MANWIDTH=80 man "$page" 2>/dev/null | grep -q "$page" || fail "man $page shows nothing"
done

"$prefix/bin/playerlink-cli" --help | grep -q "^Usage: playerlink-cli" || fail "playerlink-cli --help"
"$prefix/bin/playerlink" --version | grep -qx "playerlink [0-9.]*" || fail "playerlink --version"
"$prefix/bin/playerlink" --help | grep -q "^Usage: playerlink" || fail "playerlink --help"
# No display is needed for either.
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$prefix/bin/playerlink" --version >/dev/null \
  || fail "playerlink --version needs a display"

# The application from the installed tree: its bundle comes from
# share/playerlink (which alone carries the images folder).
export PLAYERLINK_HOME=$work/home
QT_QPA_PLATFORM=offscreen timeout 120 "$prefix/bin/playerlink" --screenshots "$work/shots" >"$work/app.log" 2>&1 \
  || { cat "$work/app.log" >&2; fail "the installed application did not run"; }
[ -s "$work/shots/01-remotes.png" ] || ls "$work/shots" | grep -q remotes || fail "no picture of the remotes list"
[ -d "$PLAYERLINK_HOME/PlayerLink.app/images" ] || fail "the bundle did not come from share/playerlink"

desktop-file-validate "$prefix/share/applications/playerlink.desktop"
grep -q '^MimeType=x-scheme-handler/plskins;' "$prefix/share/applications/playerlink.desktop" || fail "MimeType"
metainfo=$(ls "$prefix"/share/metainfo/*.metainfo.xml)
appstreamcli validate --no-net "$metainfo"
# With screenshots, as a publisher configures them (never fetched here).
sed 's|</supports>|</supports>\n  <screenshots><screenshot type="default"><caption>The remote screen</caption><image>https://127.0.0.1/remote.png</image></screenshot></screenshots>|' \
  "$metainfo" >"$work/with-screenshots.metainfo.xml"
appstreamcli validate --no-net "$work/with-screenshots.metainfo.xml"
echo "install checks passed"
