#!/usr/bin/env bash
# Measures what the _gbk literal costs a translation unit with g++ and clang++: the compile time of
# a translation unit as it is (the baseline), with src/text/gbk_literal.h included, and with the
# program's longest literal (the instructions label) written as a _gbk literal too, as medians of
# RUNS compiles (default 9, CPU time) and as ratios against the baseline of the same run. The
# units are src/text/hooks.cpp, a small one of the program, and one that includes only <cstdint>.
# Then the smallest constant-evaluation budget that still compiles that longest literal, against
# each compiler's default. All files are compiled with -fexec-charset=UTF-8, which the literal needs.
#
#   tools/gbk-literal-cost.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."

runs=${1:-9}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cat >"$scratch/longest_literal.h" <<'EOF'
#include "text/gbk_literal.h"
namespace quorvane {
inline constexpr const char* kInstructions =
    "\r\n    "
    "将YY精彩回顾视频地址复制到网址栏，点击获取下载地址,,助手会自动处理出来地址,"
    "然后将处理出来的地址点击复制地址,就会到剪切板,然后打开QQ旋风什么的【批量下载】即可..."_gbk;
inline const char* Instructions() { return kInstructions; }
}  // namespace quorvane
EOF

flags=(-std=c++20 -O2 -g -DNDEBUG -Wall -Wextra -Werror -finput-charset=UTF-8 -fexec-charset=UTF-8 -Isrc)

echo '#include <cstdint>' >"$scratch/empty.cpp"

# CPU time (user + system) in milliseconds of compiling the source with the given extra options;
# CPU time rather than wall time, because other builds share the machine.
compile_ms() {
  local compiler=$1 source=$2
  shift 2
  /usr/bin/time -f '%U %S' -o "$scratch/time" "$compiler" "${flags[@]}" "$@" -c "$source" -o "$scratch/unit.o"
  awk '{ printf "%d\n", ($1 + $2) * 1000 }' "$scratch/time"
}

median() { sort -n | sed -n "$(((runs + 1) / 2))p"; }

# The smallest value of the budget option that still compiles the longest literal.
smallest_budget() {
  local compiler=$1 option=$2 low=1 high=$((1 << 26))
  while ((low < high)); do
    local middle=$(((low + high) / 2))
    if "$compiler" "${flags[@]}" "$option=$middle" -fsyntax-only -x c++ "$scratch/longest_literal.h" \
      2>/dev/null; then
      high=$middle
    else
      low=$((middle + 1))
    fi
  done
  echo "$low"
}

echo "== compile time in CPU ms, median of $runs runs, and the ratio to the baseline"
for source in src/text/hooks.cpp "$scratch/empty.cpp"; do
  for compiler in g++ clang++-14; do
    # The three variants take turns, so that a change in the machine's load falls on all of them.
    : >"$scratch/base" && : >"$scratch/header" && : >"$scratch/longest"
    for ((i = 0; i < runs; i++)); do
      compile_ms "$compiler" "$source" >>"$scratch/base"
      compile_ms "$compiler" "$source" -include text/gbk_literal.h >>"$scratch/header"
      compile_ms "$compiler" "$source" -include "$scratch/longest_literal.h" >>"$scratch/longest"
    done
    base=$(median <"$scratch/base")
    header=$(median <"$scratch/header")
    longest=$(median <"$scratch/longest")
    awk -v s="$(basename "$source")" -v c="$compiler" -v b="$base" -v h="$header" -v l="$longest" 'BEGIN {
      printf "%s, %s: baseline %d, with gbk_literal.h %d (%.2fx), with the longest literal %d (%.2fx)\n",
        s, c, b, h, h / b, l, l / b }'
  done
done

echo "== constant-evaluation budget the longest literal needs"
echo "clang++-14 -fconstexpr-steps: $(smallest_budget clang++-14 -fconstexpr-steps) of the default 1048576"
echo "g++ -fconstexpr-ops-limit: $(smallest_budget g++ -fconstexpr-ops-limit) of the default 8589934592"
