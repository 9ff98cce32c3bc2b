#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks what a desktop and a
# package need: both programs answer from there, the application starts
# from the installed tree (its bundle found beside the binary), and the
# desktop file and the AppStream metainfo pass their validators; the .deb
# made from the build is what Debian would ship.
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
         share/man/man1/playerlink.1.gz share/man/man1/playerlink-cli.1.gz ; do
  [ -e "$prefix/$f" ] || fail "$f is not installed"
done

# The man pages, gzipped, read by man from the prefix.
for page in playerlink playerlink-cli; do
  gzip -t "$prefix/share/man/man1/$page.1.gz" || fail "$page.1.gz is not gzipped"
  MANPATH=$prefix/share/man man -w "$page" | grep -qx "$prefix/share/man/man1/$page.1.gz" || fail "man does not find $page"
  grep -q "$page" <<<"$(MANPATH=$prefix/share/man MANWIDTH=80 man "$page" 2>/dev/null)" || fail "man $page shows nothing"
done

# Each text is read whole before it is searched: grep -q stops reading at
# its match, and a program still writing then dies of SIGPIPE, which
# pipefail counts as a failure.
grep -q "^Usage: playerlink-cli" <<<"$("$prefix/bin/playerlink-cli" --help)" || fail "playerlink-cli --help"
for program in playerlink playerlink-cli; do
  grep -q -- "--password-file FILE" <<<"$("$prefix/bin/$program" --help)" || fail "$program --help says nothing of --password-file"
done
"$prefix/bin/playerlink" --version | grep -qx "playerlink [0-9.]*" || fail "playerlink --version"
grep -q "^Usage: playerlink" <<<"$("$prefix/bin/playerlink" --help)" || fail "playerlink --help"
# No display is needed for either.
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$prefix/bin/playerlink" --version >/dev/null \
  || fail "playerlink --version needs a display"

# The application from the installed tree: its bundle comes from
# share/playerlink (which alone carries the images folder).
export PLAYERLINK_HOME=$work/home
# The loader's list of what it opened shows that Qt Widgets never loads.
QT_QPA_PLATFORM=offscreen LD_DEBUG=files LD_DEBUG_OUTPUT="$work/loaded" timeout 120 \
  "$prefix/bin/playerlink" --screenshots "$work/shots" >"$work/app.log" 2>&1 \
  || { cat "$work/app.log" >&2; fail "the installed application did not run"; }
! grep -q 'file=.*libQt6Widgets' "$work"/loaded.* || fail "playerlink loaded Qt Widgets"
grep -q 'file=.*libQt6Quick\.so' "$work"/loaded.* || fail "the loader's list is not what this check reads"
[ -s "$work/shots/01-remotes.png" ] || ls "$work/shots" | grep -q remotes || fail "no picture of the remotes list"
[ -d "$PLAYERLINK_HOME/PlayerLink.app/images" ] || fail "the bundle did not come from share/playerlink"

# A password file that cannot be one is refused at once, a FIFO included.
mkfifo "$work/fifo"
status=0
QT_QPA_PLATFORM=offscreen timeout 60 "$prefix/bin/playerlink" --connect 127.0.0.1:9 --password-file "$work/fifo" \
  2>"$work/password.err" || status=$?
[ "$status" -eq 2 ] && grep -q "not a regular file" "$work/password.err" \
  || fail "playerlink --password-file FIFO: exit status $status, $(cat "$work/password.err")"

desktop-file-validate "$prefix/share/applications/playerlink.desktop"
grep -q '^MimeType=x-scheme-handler/plskins;' "$prefix/share/applications/playerlink.desktop" || fail "MimeType"
metainfo=$(ls "$prefix"/share/metainfo/*.metainfo.xml)
appstreamcli validate --no-net "$metainfo"
# With screenshots, as a publisher configures them (never fetched here).
sed 's|</supports>|</supports>\n  <screenshots><screenshot type="default"><caption>The remote screen</caption><image>https://127.0.0.1/remote.png</image></screenshot></screenshots>|' \
  "$metainfo" >"$work/with-screenshots.metainfo.xml"
appstreamcli validate --no-net "$work/with-screenshots.metainfo.xml"

# The .deb as make package makes it (here from this build, sanitizers and
# all): stripped programs, their debug information in the -dbgsym .ddeb
# by build id, and nothing lintian calls an error or a warning.
cpack --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 \
  || { cat "$work/cpack.log" >&2; fail "cpack could not make the package"; }
deb=$(ls "$work"/package/playerlink_*.deb)
ddeb=$(ls "$work"/package/playerlink-dbgsym_*.ddeb)
dpkg-deb -x "$deb" "$work/deb"
dpkg-deb -x "$ddeb" "$work/ddeb"
for program in playerlink playerlink-cli; do
  file "$work/deb/usr/bin/$program" | grep -q ", stripped" || fail "$program is not stripped"
  id=$(readelf -n "$work/deb/usr/bin/$program" | sed -n 's/^ *Build ID: *//p')
  [ -s "$work/ddeb/usr/lib/debug/.build-id/${id:0:2}/${id:2}.debug" ] || fail "no debug information for $program"
done
for doc in copyright changelog.gz; do
  [ -f "$work/deb/usr/share/doc/playerlink/$doc" ] || fail "the package has no $doc"
done
lintian --fail-on error,warning "$deb" "$ddeb" \
  || fail "lintian finds errors or warnings in the package"
echo "package: $(du -k "$deb" | cut -f1) kB, installed $(dpkg-deb -f "$deb" Installed-Size) kB"
echo "install checks passed"
