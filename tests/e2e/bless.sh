#!/usr/bin/env bash
# Records what tpx32 does now as the expectation of a golden case: runs the case's args on a copy
# of its in/ folder and writes stdout, status and out/, and stderr when the run wrote there. Review every recorded byte before
# committing it: a golden file is only as good as that review.
# Usage: tests/e2e/bless.sh <tpx32> <case folder>...
set -euo pipefail
tpx32=$(realpath "$1"); shift
for case in "$@"; do
  case=$(realpath "$case")
  work=$(mktemp -d)
  [ -d "$case/in" ] && cp -a "$case/in/." "$work/"
  (cd "$case/in" 2>/dev/null && find . -type f | sort) > "$work.inputs" || : > "$work.inputs"
  args=()
  if [ -s "$case/args" ]; then
    while IFS= read -r line || [ -n "$line" ]; do args+=("$line"); done < "$case/args"
  else
    touch "$case/args"
  fi
  set +e
  (cd "$work" && "$tpx32" "${args[@]}" > "$work.stdout" 2> "$work.stderr" < /dev/null)
  status=$?
  set -e
  cp "$work.stdout" "$case/stdout"
  rm -f "$case/stderr"
  [ -s "$work.stderr" ] && cp "$work.stderr" "$case/stderr"
  echo "$status" > "$case/status"
  rm -rf "$case/out"
  (cd "$work" && find . -type f | sort) | while IFS= read -r f; do
    # New files, and input files the run changed.
    if ! grep -qxF "$f" "$work.inputs" || ! cmp -s "$work/$f" "$case/in/$f"; then
      mkdir -p "$case/out/$(dirname "$f")"
      cp "$work/$f" "$case/out/$f"
    fi
  done
  rm -rf "$work" "$work.stdout" "$work.stderr" "$work.inputs"
  echo "recorded $(basename "$case"): status $status"
done
