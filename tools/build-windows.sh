#!/usr/bin/env bash
# Cross-builds Quorvane for Windows with MinGW-w64, for i686 (what users run) and x86_64 (which runs
# here under Wine and carries the tests).
#
#   tools/build-windows.sh              dependencies, then the project for both targets, then ctest
#                                       for x86_64 under Wine
#   tools/build-windows.sh --deps-only  only the dependencies
#
# Debian ships no MinGW build of PCRE2, libcurl or GoogleTest, so this script builds them from
# Debian's own source packages, at the versions pinned below: it fetches them with apt's source
# mechanism through a private deb-src list derived from the system's own apt sources (apt checks
# every file against the signed index; the system's apt lists stay untouched), unpacks them with
# dpkg-source (which applies Debian's patches, security fixes included) and installs each one into
#   <cache>/<target>/<package>-<version>
# where <cache> is $QUORVANE_WINDOWS_CACHE, else $XDG_CACHE_HOME/quorvane/windows, else
# ~/.cache/quorvane/windows. A package whose prefix holds the same build recipe is not built again,
# so a second run only checks. cmake/toolchains/mingw-w64-<target>.cmake finds the prefixes through
# <cache>/<target>/prefixes.cmake, which this script writes.
set -euo pipefail
cd "$(dirname "$0")/.."

# The versions that Debian 12's main suite serves. The security suite's pcre2 10.42-1+deb12u2 is in
# its index but its files are not served (404), so PCRE2 comes from the main suite, without the
# security fixes of deb12u1 and deb12u2 that the Linux build's library has: move the pin to the
# security version as soon as its files can be fetched.
pcre2_version=10.42-1
curl_version=7.88.1-10+deb12u15
googletest_version=1.12.1-0.2
targets=(x86_64 i686)
jobs=2

deps_only=false
for argument in "$@"; do
  case "$argument" in
    --deps-only) deps_only=true ;;
    *)
      echo "usage: $0 [--deps-only]" >&2
      exit 2
      ;;
  esac
done

say() { echo "build-windows: $*"; }

