#!/usr/bin/env bash
# Builds the Windows console program with mingw-w64 and runs its unit and end-to-end tests
# under Wine.
#
#   cmake/win32.sh build [i686|x86-64]   cross-compiles tpx32.exe and the unit tests
#   cmake/win32.sh test [i686|x86-64]    builds, then runs every test through Wine
#
# The program is the 32-bit one (i686, build/win32). Where this machine runs no 32-bit program
# (some kernels and virtual machines run none, and Wine's 32-bit loader then cannot start),
# `test` builds and runs the same suites as an x86-64 Windows program (build/win64) under
# 64-bit Wine instead, so the Windows platform layer is tested on every machine; it says which
# one ran. The tests are skipped only where neither can run, and that is said too. An explicit
# i686 or x86-64 picks the program whatever the machine.
#
# Needs g++-mingw-w64-i686 and wine32 (the i386 architecture) for the 32-bit program,
# g++-mingw-w64-x86-64 and wine64 for the x86-64 one. Each program has its own Wine prefix in its
# build tree, so nothing outside it is touched, and one Wine server is kept up for the whole run:
# without it every test would wait for the server to shut down behind it.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
host=$root/build/win32-host
jobs=${JOBS:-$(nproc 2>/dev/null || echo 2)}

export WINEDEBUG=-all
# No debugger pops up for a crashing program; the rest keeps the prefix set-up from looking
# for add-ons it would offer to download.
export WINEDLLOVERRIDES="winedbg.exe=d;mscoree=d;mshtml=d"

die() {
  echo "win32.sh: $*" >&2
  exit 1
}

# The Wine loaders and servers of each width, as Debian installs them.
find_tool() {
  local name=$1 found
  for found in "$(command -v "$name" 2>/dev/null || true)" "/usr/lib/wine/$name"; do
    if [ -n "$found" ] && [ -x "$found" ]; then
      echo "$found"
      return 0
    fi
  done
  return 1
}

# Sets the variables of one program: its build tree, toolchain, Wine loader, server and
# prefix.
select_arch() {
  arch=$1
  case "$arch" in
    i686)
      build=$root/build/win32
      toolchain=$root/cmake/toolchain-i686-w64-mingw32.cmake
      compiler=i686-w64-mingw32-g++-posix
      export WINEARCH=win32
      # The plain "wine" starts the 32-bit loader where it is installed.
      loader=$(find_tool wine) || die "wine is missing (wine, wine32:i386)"
      server=$(find_tool wineserver) || die "wineserver is missing (wine)"
      what="the 32-bit (i686) Windows program"
      ;;
    x86-64)
      build=$root/build/win64
      toolchain=$root/cmake/toolchain-x86_64-w64-mingw32.cmake
      compiler=x86_64-w64-mingw32-g++-posix
      export WINEARCH=win64
      loader=$(find_tool wine64) || die "wine64 is missing (wine64)"
      server=$(find_tool wineserver64 || find_tool wineserver) || die "wineserver is missing (wine64)"
      what="the x86-64 Windows program (64-bit Wine)"
      ;;
    *) die "unknown program '$arch' (i686 or x86-64)" ;;
  esac
  export WINEPREFIX=$build/wineprefix
  export WINESERVER=$server
  # Wine starts the programs' own child processes through the loader of their width.
  if [ "$arch" = x86-64 ]; then export WINELOADER=$loader; else unset WINELOADER; fi
}

# True when this machine runs 32-bit Windows programs: Wine's 32-bit loader starts.
runs_32_bit() {
  local wine32=/usr/lib/wine/wine
  [ -x "$wine32" ] || wine32=$(command -v wine32 2>/dev/null) || return 1
  "$wine32" --version >/dev/null 2>&1
}

runs_64_bit() {
  local wine64
  wine64=$(find_tool wine64) || return 1
  "$wine64" --version >/dev/null 2>&1
}

build() {
  command -v "$compiler" >/dev/null 2>&1 ||
    command -v "${compiler%-posix}" >/dev/null 2>&1 ||
    die "$compiler is missing (g++-mingw-w64-$arch)"

  # The end-to-end runner starts the program under test, so it is a program of this machine.
  mkdir -p "$host"
  # It builds generated inputs with the generator headers of tests/random.
  if [ ! -x "$host/e2e_runner" ] || [ "$root/tests/e2e/runner.cpp" -nt "$host/e2e_runner" ] ||
     [ -n "$(find "$root/tests/random" -name '*.h' -newer "$host/e2e_runner")" ]; then
    c++ -std=c++20 -O2 -Wall -Wextra -o "$host/e2e_runner" "$root/tests/e2e/runner.cpp"
  fi

  # The test programs run through Wine with this prefix, also when ctest is run by hand.
  local emulator="env;WINEPREFIX=$WINEPREFIX;WINEARCH=$WINEARCH;WINESERVER=$server"
  [ -z "${WINELOADER:-}" ] || emulator="$emulator;WINELOADER=$WINELOADER"
  emulator="$emulator;WINEDEBUG=-all;WINEDLLOVERRIDES=winedbg.exe=d;$loader"
  cmake -S "$root" -B "$build" \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release \
    -DTPX32_E2E_RUNNER="$host/e2e_runner" \
    "-DCMAKE_CROSSCOMPILING_EMULATOR=$emulator" >/dev/null
  cmake --build "$build" -j "$jobs"
}

stop_server() {
  "$server" -k >/dev/null 2>&1 || true
}

run_tests() {
  echo "win32.sh: testing $what: $build/tpx32.exe"
  # A server left behind by an interrupted run would keep the old state: start afresh.
  stop_server
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "win32.sh: preparing the Wine prefix $WINEPREFIX"
    "$loader" wineboot -i >/dev/null 2>&1 || die "wineboot could not prepare $WINEPREFIX"
    # Waiting for the server to end saves the new prefix's registry.
    "$server" -w
  fi
  trap stop_server EXIT
  "$server" -p
  # The first program of a server session starts Wine's own background services, which would
  # inherit (and hold open) the output pipe of whatever test came first: start them now. Run
  # without arguments the program prints its usage and ends with status 0.
  "$loader" "$build/tpx32.exe" </dev/null >/dev/null 2>&1 ||
    die "Wine cannot run $build/tpx32.exe"
  (cd "$build" && ctest --output-on-failure -j "$jobs")
  echo "win32.sh: the tests above ran $what"
}

test_all() {
  local wanted=${1:-auto}
  if [ "$wanted" = auto ]; then
    if runs_32_bit; then
      wanted=i686
    elif runs_64_bit; then
      echo "win32.sh: this machine runs no 32-bit programs: the Windows suites run as the x86-64 program"
      wanted=x86-64
    else
      select_arch i686
      build
      echo "win32.sh: Windows tests NOT RUN: Wine runs neither 32-bit nor 64-bit programs here" >&2
      echo "win32.sh: tpx32.exe and its tests were built; run 'make test-win32' where Wine runs" >&2
      return 0
    fi
  fi
  select_arch "$wanted"
  build
  run_tests
}

case "${1:-}" in
  build)
    select_arch "${2:-i686}"
    build
    ;;
  test) test_all "${2:-auto}" ;;
  *) die "usage: cmake/win32.sh build|test [i686|x86-64]" ;;
esac
