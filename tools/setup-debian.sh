#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing, benchmarking and running Quorvane need.
# Installs only what is missing; waits for the dpkg lock instead of failing; safe to run again.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang-format git
  qt6-base-dev qt6-qpa-plugins
  libcurl4-openssl-dev libpcre2-dev libicu-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  # The window's font and Qt's Simplified-Chinese texts, which the program's package depends on.
  fonts-arphic-uming qt6-translations-l10n
  # The desktop tests: an X server, a clipboard manager (xfsettingsd) on a session bus, and a
  # clipboard reader.
  xvfb xfce4-settings dbus xclip
  # Packaging and its checks.
  dpkg-dev file lintian desktop-file-utils appstream
  curl ripgrep
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: every needed Debian package is installed"
  exit 0
fi

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  sudo=(sudo)
fi

echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 update
"${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y --no-install-recommends "${missing[@]}" </dev/null
