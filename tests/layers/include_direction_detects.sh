#!/usr/bin/env bash
# The include-direction check must fail on an include against the pipeline: a copy of src/ gets
# one (the identifier table including the driver), and the check must name it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$here/../../src" "$work/src"
echo '#include "driver/run.h"' >> "$work/src/source/ident_table.cpp"
if out=$(bash "$here/include_direction.sh" "$work/src" 2>&1); then
  echo "the check passed a tree with source/ident_table.cpp including driver/run.h" >&2
  exit 1
fi
grep -q "source/ident_table.cpp includes driver/run.h" <<<"$out" || {
  echo "the check failed without naming the include:" >&2
  echo "$out" >&2
  exit 1
}
echo "the check names the include against the pipeline"
