#!/usr/bin/env bash
# Builds the Debian package from a configured and built build folder and checks it as a user's
# machine meets it: the desktop entry and the AppStream metainfo validate, `cmake --install` lays out
# the prefix, lintian finds no error, `apt-get install ./quorvane_….deb` installs it, and the
# installed program, started offscreen through its desktop entry's Exec line, shows its window and
# exits 0 when the window is closed. Removes the package again at the end.
#
#   tools/check-package.sh BUILD_FOLDER      (run as root, or with sudo at hand)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:?usage: tools/check-package.sh BUILD_FOLDER}")
id=example.quorvane.Quorvane
sudo=()
if [ "$(id -u)" -ne 0 ]; then
  sudo=(sudo)
fi
fail() {
  echo "package: $*" >&2
  exit 1
}

echo "== package: validating the desktop entry and the AppStream metainfo"
desktop-file-validate "data/$id.desktop"
appstreamcli validate --no-net "data/$id.metainfo.xml"

echo "== package: installing into a staging folder with cmake --install"
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
for file in usr/bin/quorvane usr/libexec/quorvane/quorvane usr/libexec/quorvane/Proxy.dll \
  "usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml" \
  "usr/share/icons/hicolor/scalable/apps/$id.svg" "usr/share/icons/hicolor/48x48/apps/$id.png"; do
  [ -e "$stage/$file" ] || fail "cmake --install did not lay out /$file"
done
[ "$(readlink -f "$stage/usr/bin/quorvane")" = "$stage/usr/libexec/quorvane/quorvane" ] ||
  fail "/usr/bin/quorvane does not lead to the program beside its start-up library"

echo "== package: building the Debian package with CPack"
rm -f "$build"/quorvane_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(echo "$build"/quorvane_*.deb)
[ -f "$deb" ] || fail "CPack made no package"
echo "package: $deb depends on: $(dpkg-deb -f "$deb" Depends)"

echo "== package: lintian"
lintian --fail-on error "$deb" 2> >(grep -v 'running with root privileges' >&2)

echo "== package: apt-get install $deb"
# --reinstall: the same version may be installed from an earlier run.
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y --reinstall \
  --no-install-recommends "$deb" </dev/null >"$stage/apt.log" 2>&1 || { cat "$stage/apt.log"; fail "apt-get failed"; }

echo "== package: starting the installed program through its desktop entry's Exec line"
exec_line=$(sed -n 's/^Exec=//p' "/usr/share/applications/$id.desktop")
[ -n "$exec_line" ] || fail "the installed desktop entry has no Exec line"
# The watch library closes the window once it shows and answers the update notice (the built-in
# update page cannot be reached from here, so the notice says so).
read -r -a command <<<"$exec_line"
status=0
output=$(cd / && QT_QPA_PLATFORM=offscreen \
  LD_PRELOAD="$build/tools/libquorvane_program_watch_preload.so" timeout 60 "${command[@]}" 2>"$stage/stderr") ||
  status=$?
echo "$output"
[ "$status" -eq 0 ] || { cat "$stage/stderr" >&2; fail "the installed program exited with $status"; }
grep -q '^window shown: Quorvane v1.6 by Hadrunel' <<<"$output" || fail "the installed program showed no window"

echo "== package: removing it again"
"${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 remove -y quorvane </dev/null >"$stage/apt.log" 2>&1 ||
  { cat "$stage/apt.log"; fail "apt-get remove failed"; }
echo "package: all checks passed"
