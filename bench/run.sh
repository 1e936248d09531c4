#!/usr/bin/env bash
# Side-by-side preprocessor benchmark: tpx32 against gcc -E, clang -E, mcpp, tcc -E and cat on
# the same inputs, stub headers and -D flags. See bench/README.md for what is measured and how.
#
# Environment knobs:
#   BENCH_RUNS     counted rounds (default 9)      BENCH_WARMUP  uncounted rounds (default 1)
#   BENCH_SCALE    macro families in the generated input (default 2000; a second input of twice
#                  that size is measured too)
#   BENCH_SETS     which input sets to run (default "sqlite zlib lua gen")
#   BENCH_PEERS    which other tools to run (default "gcc clang mcpp tcc cat"; "" for none)
#   BENCH_PROGRAM  the tpx32 to measure (default build/release/tpx32)
#   BENCH_BASELINE another tpx32 (an older build) timed in the same rounds, whose outputs are
#                  compared byte for byte with the measured program's
#   BENCH_GROWTH_RUNS  alternating rounds of the growth timing (default 15)
#   TPX32_BENCH_CACHE  where inputs are fetched and generated
#                  (default ${XDG_CACHE_HOME:-$HOME/.cache}/tpx32-bench)
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BENCH=$ROOT/bench
STUBS=$BENCH/stubs
BUILT=${BENCH_PROGRAM:-$ROOT/build/release/tpx32}
BASELINE=${BENCH_BASELINE:-}
WORK=$ROOT/build/bench
# The run measures a copy of the program, so a rebuild during the run cannot change or break it.
TPX=$WORK/bin/tpx32
BASE=$WORK/bin/tpx32-baseline
CACHE=${TPX32_BENCH_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tpx32-bench}
RUNS=${BENCH_RUNS:-9}
WARMUP=${BENCH_WARMUP:-1}
SCALE=${BENCH_SCALE:-2000}
SETS=${BENCH_SETS:-sqlite zlib lua gen}

# The same macro definitions for every tool. tpx32 always defines _WIN32 itself; passing it to
# the others too makes every tool take the same configuration branches of the inputs.
DEFINES=(-D_WIN32=1)

# mcpp warns about an unknown encoding under some UTF-8 locales; plain C keeps every tool quiet.
export LC_ALL=C

log() { printf 'bench: %s\n' "$*" >&2; }
die() { printf 'bench: error: %s\n' "$*" >&2; exit 1; }

[[ -x $BUILT ]] || die "$BUILT is missing; run 'make bench' (it builds the release program first)"
[[ -z $BASELINE || -x $BASELINE ]] || die "the baseline $BASELINE is not a program"

# ---------------------------------------------------------------------------------------------
# Tools. Everything comes from Debian packages, installed when absent.

as_root() {
  if [[ $(id -u) -eq 0 ]]; then "$@"
  elif command -v sudo >/dev/null 2>&1; then sudo "$@"
  else die "need root (or sudo) to run: $*"
  fi
}

