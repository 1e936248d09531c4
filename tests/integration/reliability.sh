#!/usr/bin/env bash
# tpx32 under faults and signals: a run ended by SIGTERM, SIGHUP, SIGINT or SIGKILL in the
# middle of a large output over an older, larger one leaves the old file or none, never a mix;
# two runs writing one name leave one complete output; temporaries of killed runs are swept;
# standard output that is full, closed or a pipe whose reader went away; too few file handles;
# too little memory (with "memory" as the third argument); a symbolic link, a device node and a
# FIFO as the output name; a folder that cannot be written holding an old output that can.
# Usage: reliability.sh <tpx32> <scratch dir> [memory]
set -uo pipefail
tpx32=$(realpath "$1")
work=$2
memory=${3:-}
rm -rf "$work"
mkdir -p "$work"
cd "$work" || exit 1
fail=0
failed() {
  echo "FAILED: $*"
  fail=1
}
# The names in the folder that are not among the given ones, hidden ones included.
others() {
  local name known
  for name in $(ls -A); do
    known=0
    for k in "$@"; do [ "$name" = "$k" ] && known=1; done
    [ $known -eq 0 ] && printf '%s ' "$name"
  done
}

# A source whose output takes a while: 200,000 lines of macro calls (about 17 MB).
awk 'BEGIN { print "#define F(a, b) a + b * (a)";
             for (i = 0; i < 200000; i++) printf "int v%d = F(%d, v%d) + F(F(1, 2), F(3, 4));\n", i, i, i }' > big.c
printf 'int small;\n' > small.c
"$tpx32" --quiet -oref-big.i big.c || failed "reference run of big.c"
"$tpx32" --quiet -oref-small.i small.c || failed "reference run of small.c"
# An older output, larger than the new one.
head -c $(( $(stat -c %s ref-big.i) + 1000000 )) /dev/zero | tr '\0' 'o' > old.i

# Starts `tpx32 big.c` in the background over the old output and waits until its temporary has
# grown past one buffer; sets `pid`.
start_big() {
  cp old.i big.i
  "$tpx32" --quiet big.c &
  pid=$!
  local temporary=".big.i.tpx32-$pid.tmp" tries=0
  while [ $tries -lt 2000 ]; do
    if [ -f "$temporary" ] && [ "$(stat -c %s "$temporary")" -gt 65536 ]; then return 0; fi
    kill -0 $pid 2>/dev/null || break
    sleep 0.005
    tries=$((tries + 1))
  done
  failed "the run of big.c ended or did not start writing before it could be signalled"
  return 1
}

# SIGTERM, SIGHUP and SIGINT end the run as an interrupt: status 255, the temporary removed and
# the old output removed as a failed run removes it.
for signal in TERM HUP INT; do
  start_big || continue
  kill -$signal $pid
  wait $pid
  status=$?
  [ $status -eq 255 ] || failed "SIG$signal: status $status, not 255"
  [ -e big.i ] && failed "SIG$signal: big.i is left ($(stat -c %s big.i) bytes)"
  extra=$(others big.c small.c ref-big.i ref-small.i old.i)
  [ -z "$extra" ] || failed "SIG$signal: left behind: $extra"
done

# SIGKILL: nothing can be done then, and the name holds the old output whole. The temporary
# it leaves is swept by the next run into the folder; a temporary of a live process is not.
start_big && {
  kill -KILL $pid
  wait $pid
  status=$?
  [ $status -eq 137 ] || failed "SIGKILL: status $status, not 137"
  cmp -s big.i old.i || failed "SIGKILL: big.i is not the old output"
  [ -f ".big.i.tpx32-$pid.tmp" ] || failed "SIGKILL: no temporary was left to sweep"
  printf 'live' > ".live.i.tpx32-$$.tmp"
  "$tpx32" --quiet small.c || failed "the run after SIGKILL"
  [ -e ".big.i.tpx32-$pid.tmp" ] && failed "the temporary of the killed run was not swept"
  [ -e ".live.i.tpx32-$$.tmp" ] || failed "the temporary of a live process was swept"
  rm -f ".live.i.tpx32-$$.tmp" small.i big.i
}

