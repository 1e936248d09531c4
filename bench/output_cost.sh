#!/usr/bin/env bash
# What one way of writing output files costs against another: two tpx32 programs (say, one that
# writes over the previous output and one that writes a temporary and renames it over the name)
# timed on the same inputs, interleaved round by round with bench/timer.cpp, each writing into a
# folder of its own that still holds its output of the round before, as in a rebuild.
#
# Inputs: those of `make bench` where its cache has them (SQLite, zlib, Lua, the generated
# macro-heavy input), and a large plain input generated here (400,000 lines of declarations
# without macros, about 20 MB), which has little to do but write.
#
# Usage: bench/output_cost.sh <first tpx32> <second tpx32>
# Environment: BENCH_RUNS (counted rounds, default 21), BENCH_WARMUP (default 2),
# TPX32_BENCH_CACHE (as for run.sh).
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
first=$(realpath "$1")
second=$(realpath "$2")
RUNS=${BENCH_RUNS:-21}
WARMUP=${BENCH_WARMUP:-2}
CACHE=${TPX32_BENCH_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tpx32-bench}
WORK=$ROOT/build/bench-output
STUBS=$ROOT/bench/stubs
rm -rf "$WORK"
mkdir -p "$WORK/bin" "$WORK/plain"
cp "$first" "$WORK/bin/first"
cp "$second" "$WORK/bin/second"
c++ -O2 -std=c++17 -o "$WORK/timer" "$ROOT/bench/timer.cpp"

# The plain input.
awk 'BEGIN { for (i = 0; i < 400000; i++)
               printf "static const unsigned long table_%d[4] = { %d, %d, %d, 0x%x };\n", i, i, 2 * i, 3 * i, i }' \
  > "$WORK/plain/plain.c"

plan=$WORK/plan
: > "$plan"
line() {
  local IFS=$'\t'
  printf '%s\n' "$*" >> "$plan"
}
# $1 name, $2 folder, $3... files: one process per file for each program.
add_set() {
  local name=$1 dir=$2 program f
  shift 2
  for program in first second; do
    mkdir -p "$WORK/out/$name-$program"
    for f in "$@"; do
      line "$name-$program" "$dir" /dev/null "$WORK/bin/$program" "-I$STUBS" -D_WIN32=1 \
        "-n$WORK/out/$name-$program" "$f"
    done
  done
}
sets=()
if [ -f "$CACHE/inputs/sqlite/sqlite3.c" ]; then
  add_set sqlite "$CACHE/inputs/sqlite" sqlite3.c
  sets+=(sqlite)
fi
for set in zlib lua; do
  if [ -d "$CACHE/inputs/$set" ]; then
    mapfile -t files < <(cd "$CACHE/inputs/$set" && ls ./*.c | sed 's|^\./||')
    add_set "$set" "$CACHE/inputs/$set" "${files[@]}"
    sets+=("$set")
  fi
done
if [ -d "$CACHE/inputs/gen-2000" ]; then
  add_set gen "$CACHE/inputs/gen-2000" gen.c
  sets+=(gen)
fi
add_set plain "$WORK/plain" plain.c
sets+=(plain)

echo "output_cost: $(stat -c %s "$WORK/plain/plain.c") bytes of plain input; $RUNS rounds after $WARMUP"
"$WORK/timer" "$plan" "$WARMUP" "$RUNS" > "$WORK/times"
# The ratio of the medians, and the median of the ratios taken within each round (the two runs
# of a round are seconds apart, so the machine's drift touches both alike).
printf '| Input | first: median ms (min–max) | second: median ms (min–max) | ratio of medians | median of round ratios |\n'
printf '|---|---:|---:|---:|---:|\n'
for set in "${sets[@]}"; do
  a=$(awk -F'\t' -v id="$set-first" '$1 == id { print $3 " (" $4 "–" $5 ")" }' "$WORK/times")
  b=$(awk -F'\t' -v id="$set-second" '$1 == id { print $3 " (" $4 "–" $5 ")" }' "$WORK/times")
  ratio=$(awk -F'\t' -v a="$set-first" -v b="$set-second" \
    '$1 == a { x = $3 } $1 == b { y = $3 } END { if (x > 0) printf "%.3f", y / x }' "$WORK/times")
  rounds=$(awk -F'\t' -v a="$set-first" -v b="$set-second" '
    $1 == a { n = split($6, x, ",") } $1 == b { split($6, y, ",") }
    END {
      for (i = 1; i <= n; i++) r[i] = y[i] / x[i]
      for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (r[j] < r[i]) { t = r[i]; r[i] = r[j]; r[j] = t }
      if (n > 0) printf "%.3f", (n % 2) ? r[(n + 1) / 2] : (r[n / 2] + r[n / 2 + 1]) / 2
    }' "$WORK/times")
  printf '| %s | %s | %s | %s | %s |\n' "$set" "$a" "$b" "$ratio" "$rounds"
done
grep -P '\tfail\t' "$WORK/times" && exit 1
exit 0
