#!/usr/bin/env bash
# Records what tpx32 does now as the expectation of a golden case: runs the case's args on a copy
# of its in/ folder (and of the files its `generate` recipe makes) and writes stdout, status and
# out/, and stderr when the run wrote there. Review every recorded byte before committing it: a
# golden file is only as good as that review.
# As the runner does, `{work}` in args and in the files of in/ stands for the absolute path of
# the working folder, and that path is written back as `{work}` in what is recorded.
# Usage: tests/e2e/bless.sh <tpx32> <case folder>...
# A case with a `generate` file needs tpx32_generate: by default the one built beside tpx32 (in
# tests/ of the same build folder, or beside tpx32_general), or the one named by TPX32_GENERATE.
set -euo pipefail
tpx32=$(realpath "$1"); shift
generate=${TPX32_GENERATE:-$(dirname "$tpx32")/tests/tpx32_generate}
# tpx32_general stands in tests/ itself, beside tpx32_generate.
[ -n "${TPX32_GENERATE:-}" ] || [ -x "$generate" ] || generate=$(dirname "$tpx32")/tpx32_generate

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
  # The inputs as the run finds them, kept aside to tell changed inputs from unchanged ones.
  inputs=$(mktemp -d)
  [ -d "$case/in" ] && cp -a "$case/in/." "$inputs/"
  [ -f "$case/generate" ] && "$generate" --recipe "$case/generate" "$inputs" > /dev/null
  (cd "$inputs" && find . -type f | sort) > "$work.inputs"
  while IFS= read -r f; do replace_in "$inputs/$f" "{work}" "$work"; done < "$work.inputs"
  cp -a "$inputs/." "$work/"
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
    if ! grep -qxF "$f" "$work.inputs" || ! cmp -s "$work/$f" "$inputs/$f"; then
      mkdir -p "$case/out/$(dirname "$f")"
      cp "$work/$f" "$case/out/$f"
      replace_in "$case/out/$f" "$work" "{work}"
    fi
  done
  rm -rf "$work" "$inputs" "$work.stdout" "$work.stderr" "$work.inputs"
  echo "recorded $(basename "$case"): status $status"
done