# Two runs writing one name at once leave one complete output, whichever ends last.
for trial in 1 2 3 4 5; do
  "$tpx32" --quiet -oone.i big.c &
  a=$!
  "$tpx32" --quiet -oone.i small.c &
  b=$!
  wait $a
  sa=$?
  wait $b
  sb=$?
  [ $sa -eq 0 ] && [ $sb -eq 0 ] || failed "concurrent runs, trial $trial: statuses $sa and $sb"
  cmp -s one.i ref-big.i || cmp -s one.i ref-small.i ||
    failed "concurrent runs, trial $trial: one.i is neither output whole"
  extra=$(others big.c small.c ref-big.i ref-small.i old.i one.i)
  [ -z "$extra" ] || failed "concurrent runs, trial $trial: left behind: $extra"
done
rm -f one.i

# Standard output that cannot be written: an error on standard error and a failing status.
"$tpx32" -ocon big.c > /dev/full 2> full.err
status=$?
[ $status -eq 1 ] || failed "-ocon into a full device: status $status"
grep -q "Error big.c [0-9]*: Error writing output file" full.err ||
  failed "-ocon into a full device: no error on standard error: $(cat full.err)"
"$tpx32" -ocon small.c > /dev/full 2> full.err
status=$?
[ $status -eq 1 ] && grep -q "Error writing output file" full.err ||
  failed "-ocon of a small output into a full device (flushed at the end): status $status"
"$tpx32" -ocon small.c >&- 2> closed.err
status=$?
[ $status -eq 1 ] && grep -q "Error writing output file" closed.err ||
  failed "-ocon with standard output closed: status $status, $(cat closed.err)"
# A reader that goes away: the run ends quietly with a failing status.
"$tpx32" -ocon big.c 2> pipe.err | head -c 100 > /dev/null
status=${PIPESTATUS[0]}
[ $status -eq 1 ] || failed "-ocon into a pipe whose reader ended: status $status"
[ -s pipe.err ] && failed "-ocon into a pipe whose reader ended: said $(cat pipe.err)"
rm -f full.err closed.err pipe.err

# Too few handles to reopen the main file after its handle was given up for the output: the
# failure is reported, never read as the end of the file.
# Runs a command with no handles open but the three standard ones, and at most $1 handles.
with_handles() {
  local limit=$1
  shift
  (
    for fd in $(ls /proc/$BASHPID/fd); do
      [ "$fd" -gt 2 ] && eval "exec $fd>&-"
    done
    ulimit -n "$limit"
    exec "$@"
  )
}
printf 'int m;\nint n;\n' > m.c
with_handles 4 "$tpx32" --quiet m.c > handles.out
status=$?
[ $status -eq 1 ] && grep -q "Unable to open input file 'm.c'" handles.out ||
  failed "ulimit -n 4: status $status, $(cat handles.out)"
[ -e m.i ] && failed "ulimit -n 4: m.i was left"
with_handles 5 "$tpx32" --quiet m.c || failed "ulimit -n 5: the run failed"
[ -e m.i ] || failed "ulimit -n 5: no m.i"
rm -f m.c m.i handles.out

# Too little memory: "Out of memory" for the file, or a complete output; never an abort.
if [ "$memory" = memory ]; then
  # 300,000 names made of the same nine letters: one bucket of the identifier table, and a
  # large index for it.
  python3 -c '
import itertools
with open("dist.c", "w") as f:
    for n, p in enumerate(itertools.permutations("abcdefghi")):
        if n == 300000: break
        f.write("int %s;\n" % "".join(p))
'
  "$tpx32" --quiet -oref-dist.i dist.c || failed "reference run of dist.c"
  inside=0
  for limit in $(seq 56000 2000 120000); do
    (ulimit -v $limit; exec "$tpx32" --quiet dist.c) > memory.out 2>&1
    status=$?
    if [ $status -eq 0 ]; then
      cmp -s dist.i ref-dist.i || failed "ulimit -v $limit: status 0 but dist.i is not complete"
    elif [ $status -eq 1 ]; then
      grep -q "Out of memory" memory.out ||
        failed "ulimit -v $limit: status 1 without Out of memory: $(cat memory.out)"
      [ -e dist.i ] && failed "ulimit -v $limit: dist.i left after Out of memory"
      grep -q "^Fatal dist.c [0-9]*: Out of memory" memory.out && inside=$((inside + 1))
    else
      failed "ulimit -v $limit: status $status: $(head -c 300 memory.out)"
    fi
    rm -f dist.i
  done
  [ $inside -gt 0 ] || failed "no memory limit made the file itself run out of memory"
  rm -f dist.c ref-dist.i memory.out
