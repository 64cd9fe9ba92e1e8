#!/usr/bin/env bash
# Builds Quorvane in release mode (installing missing Debian packages first) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup-debian.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVANE_BUILD_TESTS=OFF
cmake --build build/release

echo "Quorvane built in build/release. The window does not exist yet: only the libraries are built,"
echo "so there is no program to start."
