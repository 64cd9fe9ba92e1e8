#!/usr/bin/env bash
# Runs 64-bit Windows programs under Wine in the project's own Wine prefix, for ctest and by hand.
#
#   tools/wine-session.sh start                 creates the prefix once, starts the session
#   tools/wine-session.sh run PROGRAM [ARG...]  runs one program there; exits with its exit code
#   tools/wine-session.sh stop                  ends the session
#
# The session is one persistent wineserver (it stays 600 s after the last program ends) with Wine's
# background services started beside it, all with their input and output on /dev/null. Without it
# every program would start its own server and services, which inherit the caller's output pipe,
# so ctest would wait about 3 s after each test for them to go away. `run` starts the session when
# it is not there, so ctest also works on its own; it is safe to call concurrently (ctest -j).
#
# The prefix is $QUORVANE_WINE_PREFIX, else wine-prefix in the Windows cache
# ($QUORVANE_WINDOWS_CACHE, else $XDG_CACHE_HOME/quorvane/windows, else ~/.cache/quorvane/windows).
set -euo pipefail

cache_root=${QUORVANE_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quorvane/windows}
export WINEPREFIX=${QUORVANE_WINE_PREFIX:-$cache_root/wine-prefix}
export WINEDEBUG=-all
# No prompts to install Mono and Gecko: the programs need neither .NET nor a browser engine.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Once wine32 is installed, plain `wine` picks the 32-bit loader; these programs are 64-bit.
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver

say() { echo "wine-session: $*" >&2; }

# Creates the prefix if it is not complete. The caller holds the lock.
create_prefix() {
  if [ -f "$WINEPREFIX/.quorvane-complete" ]; then
    return
  fi
  say "creating the Wine prefix $WINEPREFIX (once; about 10 s and 700 MB)"
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  WINEARCH=win64 "$wine" wineboot --init </dev/null >/dev/null 2>&1
  "$wineserver" -w
  touch "$WINEPREFIX/.quorvane-complete"
}

# Starts the persistent server and its services unless a server runs for the prefix. The caller
# holds the lock, on a descriptor that the started processes must not keep.
start_session() {
  if "$wineserver" -k0 2>/dev/null; then
    return
  fi
  # Exit status 2: another caller's server won the race to the prefix, which serves as well.
  "$wineserver" -p600 </dev/null >/dev/null 2>&1 || [ $? -eq 2 ]
  "$wine" wineboot </dev/null >/dev/null 2>&1
}

# Makes sure the prefix and the session exist, under a lock so that concurrent callers create and
# start them once.
ensure_session() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  local lock
  exec {lock}>"$WINEPREFIX.lock"
  if ! flock -w 300 "$lock"; then
    say "gave up after 300 s waiting for $WINEPREFIX.lock"
    exit 1
  fi
  create_prefix {lock}>&-
  start_session {lock}>&-
  exec {lock}>&-
}

command=${1:-}
case "$command" in
  start)
    ensure_session
    say "session running for $WINEPREFIX"
    ;;
  run)
    shift
    if [ $# -eq 0 ]; then
      say "run needs a program"
      exit 2
    fi
    ensure_session
    exec "$wine" "$@"
    ;;
  stop)
    if "$wineserver" -k0 2>/dev/null; then
      say "ending the session for $WINEPREFIX"
      "$wineserver" -k
    fi
    ;;
  *)
    echo "usage: $0 start | run PROGRAM [ARG...] | stop" >&2
    exit 2
    ;;
esac
