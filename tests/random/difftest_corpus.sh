#!/usr/bin/env bash
# The comparison with gcc over real code (`make difftest-corpus`): every C file of several code
# bases is preprocessed by tpx32 and by gcc (as in the differential test: tpx32's predefined
# macros given to gcc, the same -I folders, bench/stubs for the system headers), and their
# tokens must agree once the intended differences of tests/random/intended_differences.md are
# accounted for. Prints, per code base, the share of files that agree and the share of tokens
# that intended differences account for, and writes them to build/difftest-corpus/report.md.
#
# The code bases are Debian source packages, fetched into the benchmark's cache outside the
# repository (${TPX32_BENCH_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tpx32-bench}) by
# bench/fetch_sources.sh.
#
# Usage: bash tests/random/difftest_corpus.sh <tpx32_difftest> <tpx32> [code base...]
# Exit status: 0 when every file of every code base agrees or is excluded as a whole, else 1.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
DIFFTEST=$(realpath "$1")
TPX32=$(realpath "$2")
shift 2
CACHE=${TPX32_BENCH_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tpx32-bench}
OUT=$ROOT/build/difftest-corpus
EXCLUSIONS=$ROOT/tests/random/intended_differences.md

export LC_ALL=C
log() { printf 'difftest-corpus: %s\n' "$*" >&2; }
die() { printf 'difftest-corpus: error: %s\n' "$*" >&2; exit 1; }

# shellcheck source=bench/fetch_sources.sh
source "$ROOT/bench/fetch_sources.sh"

# The code bases: Debian source package and version.
CODE_BASES=(
  "zlib 1:1.2.13.dfsg-1"
  "lua5.4 5.4.4-3+deb12u1"
  "sqlite3 3.40.1-2+deb12u2"
  "bzip2 1.0.8-5"
  "giflib 5.2.1-2.5+deb12u1"
  "cjson 1.7.15-1+deb12u4"
)

# What is compared of each: sets FOLDER (the file names are relative to it), FILES and INCLUDES.
files_of() {
  local pkg=$1 src=$CACHE/src/$1
  INCLUDES=()
  case $pkg in
    zlib)
      FOLDER=$src INCLUDES=(.)
      mapfile -t FILES < <(cd "$src" && ls -- *.c test/*.c examples/*.c)
      ;;
    lua5.4)
      FOLDER=$src/src INCLUDES=(.)
      mapfile -t FILES < <(cd "$FOLDER" && ls -- *.c)
      ;;
    sqlite3)
      # The amalgamation, built from the package's sources as the benchmark builds it.
      build_sqlite_amalgamation
      FOLDER=$src FILES=(sqlite3.c)
      ;;
    bzip2)
      FOLDER=$src
      mapfile -t FILES < <(cd "$src" && ls -- *.c)
      ;;
    giflib)
      FOLDER=$src
      mapfile -t FILES < <(cd "$src" && ls -- *.c)
      ;;
    cjson)
      FOLDER=$src INCLUDES=(. tests/unity/src)
      mapfile -t FILES < <(cd "$src" && ls -- *.c tests/*.c fuzzing/*.c)
      ;;
    *) die "unknown code base $pkg" ;;
  esac
}

# Fetches source package $1 at version $2 unless the cache holds it already; the private apt
# configuration is written and updated once, when the first package is fetched.
APT_READY=0
ensure_source() {
  local dest=$CACHE/src/$1
  if [[ -f $dest/.complete && $(source_version "$dest") == "$2" ]]; then return; fi
  if ((APT_READY == 0)); then
    write_source_list
    apt-get "${APT_OPTS[@]}" -qq update >/dev/null 2>&1 || log "apt-get update reported errors"
    APT_READY=1
  fi
  fetch_source "$1" "$2"
}

main() {
  local wanted=("$@") line pkg version status=0
  rm -rf "$OUT"
  mkdir -p "$OUT/stubs"
  # System headers the stubs of the benchmark do not have, empty like them.
  : > "$OUT/stubs/getopt.h"
  {
    printf '# tpx32 and gcc over real code\n\n'
    printf -- '- Date: %s\n' "$(date -u '+%Y-%m-%d %H:%M UTC')"
    printf -- '- tpx32: %s; gcc: %s\n' "$(cd "$ROOT" && git describe --always --dirty 2>/dev/null || echo unknown)" \
      "$(gcc --version | head -n 1)"
    printf -- '- Intended differences: tests/random/intended_differences.md\n\n'
    printf '| Code base (Debian source package) | Files | Agree | Excluded as a whole | Differ | Tokens | In intended differences |\n'
    printf '|---|---:|---:|---:|---:|---:|---:|\n'
  } > "$OUT/report.md"
  for line in "${CODE_BASES[@]}"; do
    read -r pkg version <<< "$line"
    if ((${#wanted[@]} > 0)) && [[ " ${wanted[*]} " != *" $pkg "* ]]; then continue; fi
    ensure_source "$pkg" "$version"
    files_of "$pkg"
    local args=() i summary rc=0
    for i in "${INCLUDES[@]}"; do args+=(--include "$i"); done
    log "$pkg $version: ${#FILES[@]} files"
    "$DIFFTEST" --tpx32 "$TPX32" --work "$OUT/work" --exclusions "$EXCLUSIONS" \
      --keep "$OUT/differences" --include "$ROOT/bench/stubs" --include "$OUT/stubs" \
      "${args[@]}" --corpus "$pkg" --root "$FOLDER" "${FILES[@]}" > "$OUT/$pkg.log" || rc=$?
    ((rc == 0)) || status=1
    ((rc <= 1)) || die "tpx32_difftest failed on $pkg (status $rc); see $OUT/$pkg.log"
    grep -v '^  .*: agrees\|^figures ' "$OUT/$pkg.log" || true
    # "figures NAME FILES AGREE EXCLUDED DIFFER TOKENS IN-INTENDED-DIFFERENCES"
    awk -v pkg="$pkg $version" '$1 == "figures" {
      printf "| %s | %d | %d (%.2f %%) | %d | %d | %d | %d (%.3f %%) |\n", pkg, $3, $4,
        $3 ? 100 * $4 / $3 : 100, $5, $6, $7, $8, $7 ? 100 * $8 / $7 : 0
    }' "$OUT/$pkg.log" >> "$OUT/report.md"
  done
  printf '\n' >> "$OUT/report.md"
  cat "$OUT/report.md"
  log "report written to $OUT/report.md; outputs of differing files in $OUT/differences"
  return "$status"
}

main "$@"
