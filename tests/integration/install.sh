#!/usr/bin/env bash
# What an install puts in place: cmake --install with a prefix and DESTDIR gives the program,
# the manual page, the documents and the CMake package under DESTDIR/prefix, and the installed
# program runs; `make install` passes PREFIX and DESTDIR on to it.
# Usage: install.sh <tpx32 build dir> <source dir> <scratch dir>
set -euo pipefail
. "$(dirname "$0")/common.sh"
build=$(realpath "$1")
source=$(realpath "$2")
work=$3
work=$(scratch_folder "$work")

DESTDIR="$work/root" cmake --install "$build" --prefix /opt/tpx32 >"$work/install.log" 2>&1 ||
  { cat "$work/install.log"; echo "FAILED: cmake --install"; exit 1; }
root=$work/root/opt/tpx32
check "the program is installed" test -x "$root/bin/tpx32"
check "the manual page is installed" test -f "$root/share/man/man1/tpx32.1"
for doc in README.md LICENSE CHANGELOG.md CONTRIBUTING.md; do
  check "$doc is installed" test -f "$root/share/doc/tpx32/$doc"
done
check "the CMake package is installed" \
  bash -c "ls '$root'/lib*/cmake/tpx32/tpx32Config.cmake '$root'/lib*/cmake/tpx32/tpx32Preprocess.cmake >/dev/null"
check "nothing lands outside DESTDIR and the prefix" \
  test "$(cd "$work/root" && find . -mindepth 1 -maxdepth 2 | sort | tr '\n' ' ')" = "./opt ./opt/tpx32 "
check "the installed program runs" bash -c "'$root/bin/tpx32' --version | grep -q '^tpx32 '"
if command -v man >/dev/null; then
  check "man reads the installed page" bash -c "MANWIDTH=80 man -l '$root/share/man/man1/tpx32.1' 2>/dev/null | grep -q 'tpx32 - C and C++ preprocessor'"
fi

# `make install` of the source tree: PREFIX and DESTDIR reach cmake --install.
plan=$(make -s -n -C "$source" install PREFIX=/usr/local/x DESTDIR=/tmp/staging 2>&1)
check "make install passes PREFIX and DESTDIR (it runs: $plan)" \
  grep -qE 'DESTDIR="?/tmp/staging"? +cmake --install .* --prefix "?/usr/local/x"?( |$)' <<<"$plan"
plan=$(make -s -n -C "$source" install 2>&1)
check "make install defaults to /usr/local (it runs: $plan)" \
  grep -qE 'cmake --install .* --prefix "?/usr/local"?( |$)' <<<"$plan"

[ $fail -eq 0 ] && echo "install: program, manual page, documents and CMake package in place"
exit $fail
