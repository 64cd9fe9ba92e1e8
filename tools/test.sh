#!/usr/bin/env bash
# Checks the sources' format, then builds Quorvane three times with warnings as errors and runs every
# test in each: a normal build, an AddressSanitizer + UndefinedBehaviorSanitizer build, and a build
# of everything below the window without Qt. After the normal build, builds the Debian package,
# checks it, installs it with apt-get, starts the installed program and removes the package again.
# Installs missing Debian packages first.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup-debian.sh

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

echo "== format: checking every C++ source against .clang-format"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

run_variant() {
  local name=$1
  shift
  echo "== $name build: configuring and building in build/$name"
  cmake -S . -B "build/$name" -G Ninja -DQUORVANE_WARNINGS_AS_ERRORS=ON "$@"
  cmake --build "build/$name"
  echo "== $name build: running the tests"
  ctest --test-dir "build/$name" --output-on-failure --timeout 300 -j "$(nproc)"
}

run_variant normal
echo "== pictures of the window and the update boxes: build/normal/screenshots"
tools/check-package.sh build/normal
run_variant sanitize -DQUORVANE_SANITIZE=ON
run_variant core -DQUORVANE_WITH_QT=OFF
echo "== all tests passed in the normal, the sanitizer and the Qt-free build; the package installs and starts"