install_tools() {
  local missing=() pair
  for pair in gcc:gcc g++:g++ clang:clang mcpp:mcpp tcc:tcc make:make tclsh:tcl \
      dpkg-source:dpkg-dev; do
    command -v "${pair%%:*}" >/dev/null 2>&1 || missing+=("${pair#*:}")
  done
  [[ -x /usr/bin/time ]] || missing+=(time)
  ((${#missing[@]} == 0)) && return
  log "installing ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    "${missing[@]}" >/dev/null
}

# The timing runner and the input generator are small C++ programs of this folder.
build_helpers() {
  mkdir -p "$WORK/bin"
  local name
  for name in timer gen_macro; do
    if [[ ! -x $WORK/bin/$name || $BENCH/$name.cpp -nt $WORK/bin/$name ]]; then
      g++ -std=c++17 -O2 -Wall -Wextra -o "$WORK/bin/$name" "$BENCH/$name.cpp"
    fi
  done
}

# ---------------------------------------------------------------------------------------------
# Inputs: Debian source packages, fetched by bench/fetch_sources.sh into $CACHE/src.

# shellcheck source=bench/fetch_sources.sh
source "$BENCH/fetch_sources.sh"

prepare_sources() {
  local inputs=$CACHE/inputs
  if [[ -f $inputs/sqlite/sqlite3.c && -f $inputs/lua/lua.c && -f $inputs/zlib/zlib.h ]]; then
    return
  fi
  log "fetching inputs into $CACHE"
  write_source_list
  apt-get "${APT_OPTS[@]}" -qq update >/dev/null 2>&1 || log "apt-get update reported errors"
  fetch_source sqlite3
  fetch_source lua5.4
  fetch_source zlib

  rm -rf "$inputs/sqlite" "$inputs/lua" "$inputs/zlib"
  mkdir -p "$inputs/sqlite" "$inputs/lua" "$inputs/zlib"
  build_sqlite_amalgamation
  cp "$CACHE/src/sqlite3/sqlite3.c" "$inputs/sqlite/"
  cp "$CACHE/src/lua5.4/src/"*.[ch] "$inputs/lua/"
  cp "$CACHE/src/zlib/"*.[ch] "$inputs/zlib/"
}

# The generated macro-heavy input at scale $1, regenerated when the generator changes.
generate_input() {
  local scale=$1 dir=$CACHE/inputs/gen-$1 stamp
  stamp=$(cksum < "$BENCH/gen_macro.cpp")
  if [[ -f $dir/gen.c && $(cat "$dir/.stamp" 2>/dev/null) == "$stamp" ]]; then return; fi
  rm -rf "$dir"
  "$WORK/bin/gen_macro" "$dir" "$scale"
  printf '%s\n' "$stamp" > "$dir/.stamp"
}

# ---------------------------------------------------------------------------------------------
# Plans. A plan line is: command id, working folder, standard-output file, program, arguments,
# separated by tabs. Lines with the same id make one command (one process per input file).

read -r -a PEERS <<< "${BENCH_PEERS-gcc clang mcpp tcc cat}"

peer_argv() {  # tool, input file
  case $1 in
    gcc)   printf '%s\t' gcc -E -nostdinc "-I$STUBS" "${DEFINES[@]}" "$2" ;;
    clang) printf '%s\t' clang -E -nostdinc "-I$STUBS" "${DEFINES[@]}" "$2" ;;
    mcpp)  printf '%s\t' mcpp -I- "-I$STUBS" "${DEFINES[@]}" "$2" ;;
    tcc)   printf '%s\t' tcc -E -nostdinc "-I$STUBS" "${DEFINES[@]}" "$2" ;;
    cat)   printf '%s\t' cat "$2" ;;
  esac
}

plan_line() {  # id, dir, stdout file, argv... (printed tab-separated, no trailing tab)
  local IFS=$'\t'
  printf '%s\n' "$*"
}