install_missing_packages() {
  local packages=(
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
    wine64 cmake ninja-build dpkg-dev xz-utils python3
  )
  local missing=() package
  for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$package")
    fi
  done
  if [ ${#missing[@]} -eq 0 ]; then
    say "every needed Debian package is installed"
    return
  fi
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
  fi
  say "installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 update
  "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y --no-install-recommends "${missing[@]}" \
    </dev/null
}

cache_root=${QUORVANE_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quorvane/windows}
export QUORVANE_WINDOWS_CACHE=$cache_root
apt_root=$cache_root/apt
sources_root=$cache_root/sources

# apt with a private source list, package lists and download cache.
private_apt() {
  local command=$1
  shift
  local options=(
    -o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$apt_root/sources.list.d"
    -o "Dir::State::Lists=$apt_root/lists" -o "Dir::Cache=$apt_root/cache"
  )
  if [ "$(id -u)" -eq 0 ]; then
    # The download folder belongs to root, so apt could not hand the download to its _apt user.
    options+=(-o APT::Sandbox::User=root)
  fi
  "$command" "${options[@]}" "$@"
}

# The system's deb822 sources, with their types turned into deb-src.
write_source_list() {
  local system_sources=/etc/apt/sources.list.d/debian.sources
  if [ ! -f "$system_sources" ]; then
    say "$system_sources is missing: cannot derive the Debian source archive from it"
    exit 1
  fi
  mkdir -p "$apt_root/sources.list.d" "$apt_root/lists/partial" "$apt_root/cache/archives/partial"
  sed -E 's/^Types:.*/Types: deb-src/' "$system_sources" >"$apt_root/sources.list.d/debian-src.sources"
}

# Fetches and unpacks one source package unless that is done; leaves its tree's path in
# source_tree.
source_tree=
apt_updated=false
fetch_source() {
  local package=$1 version=$2
  source_tree=$sources_root/$package-$version
  if [ -f "$source_tree/.quorvane-unpacked" ]; then
    return
  fi
  mkdir -p "$sources_root"
  if [ "$apt_updated" = false ]; then
    say "reading the Debian source index into $apt_root"
    write_source_list
    private_apt apt-get -q update
    apt_updated=true
  fi
  say "fetching $package $version"
  local download=$sources_root/download
  rm -rf "$download"
  mkdir -p "$download"
  if ! (cd "$download" && private_apt apt-get -q source --download-only "$package=$version"); then
    say "Debian no longer serves $package $version; the versions it serves now:"
    private_apt apt-cache madison "$package" || true
    say "pin one of them in $0"
    exit 1
  fi
  say "unpacking $package $version"
  rm -rf "$source_tree"
  dpkg-source -x "$download/${package}_${version#*:}.dsc" "$source_tree" >/dev/null
  # dpkg-source leaves a copy of the upstream tarball beside the tree.
  rm -rf "$download" "$sources_root/${package}_"*.orig.tar.*
  touch "$source_tree/.quorvane-unpacked"
}

# A static library's users must see DEFINE (or the headers declare every function as imported
# from a DLL). The packages' CMake files say so, but their pkg-config files do not: add it to the
# Cflags of the .pc files of PREFIX, and drop .pc files of libraries that were not built.
add_static_define() {
  local prefix=$1 define=$2 file
  [ -n "$define" ] || return 0
  for file in "$prefix"/lib/pkgconfig/*.pc; do
    local library
    library=$(grep -m 1 '^Libs:' "$file" | grep -o -- ' -l[^ ]*' | head -n 1 | cut -c 4-)
    if [ -n "$library" ] && [ ! -f "$prefix/lib/lib$library.a" ]; then
      rm "$file"
      continue
    fi
    sed -i "s/^Cflags: \(.*\)\$/Cflags: \1 -D$define/" "$file"
  done
}

# Configures, builds and installs one CMake source tree for one target, unless its prefix already
# holds the same recipe (the package, its version, the options and the tool chain files' lines
# other than comments).
prefixes=()
build_package() {
  local target=$1 package=$2 version=$3 source_dir=$4 static_define=$5
  shift 5
  local prefix=$cache_root/$target/$package-$version
  local toolchain=$PWD/cmake/toolchains/mingw-w64-$target.cmake
  local recipe
  recipe=$({
    printf '%s\n' "$package $version" "static define: $static_define" "$@"
    grep -hv '^[[:space:]]*#' "$toolchain" cmake/toolchains/mingw-w64-common.cmake
  } | sha256sum)
  prefixes+=("$prefix")
  if [ -f "$prefix/.quorvane-recipe" ] && [ "$(cat "$prefix/.quorvane-recipe")" = "$recipe" ]; then
    say "$package $version for $target is built already"
    return
  fi
  local build_dir=$cache_root/build/$target/$package-$version
  local started=$SECONDS
  say "building $package $version for $target into $prefix"
  rm -rf "$build_dir" "$prefix"
  mkdir -p "$(dirname "$build_dir")"
  cmake -S "$source_dir" -B "$build_dir" -G Ninja -Wno-dev -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF "$@" \
    >"$build_dir.log" 2>&1 || { tail -n 40 "$build_dir.log"; exit 1; }
  cmake --build "$build_dir" --parallel "$jobs" >>"$build_dir.log" 2>&1 ||
    { tail -n 40 "$build_dir.log"; exit 1; }
  cmake --install "$build_dir" >>"$build_dir.log" 2>&1 || { tail -n 40 "$build_dir.log"; exit 1; }
  rm -rf "$build_dir" "$build_dir.log"
  rmdir "$cache_root/build/$target" "$cache_root/build" 2>/dev/null || true
  add_static_define "$prefix" "$static_define"
  echo "$recipe" >"$prefix/.quorvane-recipe"
  say "built $package $version for $target in $((SECONDS - started)) s"
}

build_dependencies() {
  local target=$1
  prefixes=()

  fetch_source pcre2 "$pcre2_version"
  build_package "$target" pcre2 "$pcre2_version" "$source_tree" PCRE2_STATIC \
    -DBUILD_STATIC_LIBS=ON -DPCRE2_BUILD_PCRE2_8=OFF -DPCRE2_BUILD_PCRE2_16=ON \
    -DPCRE2_BUILD_PCRE2_32=OFF -DPCRE2_SUPPORT_JIT=ON -DPCRE2_SUPPORT_UNICODE=ON \
    -DPCRE2_BUILD_PCRE2GREP=OFF -DPCRE2_BUILD_TESTS=OFF -DPCRE2_SUPPORT_LIBBZ2=OFF \
    -DPCRE2_SUPPORT_LIBZ=OFF -DPCRE2_SUPPORT_LIBEDIT=OFF -DPCRE2_SUPPORT_LIBREADLINE=OFF \
    -DPCRE2_SHOW_REPORT=OFF

  # Debian's last two curl patches rename the library for its GnuTLS and NSS packages; they touch
  # only the autotools files, which this CMake build does not read.
  fetch_source curl "$curl_version"
  build_package "$target" curl "$curl_version" "$source_tree" CURL_STATICLIB \
    -DBUILD_CURL_EXE=OFF -DBUILD_TESTING=OFF -DENABLE_MANUAL=OFF -DPICKY_COMPILER=OFF \
    -DCURL_USE_SCHANNEL=ON -DCURL_WINDOWS_SSPI=ON -DCURL_USE_OPENSSL=OFF -DCURL_USE_MBEDTLS=OFF \
    -DCURL_USE_BEARSSL=OFF -DCURL_USE_NSS=OFF -DCURL_USE_WOLFSSL=OFF \
    -DCURL_ZLIB=OFF -DCURL_BROTLI=OFF -DCURL_ZSTD=OFF -DUSE_NGHTTP2=OFF -DUSE_NGTCP2=OFF \
    -DUSE_QUICHE=OFF -DUSE_MSH3=OFF -DUSE_LIBIDN2=OFF -DUSE_WIN32_IDN=OFF -DCURL_USE_LIBPSL=OFF \
    -DCURL_USE_LIBSSH2=OFF -DCURL_USE_LIBSSH=OFF -DCURL_USE_GSSAPI=OFF -DENABLE_ARES=OFF \
    -DUSE_WIN32_LDAP=OFF -DCURL_USE_OPENLDAP=OFF -DENABLE_UNIX_SOCKETS=OFF -DHTTP_ONLY=ON \
    -DCURL_CA_BUNDLE=none -DCURL_CA_PATH=none

  fetch_source googletest "$googletest_version"
  build_package "$target" googletest "$googletest_version" "$source_tree" "" \
    -DBUILD_GMOCK=ON -DINSTALL_GTEST=ON

  # Rewritten only when it changes, so that the project's build trees do not reconfigure.
  local list=$cache_root/$target/prefixes.cmake
  local content
  content=$(printf '# Written by tools/build-windows.sh: the Windows builds of the dependencies.\n'
    printf 'set(QUORVANE_WINDOWS_PREFIXES\n'
    printf '  "%s"\n' "${prefixes[@]}"
    printf ')\n')
  if [ ! -f "$list" ] || [ "$(cat "$list")" != "$content" ]; then
    echo "$content" >"$list"
    say "wrote $list"
  fi
}

# Runs a command with its output in LOG, and shows the end of LOG when it fails.
quietly() {
  local log=$1
  shift
  if ! "$@" >>"$log" 2>&1; then
    tail -n 40 "$log"
    say "failed: $*; the whole output is in $log"
    exit 1
  fi
}

# Fails unless PROGRAM imports only DLLs that every Windows has: no runtime or dependency DLL may be
# needed beside it.
check_imports() {
  local target=$1 program=$2
  local imports unexpected
  imports=$("$target-w64-mingw32-objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p')
  local system='kernel32|msvcrt|ws2_32|crypt32|advapi32|bcrypt|secur32|user32|gdi32|shell32|ole32'
  system+='|comctl32|comdlg32|shlwapi|iphlpapi|normaliz|wldap32|userenv'
  unexpected=$(grep -viE "^($system)[.]dll\$" <<<"$imports" || true)
  if [ -n "$unexpected" ]; then
    say "$program needs DLLs that Windows does not have: $(tr '\n' ' ' <<<"$unexpected")"
    exit 1
  fi
  say "$(basename "$program") for $target imports only $(tr '\n' ' ' <<<"$imports")"
}

# Builds tools/windows-dependency-check for one target against the cached dependencies and checks
# what it imports; for x86_64 also runs it under Wine against a page served from 127.0.0.1.
check_dependencies() {
  local target=$1
  local build_dir=build/windows-dependency-check-$target
  local log=$build_dir.log
  mkdir -p build
  : >"$log"
  say "checking the $target dependencies with tools/windows-dependency-check in $build_dir"
  quietly "$log" cmake -S tools/windows-dependency-check -B "$build_dir" -G Ninja \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/toolchains/mingw-w64-$target.cmake"
  quietly "$log" cmake --build "$build_dir" --parallel "$jobs"
  check_imports "$target" "$build_dir/dependency_check.exe"
  check_imports "$target" "$build_dir/gtest_link_check.exe"
  if [ "$target" != x86_64 ]; then
    return
  fi

  quietly "$log" tools/wine-session.sh start
  quietly "$log" ctest --test-dir "$build_dir" --output-on-failure --timeout 60 -j "$jobs"

  local site=$build_dir/site
  mkdir -p "$site"
  printf 'http://a/1.ts\n#EXTINF:2,\r\nHTTP://a/2.ts\r\n#ext-x-endlist\n' >"$site/list.m3u8"
  python3 -u -m http.server 0 --bind 127.0.0.1 --directory "$site" >"$build_dir/server.log" 2>&1 &
  local server=$! port='' attempt
  trap 'kill "$server" 2>/dev/null || true' EXIT
  for ((attempt = 0; attempt < 50; attempt++)); do
    port=$(sed -n 's/.* port \([0-9]*\) .*/\1/p' "$build_dir/server.log")
    [ -n "$port" ] && break
    sleep 0.1
  done
  local output status=0
  if [ -n "$port" ]; then
    output=$(tools/wine-session.sh run "$build_dir/dependency_check.exe" \
      "http://127.0.0.1:$port/list.m3u8" 2>&1 | tr -d '\r') || status=$?
  fi
  kill "$server"
  wait "$server" 2>/dev/null || true
  trap - EXIT
  if [ -z "$port" ]; then
    say "the loopback page server did not start: $(cat "$build_dir/server.log")"
    exit 1
  fi
  local expected=$'tls: Schannel\nprotocols: http https\nlibraries: none\njit: yes\na/1.ts\na/2.ts'
  if [ "$status" -ne 0 ] || [ "$output" != "$expected" ]; then
    say "dependency_check under Wine exited with $status and printed:"
    echo "$output"
    say "expected:"
    echo "$expected"
    exit 1
  fi
  say "under Wine, libcurl (Schannel, HTTP and HTTPS only) fetched a loopback page and PCRE2's JIT"
  say "found its addresses"
}

build_project() {
  local target=$1
  local build_dir=build/windows-$target
  say "configuring and building the project for $target in $build_dir"
  # No Qt for Windows: the Win32 front end stands on the Qt-free layers.
  cmake -S . -B "$build_dir" -G Ninja -DQUORVANE_WARNINGS_AS_ERRORS=ON -DQUORVANE_WITH_QT=OFF \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/toolchains/mingw-w64-$target.cmake"
  cmake --build "$build_dir" --parallel "$jobs"
}

install_missing_packages
for target in "${targets[@]}"; do
  build_dependencies "$target"
done
for target in "${targets[@]}"; do
  check_dependencies "$target"
done
if [ "$deps_only" = true ]; then
  say "dependencies ready in $cache_root"
  exit 0
fi

for target in "${targets[@]}"; do
  build_project "$target"
done
# This machine runs 64-bit Windows programs only; the i686 build is checked by building it.
tools/wine-session.sh start
say "running the x86_64 tests under Wine"
ctest --test-dir build/windows-x86_64 --output-on-failure --timeout 300 -j "$jobs"
say "both targets built; the x86_64 tests passed under Wine"
