#!/usr/bin/env bash
# The CMake package with real CMake, make and ninja: tpx32 is installed into a scratch prefix,
# a small generated project finds it with find_package(tpx32) and preprocesses its sources with
# tpx32_preprocess(), once with the Makefile generator and once with Ninja. Touching a header
# rebuilds the .i files that include it and no other; an untouched tree rebuilds nothing.
# Usage: cmake_deps.sh <tpx32 build dir> <scratch dir> [generator...]
set -euo pipefail
. "$(dirname "$0")/common.sh"
build=$(realpath "$1")
work=$2
shift 2
generators=("$@")
[ ${#generators[@]} -gt 0 ] || generators=("Unix Makefiles" Ninja)
work=$(scratch_folder "$work")

cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" 2>&1 ||
  { cat "$work/install.log"; echo "FAILED: cmake --install"; exit 1; }

project=$work/project
mkdir -p "$project/src/sub" "$project/include"
printf '#include "local.h"\n#include <api.h>\nint a = LOCAL + API + LEVEL;\n' > "$project/src/a.c"
printf '#include <api.h>\nint b = API;\n' > "$project/src/sub/b.c"
printf 'int c;\n' > "$project/src/c.c"
printf '#define LOCAL 1\n' > "$project/src/local.h"
printf '#define API 2\n' > "$project/include/api.h"
cat > "$project/CMakeLists.txt" <<'CMAKE'
cmake_minimum_required(VERSION 3.20)
project(demo NONE)
find_package(tpx32 1.0 REQUIRED)
tpx32_preprocess(PREPROCESSED
  SOURCES src/a.c src/sub/b.c src/c.c
  INCLUDE_DIRECTORIES include
  DEFINITIONS LEVEL=3
  OPTIONS -w)
add_custom_target(preprocessed ALL DEPENDS ${PREPROCESSED})
CMAKE
touch -d '-1 hour' "$project"/src/*.c "$project"/src/*.h "$project"/src/sub/*.c "$project"/include/*.h

for generator in "${generators[@]}"; do
  tree=$work/build-${generator// /-}
  cmake -S "$project" -B "$tree" -G "$generator" -DCMAKE_PREFIX_PATH="$work/prefix" \
    >"$tree.log" 2>&1 || { cat "$tree.log"; echo "FAILED: configure with $generator"; fail=1; continue; }
  build_tree() { cmake --build "$tree" >"$tree.log" 2>&1 || { cat "$tree.log"; return 1; }; }
  remade() { (cd "$tree" && find . -name '*.i' -newer .stamp | sed 's|^\./||' | sort | tr '\n' ' '); }

  check "$generator: the first build" build_tree
  check "$generator: a.i is preprocessed" grep -q 'int a = 1 + 2 + 3;' "$tree/src/a.i"
  check "$generator: b.i keeps its sub-directory" test -f "$tree/src/sub/b.i"
  check "$generator: a.d lists both headers" grep -q 'api.h' "$tree/src/a.d"

  touch "$tree/.stamp"
  check "$generator: a second build" build_tree
  check "$generator: an untouched tree rebuilds nothing (got: $(remade))" test "$(remade)" = ""

  touch "$tree/.stamp"
  touch "$project/include/api.h"
  check "$generator: a build after touching api.h" build_tree
  check "$generator: touching api.h rebuilds a.i and b.i only (got: $(remade))" \
    test "$(remade)" = "src/a.i src/sub/b.i "

  touch "$tree/.stamp"
  touch "$project/src/local.h"
  check "$generator: a build after touching local.h" build_tree
  check "$generator: touching local.h rebuilds a.i only (got: $(remade))" test "$(remade)" = "src/a.i "
  touch -d '-1 hour' "$project"/src/*.h "$project"/include/*.h
done
[ $fail -eq 0 ] && echo "cmake: tpx32_preprocess() rebuilds what the headers touch (${generators[*]})"
exit $fail
