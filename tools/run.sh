#!/usr/bin/env bash
# Builds Quorvane in release mode (installing missing Debian packages first) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup-debian.sh
echo "run: building the release build in build/release"
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVANE_BUILD_TESTS=OFF >/dev/null
cmake --build build/release --target quorvane

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
  echo "run: no graphical session here (DISPLAY and WAYLAND_DISPLAY are unset)." >&2
  echo "run: the program is built as build/release/bin/quorvane; start it from a desktop session." >&2
  exit 1
fi
echo "run: starting build/release/bin/quorvane"
exec build/release/bin/quorvane
