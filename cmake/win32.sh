#!/usr/bin/env bash
# Builds the 32-bit Windows console program (build/win32/tpx32.exe) with mingw-w64 and runs
# its unit and end-to-end tests under Wine.
#
#   cmake/win32.sh build   cross-compiles tpx32.exe and the unit tests
#   cmake/win32.sh test    builds, then runs every test through Wine
#
# Needs g++-mingw-w64-i686, wine and wine32 (the i386 architecture). The Wine prefix lives in
# the build tree, so nothing outside it is touched, and one Wine server is kept up for the
# whole run: without it every test would wait for the server to shut down behind it.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/win32
host=$root/build/win32-host
jobs=${JOBS:-$(nproc 2>/dev/null || echo 2)}

export WINEPREFIX=$build/wineprefix
export WINEARCH=win32
export WINEDEBUG=-all
# No debugger pops up for a crashing program; the rest keeps the prefix set-up from looking
# for add-ons it would offer to download.
export WINEDLLOVERRIDES="winedbg.exe=d;mscoree=d;mshtml=d"

die() {
  echo "win32.sh: $*" >&2
  exit 1
}

build() {
  command -v i686-w64-mingw32-g++ >/dev/null 2>&1 || die "i686-w64-mingw32-g++ is missing (g++-mingw-w64-i686)"
  local wine
  wine=$(command -v wine) || die "wine is missing (wine, wine32:i386)"

  # The end-to-end runner starts the program under test, so it is a program of this machine.
  mkdir -p "$host"
  # It builds generated inputs with the generator headers of tests/random.
  if [ ! -x "$host/e2e_runner" ] || [ "$root/tests/e2e/runner.cpp" -nt "$host/e2e_runner" ] ||
     [ -n "$(find "$root/tests/random" -name '*.h' -newer "$host/e2e_runner")" ]; then
    c++ -std=c++20 -O2 -Wall -Wextra -o "$host/e2e_runner" "$root/tests/e2e/runner.cpp"
  fi

  # The test programs run through Wine with this prefix, also when ctest is run by hand.
  local emulator="env;WINEPREFIX=$WINEPREFIX;WINEARCH=win32;WINEDEBUG=-all;WINEDLLOVERRIDES=winedbg.exe=d;$wine"
  cmake -S "$root" -B "$build" \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-i686-w64-mingw32.cmake" \
    -DCMAKE_BUILD_TYPE=Release \
    -DTPX32_E2E_RUNNER="$host/e2e_runner" \
    "-DCMAKE_CROSSCOMPILING_EMULATOR=$emulator" >/dev/null
  cmake --build "$build" -j "$jobs"
}

stop_server() {
  wineserver -k >/dev/null 2>&1 || true
}

test_all() {
  build
  # Some kernels, and some virtual machines, run no 32-bit programs at all: Wine's 32-bit
  # loader then fails with "Exec format error" before anything starts, whatever the program.
  # The Windows program and its tests have been built above, so the cross build is checked;
  # running them is left out, and said so.
  local probe
  if ! probe=$(wine --version 2>&1) && grep -q "Exec format error" <<<"$probe"; then
    echo "win32.sh: Windows tests NOT RUN: this machine's kernel runs no 32-bit programs" >&2
    echo "win32.sh: ($probe)" >&2
    echo "win32.sh: tpx32.exe and its tests were built; run 'make test-win32' where Wine runs" >&2
    return 0
  fi
  # A server left behind by an interrupted run would keep the old state: start afresh.
  stop_server
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "win32.sh: preparing the Wine prefix"
    wineboot -i >/dev/null 2>&1 || die "wineboot could not prepare $WINEPREFIX"
    # Waiting for the server to end saves the new prefix's registry.
    wineserver -w
  fi
  trap stop_server EXIT
  wineserver -p
  # The first program of a server session starts Wine's own background services, which would
  # inherit (and hold open) the output pipe of whatever test came first: start them now. Run
  # without arguments the program prints its usage and ends with status 0.
  wine "$build/tpx32.exe" </dev/null >/dev/null 2>&1 ||
    die "Wine cannot run tpx32.exe (is wine32:i386 installed?)"
  (cd "$build" && ctest --output-on-failure -j "$jobs")
}

case "${1:-}" in
  build) build ;;
  test) test_all ;;
  *) die "usage: cmake/win32.sh build|test" ;;
esac
