#!/usr/bin/env bash
# Installs what is missing, builds Mordavel and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMORDAVEL_WINDOW=ON
cmake --build build -j"$(nproc)" --target mordavel

if [ -z "${DISPLAY:-}" ]; then
  echo "No X display (DISPLAY is not set): Mordavel needs a desktop to open its window." >&2
  exit 1
fi
# The game reads its picture and opens its instructions from the folder it
# runs in.
exec build/mordavel