fi

# Output names that are not regular files: never replaced, never deleted.
printf 'int t;\n' > t.c
printf 'int t;\n#error stop\n' > bad.c
ln -s /dev/full full.i
"$tpx32" --quiet -ofull.i t.c > link.out
status=$?
[ $status -eq 1 ] && grep -q "Error writing output file" link.out ||
  failed "a link to a full device as the output: status $status, $(cat link.out)"
[ -L full.i ] || failed "the link to a full device was removed"
"$tpx32" --quiet -ofull.i bad.c > /dev/null
[ -L full.i ] || failed "the link to a full device was removed after an error"
if mknod node.i c 1 3 2> /dev/null; then  # the null device, made here
  "$tpx32" --quiet -onode.i t.c || failed "a device node as the output"
  "$tpx32" --quiet -onode.i bad.c > /dev/null
  [ -c node.i ] || failed "the device node was removed after an error"
else
  echo "note: no device node can be made here (not root); that part is skipped"
fi
mkfifo fifo.i
cat fifo.i > from-fifo &
reader=$!
"$tpx32" --quiet -ofifo.i t.c || failed "a FIFO as the output"
wait $reader
"$tpx32" --quiet -ot.i t.c
cmp -s from-fifo t.i || failed "what came through the FIFO is not the output"
[ -p fifo.i ] || failed "the FIFO was removed"
# A link to a regular file: the file is replaced, the link stays.
printf 'old\n' > target.i
ln -s target.i link.i
"$tpx32" --quiet -olink.i t.c || failed "a link to a file as the output"
[ -L link.i ] && cmp -s target.i t.i || failed "the link's target was not replaced, or the link went"
rm -f full.i node.i fifo.i from-fifo link.i target.i t.i link.out

# A folder that cannot be written, holding old outputs that can: written in place, and a failed
# run's output emptied and reported when it cannot be deleted. Run as an unprivileged user,
# since the superuser may write anywhere.
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  command -v setpriv > /dev/null && id nobody > /dev/null 2>&1 &&
    as_user=(setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups)
fi
if [ "$(id -u)" -ne 0 ] || [ ${#as_user[@]} -gt 0 ]; then
  locked=$(mktemp -d)
  cp "$tpx32" "$locked/tpx32"
  mkdir "$locked/ro"
  cp t.c bad.c "$locked/ro/"
  printf 'old old old\n' > "$locked/ro/t.i"
  printf 'old old old\n' > "$locked/ro/bad.i"
  chmod 666 "$locked/ro/t.i" "$locked/ro/bad.i"
  chmod 555 "$locked/ro"
  chmod 755 "$locked"
  (cd "$locked/ro" && "${as_user[@]}" "$locked/tpx32" --quiet t.c) > locked.out ||
    failed "a folder that cannot be written: $(cat locked.out)"
  cmp -s "$locked/ro/t.i" <(cd "$locked/ro" && "$tpx32" -ocon t.c) ||
    failed "a folder that cannot be written: t.i is not the output"
  (cd "$locked/ro" && "${as_user[@]}" "$locked/tpx32" --quiet bad.c) > locked.out
  status=$?
  [ $status -eq 1 ] && grep -q "Unable to delete output file 'bad.i'" locked.out ||
    failed "a folder that cannot be written, failed run: status $status, $(cat locked.out)"
  [ -s "$locked/ro/bad.i" ] && failed "a folder that cannot be written: bad.i was not emptied"
  chmod 755 "$locked/ro"
  rm -rf "$locked" locked.out
else
  echo "note: no unprivileged user to run as; the read-only folder is skipped"
fi

[ $fail -eq 0 ] && echo "reliability: all passed"
exit $fail
