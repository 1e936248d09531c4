#!/usr/bin/env bash
# --diagnostics=gnu read by the tools that jump to messages: Vim's default 'errorformat' (the
# quickfix list gets the file and line of every message, and nothing for the lines that name no
# line), and the problem-matcher pattern that CI services commonly use for compiler messages,
# a JavaScript regular expression run here by node.
# Usage: gnu_editors.sh <tpx32> <scratch dir>
set -euo pipefail
. "$(dirname "$0")/common.sh"
tpx32=$(realpath "$1")
work=$2
command -v vim >/dev/null || { echo "vim is missing (Debian package vim)"; exit 1; }
command -v node >/dev/null || { echo "node is missing (Debian package nodejs)"; exit 1; }
rm -rf "$work"
mkdir -p "$work/src"
cd "$work"

printf '#include "missing.h"\n#define A 1\n#define A 2\nint x = A / 0;\n#if 1 +\n#endif\n' > src/bad.c
printf 'int ok;\n#error no more\n' > src/stop.c
set +e
"$tpx32" --quiet --diagnostics=gnu -w src/bad.c src/absent.c src/stop.c >stdout.txt 2>messages.txt
status=$?
set -e
check "the run fails" test $status -eq 1
check "nothing but the output goes to standard output" test ! -s stdout.txt
expected='src/bad.c:1: error: Unable to open include file '"'"'missing.h'"'"'
src/bad.c:3: warning: Redefinition of '"'"'A'"'"' is not identical
src/bad.c:5: error: Expression syntax
*** 2 errors in Compile ***
tpx32: error: Could not find file '"'"'src/absent.c'"'"'
src/stop.c:2: fatal error: Error directive:  no more
*** 1 errors in Compile ***'
check "the messages (got: $(cat messages.txt))" test "$(cat messages.txt)" = "$expected"

# Vim, without any settings of a user: every entry with a file and a line is valid.
vim -es -N -u NONE -i NONE \
  -c 'cgetfile messages.txt' \
  -c 'call writefile(map(getqflist(), {_, e -> (e.valid ? bufname(e.bufnr) . "|" . e.lnum . "|" . e.text : "-")}), "quickfix.txt")' \
  -c 'qall!' </dev/null || true
check "vim's quickfix list (got: $(tr '\n' ';' < quickfix.txt))" test "$(cat quickfix.txt)" = \
"src/bad.c|1| error: Unable to open include file 'missing.h'
src/bad.c|3| warning: Redefinition of 'A' is not identical
src/bad.c|5| error: Expression syntax
-
-
src/stop.c|2| fatal error: Error directive:  no more
-"

# The problem-matcher pattern: file, line, optional column, severity and message.
node - messages.txt >matched.txt <<'NODE'
const fs = require("fs");
const pattern = /^(.*?):(\d+):(\d+)?:?\s+(?:fatal\s+)?(warning|error):\s+(.*)$/;
for (const line of fs.readFileSync(process.argv[2], "utf8").split("\n")) {
  if (line === "") continue;
  const m = pattern.exec(line);
  console.log(m ? `${m[1]}|${m[2]}|${m[4]}|${m[5]}` : "-");
}
NODE
check "the problem matcher (got: $(tr '\n' ';' < matched.txt))" test "$(cat matched.txt)" = \
"src/bad.c|1|error|Unable to open include file 'missing.h'
src/bad.c|3|warning|Redefinition of 'A' is not identical
src/bad.c|5|error|Expression syntax
-
-
src/stop.c|2|error|Error directive:  no more
-"

[ $fail -eq 0 ] && echo "gnu messages: read by vim and by the problem-matcher pattern"
exit $fail
