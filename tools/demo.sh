#!/usr/bin/env bash
# Shows the whole flow without the internet: serves a sample replay playlist and an update record
# that announces a newer version from a server on 127.0.0.1, and runs a build of Quorvane whose
# playlist host and update page point at that server. In the window, press 获取下载地址: the
# example address already in the box leads to the sample playlist.
set -euo pipefail
cd "$(dirname "$0")/.."

port=18504
build=build/demo
site=$build/site
identifier=15012x01_141483582_1414679605

tools/setup-debian.sh
echo "demo: building a build whose hosts point at 127.0.0.1:$port in $build"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVANE_BUILD_TESTS=OFF \
  -DQUORVANE_VOD_HOST="127.0.0.1:$port" \
  -DQUORVANE_UPDATE_PAGE_URL="http://127.0.0.1:$port/update.htm" >/dev/null
cmake --build "$build" --target quorvane serve_files make_playlist

mkdir -p "$site"
"$build/tools/make_playlist" 120 > "$site/replay.m3u8"
cat > "$site/update.htm" <<PAGE
<html><body>Quorvane updates
<!-- !Orvessa1!v1.7v1r2026r2ehttp://127.0.0.1:$port/download.htme2!Orvessa2! -->
</body></html>
PAGE
cat > "$site/download.htm" <<'PAGE'
<html><head><meta charset="utf-8"><title>Quorvane 1.7</title></head>
<body><h1>Quorvane 1.7</h1><p>The demo's download page: the update notice opened it.</p></body></html>
PAGE

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
  echo "demo: no graphical session here (DISPLAY and WAYLAND_DISPLAY are unset); start it from a desktop." >&2
  exit 1
fi

echo "demo: serving the sample site on 127.0.0.1:$port"
"$build/tools/serve_files" --port "$port" \
  "/vod_hls/$identifier.m3u8=$site/replay.m3u8" \
  "/update.htm=$site/update.htm" \
  "/download.htm=$site/download.htm" &
server=$!
trap 'kill "$server" 2>/dev/null || true' EXIT
sleep 0.5
if ! kill -0 "$server" 2>/dev/null; then
  echo "demo: the sample site could not start; is port $port in use?" >&2
  exit 1
fi

echo "demo: starting $build/bin/quorvane (close its window to end the demo)"
"$build/bin/quorvane"
