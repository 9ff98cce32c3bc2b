#!/usr/bin/env bash
# The phone build's configuration, checked without cross-compiling (make
# phone builds and runs the real thing, which takes long): the toolchain
# file makes an arm64 cross build whose Qt tools are this machine's, cpack
# makes an arm64 package there, and the package and the arm64 root carry
# every QML module the pages import.
#
# Usage: check-phone-config.sh SOURCE BUILD (BUILD: a configured build of SOURCE)
set -euo pipefail
source=$1
build=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# The toolchain file as CMake reads it; a project without languages
# compiles nothing, so no arm64 compiler is needed.
mkdir -p "$work/probe"
cat >"$work/probe/CMakeLists.txt" <<'CMAKE'
cmake_minimum_required(VERSION 3.25)
project(probe NONE)
foreach(v CMAKE_CROSSCOMPILING CMAKE_SYSTEM_NAME CMAKE_SYSTEM_PROCESSOR CMAKE_LIBRARY_ARCHITECTURE
          CMAKE_FIND_ROOT_PATH QT_HOST_PATH_CMAKE_DIR Qt6LinguistTools_DIR)
  message(STATUS "probe ${v}=${${v}}")
endforeach()
message(STATUS "probe PKG_CONFIG_LIBDIR=$ENV{PKG_CONFIG_LIBDIR}")
CMAKE
cmake -S "$work/probe" -B "$work/probe/build" --toolchain "$source/cmake/aarch64-linux-gnu.cmake" \
  -DPLAYERLINK_ARM64_ROOT="$work/root" >"$work/probe.log" 2>&1 \
  || { cat "$work/probe.log" >&2; fail "cmake cannot read the toolchain file"; }
value() { sed -n "s/^-- probe $1=//p" "$work/probe.log"; }
[ "$(value CMAKE_CROSSCOMPILING)" = TRUE ] || fail "the toolchain file does not cross-compile"
[ "$(value CMAKE_SYSTEM_NAME)/$(value CMAKE_SYSTEM_PROCESSOR)" = Linux/aarch64 ] || fail "not a Linux arm64 target"
[ "$(value CMAKE_LIBRARY_ARCHITECTURE)" = aarch64-linux-gnu ] || fail "not Debian's arm64 library folders"
[ "$(value CMAKE_FIND_ROOT_PATH)" = "$work/root" ] || fail "libraries are not looked for in PLAYERLINK_ARM64_ROOT"
case "$(value PKG_CONFIG_LIBDIR)" in
  "$work/root/"*) ;;
  *) fail "pkg-config reads $(value PKG_CONFIG_LIBDIR), outside the arm64 root" ;;
esac
# Qt's tools come from this machine: where the toolchain file says they are.
for package in Qt6CoreTools Qt6GuiTools Qt6QmlTools Qt6DBusTools; do
  [ -f "$(value QT_HOST_PATH_CMAKE_DIR)/$package/${package}Config.cmake" ] \
    || fail "no $package in $(value QT_HOST_PATH_CMAKE_DIR)"
done
[ -f "$(value Qt6LinguistTools_DIR)/Qt6LinguistToolsConfig.cmake" ] || fail "no lrelease at $(value Qt6LinguistTools_DIR)"

# What cpack reads in a cross build: dpkg-shlibdeps asked for arm64
# libraries, in the arm64 root's own dpkg database.
cat >"$work/cross.cmake" <<CMAKE
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE arm64)
set(CPACK_PLAYERLINK_DPKG_ADMINDIR "$work/root/var/lib/dpkg")
include("$source/resources/debian/cross-package.cmake")
message("DEB_HOST_ARCH=\$ENV{DEB_HOST_ARCH} DPKG_ADMINDIR=\$ENV{DPKG_ADMINDIR}")
CMAKE
cross=$(cmake -P "$work/cross.cmake" 2>&1) || fail "cpack cannot read cross-package.cmake: $cross"
[ "$cross" = "DEB_HOST_ARCH=arm64 DPKG_ADMINDIR=$work/root/var/lib/dpkg" ] || fail "cross-package.cmake sets $cross"

# Every QML module a page imports, as the Debian package that holds it: in
# the package's dependencies and among the arm64 packages the phone build
# runs over.
depends=$(sed -n 's/^set(CPACK_DEBIAN_PACKAGE_DEPENDS "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
[ -n "$depends" ] || fail "no package dependencies in $build/CPackConfig.cmake"
modules=$(find "$source/src" -name '*.qml' -exec sed -n 's/^import \(Qt[A-Za-z.]*\).*/\1/p' {} + | sort -u)
[ -n "$modules" ] || fail "no QML imports found"
for module in $modules; do
  package=qml6-module-$(tr 'A-Z.' 'a-z-' <<<"$module")
  grep -qE "(^|, )$package(,|$)" <<<"$depends" || fail "the package does not depend on $package ($module)"
  grep -qw -- "$package" "$source/scripts/phone-root.sh" || fail "the arm64 root lacks $package ($module)"
done
echo "phone build configuration checked: $(tr '\n' ' ' <<<"$modules")"
