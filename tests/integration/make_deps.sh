#!/usr/bin/env bash
# Dependency files read by real make: a small generated project whose Makefile preprocesses
# every source with --deps and includes the dependency files. Touching a header remakes the .i
# files that include it and no other; an untouched tree remakes nothing; a header that is
# deleted (with the line that included it) does not stop the build; names with blanks and "$"
# work.
# Usage: make_deps.sh <tpx32> <scratch dir>
set -euo pipefail
. "$(dirname "$0")/common.sh"
tpx32=$(realpath "$1")
work=$2
command -v make >/dev/null || { echo "make is missing"; exit 1; }
rm -rf "$work"
mkdir -p "$work/include" "$work/my inc"
cd "$work"

printf '#include "local.h"\n#include <api.h>\nint a = LOCAL + API;\n' > a.c
printf '#include <api.h>\n#include "cost$.h"\nint b = API + COST;\n' > b.c
printf 'int c;\n' > c.c
printf '#define LOCAL 1\n' > local.h
printf '#define API 2\n' > include/api.h
printf '#define COST 3\n' > "my inc/cost\$.h"
cat > Makefile <<MAKEFILE
SOURCES := a.c b.c c.c
all: \$(SOURCES:.c=.i)
%.i: %.c
	"$tpx32" --quiet --deps -Iinclude "-Imy inc" \$<
-include \$(SOURCES:.c=.d)
MAKEFILE
# Sources an hour old: whatever is touched later is newer than every output.
touch -d '-1 hour' ./*.c ./*.h include/*.h "my inc"/*.h

# Outputs made since the last stamp.
stamp() { touch .stamp; }
remade() { find . -name '*.i' -newer .stamp | sed 's|^\./||' | sort | tr '\n' ' '; }

make -s >make.log 2>&1 || { cat make.log; echo "FAILED: the first build"; exit 1; }
check "a.d lists the source and both headers" \
  test "$(cat a.d)" = "$(printf 'a.i: a.c \\\n local.h \\\n include/api.h\n\nlocal.h:\n\ninclude/api.h:')"
check "b.d escapes the blank and the dollar" test "$(cat b.d)" = "$(printf 'b.i: b.c \\\n include/api.h \\\n my\\ inc/cost$$.h\n\ninclude/api.h:\n\nmy\\ inc/cost$$.h:')"
check "c.d names only the source" test "$(cat c.d)" = "c.i: c.c"

stamp
check "an untouched tree is up to date" make -q
make -s >make.log 2>&1
check "an untouched tree remakes nothing" test "$(remade)" = ""

stamp
touch include/api.h
make -s >make.log 2>&1
check "touching api.h remakes a.i and b.i only (got: $(remade))" test "$(remade)" = "a.i b.i "

stamp
touch local.h
make -s >make.log 2>&1
check "touching local.h remakes a.i only (got: $(remade))" test "$(remade)" = "a.i "

stamp
touch "my inc/cost\$.h"
make -s >make.log 2>&1
check "touching a header with a blank and a dollar in its path remakes b.i (got: $(remade))" \
  test "$(remade)" = "b.i "

# A deleted header, with the line that included it: the empty rule keeps make going.
stamp
printf '#include <api.h>\nint a = API;\n' > a.c
rm local.h
if make -s >make.log 2>&1; then
  check "after deleting local.h, a.i is remade (got: $(remade))" test "$(remade)" = "a.i "
  check "a.d no longer names local.h" bash -c '! grep -q local.h a.d'
else
  cat make.log
  echo "FAILED: the build stops after a header was deleted"
  fail=1
fi

# A source with an error: the build fails and leaves neither the .i nor its .d.
printf '#include <api.h>\n#if\n#endif\n' > c.c
check "a source with an error fails the build" bash -c '! make -s >make.log 2>&1'
check "and leaves no c.i" test ! -e c.i
check "and no c.d" test ! -e c.d

[ $fail -eq 0 ] && echo "make: dependency files drive the rebuilds"
exit $fail
