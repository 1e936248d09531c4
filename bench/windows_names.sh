#!/usr/bin/env bash
# The cost of reading names written for Windows on POSIX: a generated tree of 200 headers in ten
# folders, included by 50 source files, once with every include written in the exact case and
# "/" of the files on disk, and once written as a Windows code base has them ("\" between
# folders, letter case differing in every component, the -I folder in another case too). Both
# are timed in the same run, interleaved, and the number of directory listings each needed is
# counted (the Windows-style tree should need one per directory it reaches).
#
#   bash bench/windows_names.sh        (after building build/release; not part of make test)
#
# Environment knobs: BENCH_RUNS counted rounds (default 15), BENCH_WARMUP uncounted (default 2).
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILT=$ROOT/build/release
WORK=$ROOT/build/bench-names
RUNS=${BENCH_RUNS:-15}
WARMUP=${BENCH_WARMUP:-2}
HEADERS=200
FOLDERS=10
SOURCES=50

die() { printf 'windows_names: error: %s\n' "$*" >&2; exit 1; }
[[ -x $BUILT/tpx32 && -f $BUILT/libtpx32core.a ]] ||
  die "build the release program first (cmake --build build/release)"

rm -rf "$WORK"
mkdir -p "$WORK/bin"
g++ -std=c++17 -O2 -Wall -Wextra -o "$WORK/bin/timer" "$ROOT/bench/timer.cpp"
g++ -std=c++20 -O2 -Wall -Wextra -I"$ROOT/src" -o "$WORK/bin/count_listings" \
  "$ROOT/bench/count_listings.cpp" "$BUILT/libtpx32core.a"
cp "$BUILT/tpx32" "$WORK/bin/tpx32"

# One tree per variant, the same files on disk: Include/SubK/header_NNN.h and Src/unit_NN.c.
# Even headers are included by a quoted name relative to the source, odd ones by an angle-bracket
# name found through -I.
generate() {  # variant folder, "exact" or "windows"
  local dir=$1 style=$2 k n s folder header
  mkdir -p "$dir/Src"
  for ((k = 0; k < FOLDERS; k++)); do mkdir -p "$dir/Include/Sub$k"; done
  for ((n = 0; n < HEADERS; n++)); do
    folder=Sub$((n % FOLDERS))
    header=$(printf 'header_%03d' "$n")
    {
      printf '#ifndef HEADER_%03d\n#define HEADER_%03d\n' "$n" "$n"
      for ((k = 0; k < 8; k++)); do printf 'extern int h%03d_%d(int a, const char *b);\n' "$n" "$k"; done
      printf '#endif\n'
    } > "$dir/Include/$folder/$header.h"
  done
  local includes=$dir/includes.txt
  : > "$includes"
  for ((n = 0; n < HEADERS; n++)); do
    k=$((n % FOLDERS))
    header=$(printf 'header_%03d' "$n")
    if [[ $style == exact ]]; then
      if ((n % 2 == 0)); then
        printf '#include "../Include/Sub%d/%s.h"\n' "$k" "$header"
      else
        printf '#include <Sub%d/%s.h>\n' "$k" "$header"
      fi
    else
      # Every component in another case than on disk, "\" between them.
      local upper=${header^^}
      if ((n % 2 == 0)); then
        printf '#include "..\\INCLUDE\\sub%d\\%s.H"\n' "$k" "${upper:0:1}${header:1}"
      else
        printf '#include <SUB%d\\%s.H>\n' "$k" "$header"
      fi
    fi >> "$includes"
  done
  for ((s = 0; s < SOURCES; s++)); do
    {
      printf '/* unit %d */\n' "$s"
      cat "$includes"
      printf 'int unit_%d(void) { return %d; }\n' "$s" "$s"
    } > "$dir/Src/$(printf 'unit_%02d' "$s").c"
  done
}

generate "$WORK/exact" exact
generate "$WORK/windows" windows
directories=$((FOLDERS + 2))  # the tree's root (the working folder), Include and its folders

# The -I folder: as on disk for the exact tree, in another case for the Windows-style one.
args_exact=(-n"$WORK/out-exact" -IInclude "Src/*.c")
args_windows=(-n"$WORK/out-windows" -Iinclude "Src/*.c")
mkdir -p "$WORK/out-exact" "$WORK/out-windows"

# Both variants must give the same text apart from the names in the line markers.
(cd "$WORK/exact" && "$WORK/bin/tpx32" "${args_exact[@]}" > /dev/null) || die "the exact tree fails"
(cd "$WORK/windows" && "$WORK/bin/tpx32" "${args_windows[@]}" > /dev/null) || die "the Windows-style tree fails"
count=$(ls "$WORK/out-windows" | wc -l)
[[ $count -eq $SOURCES ]] || die "the Windows-style tree gave $count outputs, not $SOURCES"
strip() { sed 's#^/\* [^*]* \*/##' "$1"; }
for f in "$WORK"/out-exact/*.i; do
  cmp -s <(strip "$f") <(strip "$WORK/out-windows/$(basename "$f")") ||
    die "$(basename "$f"): the two trees give different text"
done

listings() {  # variant folder, arguments...
  local dir=$1
  shift
  (cd "$dir" && "$WORK/bin/count_listings" "$@" 2>&1 >/dev/null) | sed -n 's/^directory listings: //p'
}
listings_exact=$(listings "$WORK/exact" "${args_exact[@]}")
listings_windows=$(listings "$WORK/windows" "${args_windows[@]}")

plan=$WORK/plan.tsv
{
  printf 'exact\t%s\t/dev/null\t%s' "$WORK/exact" "$WORK/bin/tpx32"
  printf '\t%s' "${args_exact[@]}"
  printf '\nwindows\t%s\t/dev/null\t%s' "$WORK/windows" "$WORK/bin/tpx32"
  printf '\t%s' "${args_windows[@]}"
  printf '\n'
} > "$plan"

declare -A median minimum maximum
while IFS=$'\t' read -r id state med lo hi _; do
  [[ $state == ok ]] || die "$id fails while timed ($med)"
  median[$id]=$med minimum[$id]=$lo maximum[$id]=$hi
done < <("$WORK/bin/timer" "$plan" "$WARMUP" "$RUNS")

includes=$((HEADERS * SOURCES))
printf '\n%d headers in %d folders, included by %d files (%d includes), one tpx32 run per tree;\n' \
  "$HEADERS" "$FOLDERS" "$SOURCES" "$includes"
printf '%d counted runs after %d warm-up, interleaved; times in ms.\n\n' "$RUNS" "$WARMUP"
printf '| Tree | Median | Min | Max | Directory listings |\n|---|---|---|---|---|\n'
printf '| exact case and "/" | %s | %s | %s | %s |\n' \
  "${median[exact]}" "${minimum[exact]}" "${maximum[exact]}" "$listings_exact"
printf '| written for Windows | %s | %s | %s | %s (the tree has %d directories) |\n' \
  "${median[windows]}" "${minimum[windows]}" "${maximum[windows]}" "$listings_windows" "$directories"
awk -v a="${median[exact]}" -v b="${median[windows]}" -v n="$includes" \
  'BEGIN { printf "\nCost of the fallback: %.1f ms in all, %.2f us per include (medians).\n", b - a, (b - a) * 1000 / n }'
