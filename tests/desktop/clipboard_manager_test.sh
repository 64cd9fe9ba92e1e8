#!/usr/bin/env bash
# The copied list outlives the program where the desktop runs a clipboard manager, and only there.
# Under Xvfb, the start-up probe starts the program on the X11 platform, copies the address box and
# closes its window; once the process has ended, the clipboard is read back:
#   1. with xfsettingsd (Xfce's settings daemon), whose clipboard manager takes the clipboard over
#      through the freedesktop convention (CLIPBOARD_MANAGER, SAVE_TARGETS): the list is still there,
#      as the box showed it, lines ended by LF;
#   2. without a clipboard manager: the clipboard is empty, the list went with the program.
#
#   clipboard_manager_test.sh PROBE START_UP_LIBRARY
set -euo pipefail
[ -n "${TRACE:-}" ] && set -x

probe=$1
library=$2
work=$(mktemp -d)
cleanup() {
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
  [ -n "${KEEP:-}" ] || rm -rf "$work"
}
trap cleanup EXIT
cp "$probe" "$work/startup_probe"
cp "$library" "$work/Proxy.dll"

# Xvfb writes the number of a free display to the descriptor it is given.
exec {displayfd}<> <(:)
Xvfb -displayfd "$displayfd" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
read -r -t 20 display <&"$displayfd"
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb
echo "clipboard test: Xvfb on $DISPLAY"

# Copies the box right after start (it holds "\r\n等待获取视频地址...") and closes the window. The
# update page is a closed port, so the update notice (answered by the probe) comes at once.
run_program() {
  "$work/startup_probe" --update-url http://127.0.0.1:9/update.htm --copy-and-close-when-shown \
    >"$work/probe.log" 2>&1 || { cat "$work/probe.log"; echo "clipboard test: the program failed" >&2; exit 1; }
}
# True when some client owns the CLIPBOARD_MANAGER selection (asked through Xlib, which no command
# line tool of Debian's asks).
manager_owns_selection() {
  python3 -c '
import ctypes, sys
x = ctypes.cdll.LoadLibrary("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XInternAtom.restype = ctypes.c_ulong
x.XGetSelectionOwner.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
x.XGetSelectionOwner.restype = ctypes.c_ulong
display = x.XOpenDisplay(None)
sys.exit(0 if display and x.XGetSelectionOwner(display, x.XInternAtom(display, b"CLIPBOARD_MANAGER", 0)) else 1)
'
}
expected=$(printf '\n等待获取视频地址...\nend')

echo "clipboard test: with xfsettingsd's clipboard manager"
export work expected
export -f run_program manager_owns_selection
# The session bus and the settings daemon are chatty: their messages go to a log, shown on failure.
if ! dbus-run-session -- bash -euo pipefail -c '
  xfsettingsd --no-daemon --sm-client-disable >"$work/xfsettingsd.log" 2>&1 &
  manager=$!
  # Ready once it owns the CLIPBOARD_MANAGER selection, as the convention has a manager announce
  # itself.
  for _ in $(seq 100); do
    manager_owns_selection && break
    sleep 0.1
  done
  manager_owns_selection || { echo "clipboard test: xfsettingsd took no CLIPBOARD_MANAGER" >&2; exit 1; }
  run_program
  copied=$(xclip -selection clipboard -o; echo end)
  kill "$manager"
  if [ "$copied" != "$expected" ]; then
    printf "clipboard test: after exit the clipboard holds %q, not %q\n" "$copied" "$expected" >&2
    exit 1
  fi
' 2>"$work/session.log"; then
  grep -v dbus-daemon "$work/session.log" >&2
  exit 1
fi

echo "clipboard test: without a clipboard manager"
if manager_owns_selection; then
  echo "clipboard test: a clipboard manager is still running" >&2
  exit 1
fi
run_program
if copied=$(xclip -selection clipboard -o 2>/dev/null) && [ -n "$copied" ]; then
  printf 'clipboard test: without a manager the clipboard still holds %q\n' "$copied" >&2
  exit 1
fi
echo "clipboard test: passed"
