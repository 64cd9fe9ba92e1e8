#!/usr/bin/env bash
# The program itself, started with some of Qt's own command-line options, ignores them: the window
# is not mirrored by -reverse, and the program ends normally once its window is closed. The watch
# library answers the update notice and closes the window.
#
#   toolkit_options_test.sh PROGRAM WATCH_LIBRARY
set -euo pipefail
program=$1
watch=$2
output=$(QT_QPA_PLATFORM=offscreen LD_PRELOAD="$watch" timeout 60 "$program" -reverse -style windows -platform xcb \
  2>/dev/null)
echo "$output"
grep -q '^window shown: Quorvane v1.6 by Hadrunel (left to right)$' <<<"$output"
