#!/usr/bin/env bash
# Records what tpx32 does now as the expectation of a golden case: runs the case's args on a copy
# of its in/ folder and writes stdout, status and out/, and stderr when the run wrote there.
# Review every recorded byte before committing it: a golden file is only as good as that review.
# As the runner does, `{work}` in args and in the files of in/ stands for the absolute path of
# the working folder, and that path is written back as `{work}` in what is recorded.
# Usage: tests/e2e/bless.sh <tpx32> <case folder>...
set -euo pipefail
tpx32=$(realpath "$1"); shift

# Replaces the text $2 by $3 in file $1, where it occurs.
replace_in() {
  local from=$2 to=$3
  grep -qF -- "$from" "$1" || return 0
  from=$(printf '%s' "$from" | sed 's/[][\.*^$|/]/\\&/g')
  to=$(printf '%s' "$to" | sed 's/[\&|]/\\&/g')
  sed -i "s|$from|$to|g" "$1"
}

for case in "$@"; do
  case=$(realpath "$case")
  work=$(mktemp -d)
  pristine=$(mktemp -d)
  [ -d "$case/in" ] && cp -a "$case/in/." "$work/" && cp -a "$case/in/." "$pristine/"
  (cd "$pristine" && find . -type f | sort) > "$work.inputs"
  while IFS= read -r f; do
    replace_in "$work/$f" "{work}" "$work"
    replace_in "$pristine/$f" "{work}" "$work"
  done < "$work.inputs"
  args=()
  if [ -s "$case/args" ]; then
    while IFS= read -r line || [ -n "$line" ]; do args+=("${line//\{work\}/$work}"); done < "$case/args"
  else
    touch "$case/args"
  fi
  set +e
  (cd "$work" && "$tpx32" "${args[@]}" > "$work.stdout" 2> "$work.stderr" < /dev/null)
  status=$?
  set -e
  replace_in "$work.stdout" "$work" "{work}"
  cp "$work.stdout" "$case/stdout"
  rm -f "$case/stderr"
  [ -s "$work.stderr" ] && cp "$work.stderr" "$case/stderr"
  echo "$status" > "$case/status"
  rm -rf "$case/out"
  (cd "$work" && find . -type f | sort) | while IFS= read -r f; do
    # New files, and input files the run changed.
    if ! grep -qxF "$f" "$work.inputs" || ! cmp -s "$work/$f" "$pristine/$f"; then
      mkdir -p "$case/out/$(dirname "$f")"
      cp "$work/$f" "$case/out/$f"
      replace_in "$case/out/$f" "$work" "{work}"
    fi
  done
  rm -rf "$work" "$pristine" "$work.stdout" "$work.stderr" "$work.inputs"
  echo "recorded $(basename "$case"): status $status"
done
