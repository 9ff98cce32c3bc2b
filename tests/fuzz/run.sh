#!/usr/bin/env bash
# Builds the fuzzers with clang and runs one for SECONDS (default 60):
# FUZZ_TARGET=xml_scanner_fuzz (the default; seeded with the recorded
# replies) or skin_archive_fuzz (seeded with small skin archives).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
out=${TMPDIR:-/tmp}/playerlink-fuzz
mkdir -p "$out/corpus"
cp "$root"/tests/fixtures/*.xml "$root"/tests/fixtures/*.html "$out/corpus/"
clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fPIC \
  -I"$root/src" -I"$root/tests/support" $(pkg-config --cflags Qt6Core) \
  "$here/XmlReaderFuzz.cpp" "$root"/src/core/xml/*.cpp \
  $(pkg-config --libs Qt6Core) -lpugixml -o "$out/xml_reader_fuzz"
clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fPIC \
  -I"$root/src" $(pkg-config --cflags Qt6Core minizip) \
  "$here/SkinArchiveFuzz.cpp" "$root"/src/skin/{SkinArchiveInstaller,SkinInstallResult,ZipArchive_BW}.cpp \
  "$root"/src/core/xml/*.cpp "$root"/src/core/{ConsoleLog,Localization,TextFormat}.cpp \
  $(pkg-config --libs Qt6Core minizip) -lpugixml -lz -o "$out/skin_archive_fuzz"

case "${FUZZ_TARGET:-xml_reader_fuzz}" in
xml_reader_fuzz)
  "$out/xml_reader_fuzz" -max_total_time="${1:-60}" -max_len=4096 "$out/corpus" ;;
skin_archive_fuzz)
  mkdir -p "$out/skin-corpus"
  python3 "$here/make-skin-seeds.py" "$out/skin-corpus"
  "$out/skin_archive_fuzz" -max_total_time="${1:-60}" -max_len=65536 "$out/skin-corpus" ;;
*)
  echo "unknown FUZZ_TARGET $FUZZ_TARGET" >&2; exit 2 ;;
esac