# Writes the plan of one input set: $1 set name, $2 input folder, $3... input files (relative
# names, as a user in the folder would write them). PLAN_PEERS names the other
# tools to run (default: all of PEERS).
write_plan() {
  local set=$1 dir=$2; shift 2
  local files=("$@") out=$WORK/out/$set f tool peers
  read -r -a peers <<< "${PLAN_PEERS:-${PEERS[*]}}"
  rm -rf "$out"
  local id program ids=(tpx32)
  [[ -n $BASELINE ]] && ids+=(base)
  for id in "${ids[@]}"; do
    program=$TPX
    [[ $id == base ]] && program=$BASE
    mkdir -p "$out/$id" "$out/$id-all"
    for f in "${files[@]}"; do
      plan_line "$id" "$dir" "$out/$id.log" "$program" "-I$STUBS" "${DEFINES[@]}" "-n$out/$id" "$f"
    done
    if ((${#files[@]} > 1)); then
      plan_line "$id-all" "$dir" "$out/$id-all.log" "$program" "-I$STUBS" "${DEFINES[@]}" \
        "-n$out/$id-all" "${files[@]}"
    fi
  done
  for tool in "${peers[@]}"; do
    mkdir -p "$out/$tool"
    for f in "${files[@]}"; do
      local argv
      IFS=$'\t' read -r -a argv <<< "$(peer_argv "$tool" "$f")"
      plan_line "$tool" "$dir" "$out/$tool/${f%.c}.i" "${argv[@]}"
    done
  done
}

# ---------------------------------------------------------------------------------------------
# Checking pass: every command runs once under /usr/bin/time -v. It records the exit status, the
# peak resident set (the largest of the command's processes) and the output. A command that
# fails here is reported as failing and left out of the timing.

declare -A STATUS RSS BYTES TEXT

# Bytes of program text in a command's output: line markers of every kind removed, then blanks.
# Tools write markers and spacing differently, so only this count is comparable between them.
text_bytes() {
  cat "$@" | sed -E -e 's@^/\* [^*]* [0-9]+: \*/@@' -e '/^#(line)?[[:space:]]*[0-9]+/d' |
    tr -d ' \t\r\n\f\v' | wc -c
}

check_plan() {  # plan file
  local plan=$1 id dir outf rest tf last="" rc rss
  tf=$(mktemp)
  while IFS=$'\t' read -r -a rest; do
    id=${rest[0]} dir=${rest[1]} outf=${rest[2]}
    rest=("${rest[@]:3}")
    if [[ $id != "$last" ]]; then STATUS[$id]=ok RSS[$id]=0; last=$id; fi
    [[ ${STATUS[$id]} == ok ]] || continue
    rc=0
    (cd "$dir" && /usr/bin/time -v -o "$tf" "${rest[@]}" > "$outf" 2> "$outf.err") || rc=$?
    rss=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$tf")
    rss=${rss:-0}
    ((rss > RSS[$id])) && RSS[$id]=$rss
    if ((rc != 0)); then
      local why
      why=$( (grep -m 1 -i -E 'error|fatal' "$outf" "$outf.err" 2>/dev/null || true) |
        head -n 1 | sed -E 's/^[^:]*://' | cut -c 1-100)
      STATUS[$id]="fails (exit $rc on ${rest[-1]}${why:+: $why})"
    fi
  done < "$plan"
  rm -f "$tf"
}

# Output size of each command of set $1, from the files it wrote.
measure_outputs() {
  local set=$1 out=$WORK/out/$1 id files
  for id in "${!STATUS[@]}"; do
    [[ -d $out/$id ]] || continue
    files=("$out/$id"/*.i)
    if [[ -e ${files[0]} ]]; then
      BYTES[$id]=$(cat "${files[@]}" | wc -c)
      TEXT[$id]=$(text_bytes "${files[@]}")
    else
      BYTES[$id]=0 TEXT[$id]=0
    fi
  done
}

# ---------------------------------------------------------------------------------------------
# Report.

RESULTS=$WORK/results.md

fmt_ms() { awk -v v="$1" 'BEGIN { printf (v < 100 ? "%.1f" : "%.0f"), v }'; }
fmt_mib() { awk -v v="$1" 'BEGIN { printf "%.1f", v / 1024 }'; }
fmt_int() { printf '%d' "$1" | sed -E ':a; s/([0-9])([0-9]{3})($|,)/\1,\2\3/; ta'; }

declare -A MEDIAN MINIMUM RANGE ROUNDS GEN_TPX GEN_TPX_MIN

# Times the set's passing commands and appends its table to the results.
run_set() {  # set name, title
  local set=$1 title=$2 plan=$WORK/plan-$1.tsv timed=$WORK/plan-$1.timed.tsv id
  STATUS=() RSS=() BYTES=() TEXT=() MEDIAN=() MINIMUM=() RANGE=() ROUNDS=()
  log "checking $set"
  check_plan "$plan"
  measure_outputs "$set"
  for id in "${!STATUS[@]}"; do
    [[ ${STATUS[$id]} == ok && ${BYTES[$id]:-0} -eq 0 ]] && STATUS[$id]="fails (no output)"
  done
  # Keep only the commands that passed the check.
  awk -F'\t' 'NR == FNR { ok[$1] = 1; next } ok[$1]' \
    <(for id in "${!STATUS[@]}"; do [[ ${STATUS[$id]} == ok ]] && echo "$id"; done) \
    "$plan" > "$timed"
  log "timing $set: $WARMUP warm-up + $RUNS counted rounds, interleaved"
  local id state med lo hi all
  while IFS=$'\t' read -r id state med lo hi all; do
    if [[ $state == ok ]]; then
      MEDIAN[$id]=$med MINIMUM[$id]=$lo RANGE[$id]="$(fmt_ms "$lo")–$(fmt_ms "$hi")" ROUNDS[$id]=$all
    else
      STATUS[$id]="fails while timed ($med)"
    fi
  done < <("$WORK/bin/timer" "$timed" "$WARMUP" "$RUNS")

  local base=${MEDIAN[tpx32]:-}
  {
    printf '\n### %s\n\n' "$title"
    printf '| Command | Median ms | Min–max ms | × tpx32 | Peak RSS MiB | Output bytes | Text bytes |\n'
    printf '|---|---:|---:|---:|---:|---:|---:|\n'
    local ids=(tpx32 tpx32-all base base-all "${PEERS[@]}") label ratio
    for id in "${ids[@]}"; do
      [[ -n ${STATUS[$id]:-} ]] || continue
      case $id in
        tpx32) label="tpx32 (one process per file)" ;;
        tpx32-all) label="tpx32 (all files in one run)" ;;
        base) label="baseline tpx32 (one process per file)" ;;
        base-all) label="baseline tpx32 (all files in one run)" ;;
        gcc | clang | tcc) label="$id -E" ;;
        *) label=$id ;;
      esac
      if [[ ${STATUS[$id]} != ok || -z ${MEDIAN[$id]:-} ]]; then
        printf '| %s | %s | | | %s | | |\n' "$label" "${STATUS[$id]}" "$(fmt_mib "${RSS[$id]}")"
        continue
      fi
      ratio=""
      [[ -n $base ]] && ratio=$(awk -v a="${MEDIAN[$id]}" -v b="$base" 'BEGIN { printf "%.2f", a / b }')
      printf '| %s | %s | %s | %s | %s | %s | %s |\n' "$label" "$(fmt_ms "${MEDIAN[$id]}")" \
        "${RANGE[$id]}" "$ratio" "$(fmt_mib "${RSS[$id]}")" "$(fmt_int "${BYTES[$id]}")" \
        "$(fmt_int "${TEXT[$id]}")"
    done
    # A loose check of the output: the program text should come out close to a peer's.
    if [[ ${STATUS[tpx32]:-} == ok && ${STATUS[gcc]:-} == ok && ${TEXT[gcc]:-0} -gt 0 ]]; then
      printf '
Text bytes of tpx32 against gcc -E: %s %%.
' \
        "$(awk -v a="${TEXT[tpx32]}" -v b="${TEXT[gcc]}" 'BEGIN { printf "%.1f", 100 * a / b }')"
    fi
    if [[ ${STATUS[tpx32]:-} == ok && ${STATUS[base]:-} == ok ]]; then
      compare_with_baseline "$set"
    fi
  } >> "$RESULTS"
}

# The median of the ratios B/A of two commands' times, round by round (comma-separated lists).
median_ratio() {
  paste -d' ' <(tr ',' '\n' <<< "$1") <(tr ',' '\n' <<< "$2") |
    awk '{ printf "%.6f\n", $2 / $1 }' | sort -n |
    awk '{ r[NR] = $1 } END { printf "%.2f", NR % 2 ? r[(NR + 1) / 2] : (r[NR / 2] + r[NR / 2 + 1]) / 2 }'
}

# Whether the measured program wrote the same bytes as the baseline, file by file.
compare_with_baseline() {  # set name
  local out=$WORK/out/$1 f name differ=()
  for f in "$out/tpx32"/*.i; do
    name=${f##*/}
    cmp -s "$f" "$out/base/$name" || differ+=("$name")
  done
  # Each round runs both programs back to back, so the ratio within a round is the figure least
  # moved by the machine's drift.
  local id
  for id in tpx32 tpx32-all; do
    [[ -n ${ROUNDS[$id]:-} && -n ${ROUNDS[${id/tpx32/base}]:-} ]] || continue
    printf '\nBaseline time against tpx32%s, median of the ratios within a round: %s.' \
      "$([[ $id == tpx32-all ]] && echo ' (all files in one run)')" \
      "$(median_ratio "${ROUNDS[$id]}" "${ROUNDS[${id/tpx32/base}]}")"
  done
  printf '\n'
  if ((${#differ[@]} == 0)); then
    printf '\nOutput of tpx32 and the baseline: byte for byte the same.\n'
  else
    printf '\nOutput of tpx32 and the baseline: %d file(s) differ (%s).\n' "${#differ[@]}" \
      "$(printf '%s ' "${differ[@]:0:5}" | sed 's/ $//')"
  fi
}

# The two tables of the generated input are timed minutes apart, and this machine's speed can
# drift by a third in that time. The growth is therefore also timed on its own: tpx32 on both
# inputs in alternating rounds, each ratio taken between the two runs of one round.
GROWTH_RUNS=${BENCH_GROWTH_RUNS:-15}
time_growth() {
  local plan=$WORK/plan-growth.tsv out=$WORK/out/growth id state med lo hi all small="" large=""
  mkdir -p "$out/small" "$out/large"
  {
    plan_line small "$CACHE/inputs/gen-$SCALE" "$out/small.log" "$TPX" "-I$STUBS" "${DEFINES[@]}" \
      "-n$out/small" gen.c
    plan_line large "$CACHE/inputs/gen-$((2 * SCALE))" "$out/large.log" "$TPX" "-I$STUBS" \
      "${DEFINES[@]}" "-n$out/large" gen.c
  } > "$plan"
  log "timing the growth: $WARMUP warm-up + $GROWTH_RUNS counted rounds, alternating"
  while IFS=$'\t' read -r id state med lo hi all; do
    [[ $state == ok ]] || return 0
    case $id in
      small) small=$all ;;
      large) large=$all ;;
    esac
  done < <("$WORK/bin/timer" "$plan" "$WARMUP" "$GROWTH_RUNS")
  [[ -n $small && -n $large ]] || return 0
  printf 'Growth timed side by side (%s alternating rounds of both inputs): twice the generated input takes %s × the time in tpx32 (median of the ratios within a round).\n' \
    "$GROWTH_RUNS" \
    "$(median_ratio "$small" "$large")" >> "$RESULTS"
}

# The version and commit a program reports, or its path when it has no --version.
describe_program() {
  local v
  if v=$("$1" --version 2>/dev/null) && [[ $v == tpx32* ]]; then
    printf '%s, %s' "${v%%$'\n'*}" "$1"
  else
    printf '%s' "$1"
  fi
}

describe_input() {  # folder, files... -> "N files, X MB, Y lines"
  local dir=$1; shift
  local bytes lines
  bytes=$(cd "$dir" && cat "$@" | wc -c)
  lines=$(cd "$dir" && cat "$@" | wc -l)
  printf '%d file%s, %s MB, %s lines' "$#" "$( (($# > 1)) && echo s)" \
    "$(awk -v b="$bytes" 'BEGIN { printf "%.2f", b / 1e6 }')" "$(fmt_int "$lines")"
}

# ---------------------------------------------------------------------------------------------

main() {
  local started=$SECONDS
  install_tools
  build_helpers
  cp "$BUILT" "$TPX"
  [[ -z $BASELINE ]] || cp "$BASELINE" "$BASE"
  mkdir -p "$WORK" "$CACHE"
  case " $SETS " in *" sqlite "* | *" zlib "* | *" lua "*) prepare_sources ;; esac

  {
    printf '# tpx32 side-by-side benchmark\n\n'
    printf -- '- Date: %s\n' "$(date -u '+%Y-%m-%d %H:%M UTC')"
    printf -- '- Machine: %s, %s cores, %s MiB memory, %s\n' \
      "$(awk -F': ' '/model name/ { print $2; exit }' /proc/cpuinfo)" "$(nproc)" \
      "$(awk '/MemTotal/ { printf "%d", $2 / 1024 }' /proc/meminfo)" "$(uname -sr)"
    printf -- '- tpx32: %s\n' "$(describe_program "$BUILT")"
    [[ -z $BASELINE ]] || printf -- '- Baseline tpx32: %s\n' "$(describe_program "$BASELINE")"
    printf -- '- Peers: %s; %s; %s; %s\n' "$(gcc --version | head -n 1)" \
      "$(clang --version | head -n 1)" "$(mcpp -v 2>&1 | head -n 1 | cut -d' ' -f1-3)" \
      "$(tcc -v | head -n 1)"
    printf -- '- Method: %s warm-up and %s counted rounds, commands interleaved; wall time of the\n' "$WARMUP" "$RUNS"
    printf '  whole command (all its processes); peak RSS from /usr/bin/time -v; headers from\n'
    printf '  bench/stubs only; flags %s. "Text bytes" is the output without line markers\n' "${DEFINES[*]}"
    printf '  and blanks, the one size comparable between tools.\n'
  } > "$RESULTS"

  local set dir files
  for set in $SETS; do
    case $set in
      sqlite | zlib | lua)
        dir=$CACHE/inputs/$set
        mapfile -t files < <(cd "$dir" && ls -- *.c)
        write_plan "$set" "$dir" "${files[@]}" > "$WORK/plan-$set.tsv"
        local title
        case $set in
          sqlite) title="SQLite amalgamation" ;;
          zlib) title="zlib sources" ;;
          lua) title="Lua sources" ;;
        esac
        run_set "$set" "$title ($(describe_input "$dir" "${files[@]}"))"
        ;;
      gen)
        local scale peers
        for scale in "$SCALE" $((2 * SCALE)); do
          generate_input "$scale"
          dir=$CACHE/inputs/gen-$scale
          # The doubled input is there to show how tpx32's time grows; mcpp, the slowest by far
          # (about 20 s a round there), is left out of it to keep the whole run short.
          peers="${PEERS[*]}"
          ((scale == SCALE)) || peers="${peers/mcpp /}"
          PLAN_PEERS=$peers write_plan "gen-$scale" "$dir" gen.c > "$WORK/plan-gen-$scale.tsv"
          mapfile -t files < <(cd "$dir" && ls -- gen.c gh*.h)
          run_set "gen-$scale" "Generated macro-heavy input, scale $scale ($((15 * scale)) macros; $(
            describe_input "$dir" "${files[@]}"), main file and headers)"
          GEN_TPX[$scale]=${MEDIAN[tpx32]:-} GEN_TPX_MIN[$scale]=${MINIMUM[tpx32]:-}
        done
        local a=${GEN_TPX[$SCALE]:-} b=${GEN_TPX[$((2 * SCALE))]:-}
        local amin=${GEN_TPX_MIN[$SCALE]:-} bmin=${GEN_TPX_MIN[$((2 * SCALE))]:-}
        if [[ -n $a && -n $b ]]; then
          # The fastest rounds are the least disturbed by other work on the machine, so the
          # growth is also given from them.
          printf '\nGrowth across the two tables: twice the generated input takes %s × the time in tpx32 (medians; %s × from the fastest rounds).\n' \
            "$(awk -v a="$a" -v b="$b" 'BEGIN { printf "%.2f", b / a }')" \
            "$(awk -v a="$amin" -v b="$bmin" 'BEGIN { printf "%.2f", b / a }')" >> "$RESULTS"
          time_growth
        fi
        ;;
      *) die "unknown input set '$set' (known: sqlite zlib lua gen)" ;;
    esac
  done

  printf '\nTotal benchmark time: %d s.\n' $((SECONDS - started)) >> "$RESULTS"
  cat "$RESULTS"
  log "results written to $RESULTS"
}

main "$@"
