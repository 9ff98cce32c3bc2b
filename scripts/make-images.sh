#!/usr/bin/env bash
# Redraws the interface images into resources/images, the shipped skin, and
# the sample skin Glacier of the tests and the demo, and the desktop icons in
# resources/icons (see tools/imagegen).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$root" -B "$root/build-tools" -G Ninja -DPLAYERLINK_TESTS=OFF -DPLAYERLINK_TOOLS=ON >/dev/null
cmake --build "$root/build-tools" --target playerlink-imagegen
QT_QPA_PLATFORM=offscreen "$root/build-tools/tools/imagegen/playerlink-imagegen" "$root/resources/images" "$root/resources/DefaultSkin" \
  "$root/tests/fixtures/skins/Glacier" "$root/resources/icons"
ls "$root/resources/images"
