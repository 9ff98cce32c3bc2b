#!/usr/bin/env bash
# Builds the XML reader fuzzer with clang and runs it for SECONDS (default 60),
# seeded with the recorded replies.
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
"$out/xml_reader_fuzz" -max_total_time="${1:-60}" -max_len=4096 "$out/corpus"
