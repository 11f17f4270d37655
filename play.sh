#!/usr/bin/env bash
# Installs what is missing, builds the game and its data, and starts it. Options go to the game
# (for example ./play.sh --windowed).
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
BUILD_DIR=${BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD_DIR" -j"$(nproc)" --target reedjumper gamedata 2>/dev/null \
  || cmake --build "$BUILD_DIR" -j"$(nproc)"
if [ -x "$BUILD_DIR/reedjumper" ]; then
  exec "$BUILD_DIR/reedjumper" "$@"
fi
echo "Built everything there is; the game itself does not exist yet, so there is nothing to start."
