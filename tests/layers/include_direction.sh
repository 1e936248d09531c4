#!/usr/bin/env bash
# Checks that the includes between the folders of src/ follow the pipeline: command line,
# options, source input and scanning, directives and macros (with the #if evaluator), output,
# and the driver that runs it all. A folder may include its own headers and those of the
# folders before it in the list below; an include of a later folder is a fault, unless it is
# one of the exceptions listed after the list, each with its reason.
#
# Usage: include_direction.sh [source root]   (default: the src folder beside tests/)
set -euo pipefail

root=${1:-$(cd "$(dirname "$0")/../../src" && pwd)}

# The folders in pipeline order; each may include the ones before it.
order=(platform diagnostics memory options source constexpr directives output driver)

# Allowed includes against the order: "<including file> <included header>  reason".
exceptions=(
  # The scanner pulls: it hands directive lines to the directive dispatch and macro names to
  # expansion, and reads macro texts through expansion's end-of-segment handler.
  "source/scanner.cpp directives/directives.h"
  "source/scanner.cpp directives/macros.h"
  "source/plain_tokens.h directives/macros.h"
  "source/source_stack.cpp directives/macros.h"
  # A file record keeps its includer's conditional stack aside while the include is read,
  # and a file's own open conditionals end with it.
  "source/source_stack.cpp directives/directives.h"
  # The writer's new-line hook and character sink are called wherever text passes: line
  # counting, blanks between tokens, kept comments, #pragma, the -Sd comments.
  "source/count_line.h output/output_writer.h"
  "source/scanner.cpp output/output_writer.h"
  "directives/directives.cpp output/output_writer.h"
  "directives/macros.cpp output/output_writer.h"
  "directives/macros.cpp output/output_file.h"
  # The -D values are stored in the body form of the macro table, with its marks.
  "options/option_lists.cpp source/markers.h"
)

rank() {
  local folder=$1 i
  for i in "${!order[@]}"; do
    if [[ ${order[$i]} == "$folder" ]]; then
      echo "$i"
      return
    fi
  done
  echo -1
}

allowed() {
  local pair="$1 $2" e
  for e in "${exceptions[@]}"; do
    [[ $e == "$pair" ]] && return 0
  done
  return 1
}

faults=0
checked=0
while IFS= read -r file; do
  rel=${file#"$root"/}
  from=${rel%%/*}
  from_rank=$(rank "$from")
  if [[ $from_rank -lt 0 ]]; then
    echo "include_direction: $rel is in a folder that is not in the order" >&2
    faults=$((faults + 1))
    continue
  fi
  while IFS= read -r header; do
    to=${header%%/*}
    [[ $to == "$from" ]] && continue
    checked=$((checked + 1))
    to_rank=$(rank "$to")
    if [[ $to_rank -lt 0 ]]; then
      echo "include_direction: $rel includes $header, which is not in a known folder" >&2
      faults=$((faults + 1))
    elif [[ $to_rank -gt $from_rank ]] && ! allowed "$rel" "$header"; then
      echo "include_direction: $rel includes $header: $from comes before $to" >&2
      faults=$((faults + 1))
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\/[^"]*\)".*/\1/p' "$file")
done < <(find "$root" -name '*.h' -o -name '*.cpp' | sort)

# An exception that no longer matches an include is stale and would hide a later fault.
for e in "${exceptions[@]}"; do
  set -- $e
  if ! grep -q "^[[:space:]]*#[[:space:]]*include[[:space:]]*\"$2\"" "$root/$1" 2>/dev/null; then
    echo "include_direction: the exception \"$e\" matches no include" >&2
    faults=$((faults + 1))
  fi
done

if [[ $faults -ne 0 ]]; then
  echo "include_direction: $faults fault(s) in $checked includes between folders" >&2
  exit 1
fi
echo "include_direction: $checked includes between folders follow the pipeline"
