#!/usr/bin/env bash
# --version: one line, "tpx32" and the project's version, and in a git checkout the commit the
# program was built from; the manual page and the change log name the same version.
# Usage: version.sh <tpx32> <source dir> <project version>
set -euo pipefail
tpx32=$1
source=$2
version=$3
fail=0

out=$("$tpx32" --version)
status=$?
lines=$("$tpx32" --version | wc -l)
[ "$status" -eq 0 ] || { echo "--version exited with $status"; fail=1; }
[ "$lines" -eq 1 ] || { echo "--version printed $lines lines"; fail=1; }
if [ -e "$source/.git" ] && command -v git >/dev/null; then
  commit=$(git -C "$source" rev-parse --short=12 HEAD)
  expected="tpx32 $version (commit $commit)"
else
  expected="tpx32 $version"
fi
[ "$out" = "$expected" ] || { echo "--version printed '$out', expected '$expected'"; fail=1; }

grep -q "^\.TH TPX32 1 [0-9-]* \"tpx32 $version\"" "$source/doc/tpx32.1" ||
  { echo "the manual page does not name version $version"; fail=1; }
grep -q "^## \[$version\]" "$source/CHANGELOG.md" ||
  { echo "CHANGELOG.md has no section for version $version"; fail=1; }
[ $fail -eq 0 ] && echo "version: $out"
exit $fail
