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
  # The commit the program was built from: one of this repository's, given as 12 digits (a
  # commit made after the build is not the build's, so HEAD itself is not required).
  if [[ $out =~ ^tpx32\ $version\ \(commit\ ([0-9a-f]{12})\)$ ]]; then
    git -C "$source" cat-file -e "${BASH_REMATCH[1]}^{commit}" 2>/dev/null ||
      { echo "--version names commit ${BASH_REMATCH[1]}, which is not in the repository"; fail=1; }
  else
    echo "--version printed '$out', expected 'tpx32 $version (commit <12 hex digits>)'"
    fail=1
  fi
else
  [ "$out" = "tpx32 $version" ] || { echo "--version printed '$out', expected 'tpx32 $version'"; fail=1; }
fi

grep -q "^\.TH TPX32 1 [0-9-]* \"tpx32 $version\"" "$source/doc/tpx32.1" ||
  { echo "the manual page does not name version $version"; fail=1; }
grep -q "^## \[$version\]" "$source/CHANGELOG.md" ||
  { echo "CHANGELOG.md has no section for version $version"; fail=1; }
[ $fail -eq 0 ] && echo "version: $out"
exit $fail
