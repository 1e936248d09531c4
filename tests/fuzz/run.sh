#!/usr/bin/env bash
# Builds the fuzz target (clang's libFuzzer with the address and undefined-behaviour sanitizers)
# in build/fuzz and runs it for a while over the committed seeds and the working corpus that
# earlier runs left in build/fuzz/corpus. A crash, a sanitizer report or an input that takes more
# than the time limit stops the run with a failing status and leaves the input in
# build/fuzz/findings; every finding becomes a golden case.
#
# Usage: tests/fuzz/run.sh [seconds] [option set]
#   seconds      how long to run (default 60)
#   option set   none, C, Sc, Sr or CP932: run every input with that set alone (a campaign);
#                without it the first byte of each input picks the options
# Environment: JOBS (build jobs, default 2), FUZZ_TIMEOUT (seconds an input may take, default 10),
# FUZZ_FORK (with a number N: libFuzzer's fork mode with N jobs, which goes on after a finding
# and counts crashes and hangs, for campaigns).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
seconds=${1:-60}
set_name=${2:-}
build=$root/build/fuzz
cc=$(command -v clang++ || command -v clang++-14 || true)
if [ -z "$cc" ]; then
  echo "fuzz: clang++ is needed (Debian: apt-get install clang libclang-rt-14-dev)" >&2
  exit 2
fi
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER="$cc" \
  -DTPX32_FUZZ=ON -DTPX32_TESTS=OFF >/dev/null
cmake --build "$build" --target tpx32_fuzz -j "${JOBS:-2}" >/dev/null

corpus=$build/corpus${set_name:+-$set_name}
findings=$build/findings
mkdir -p "$corpus" "$findings"
flags=(-max_total_time="$seconds" -timeout="${FUZZ_TIMEOUT:-10}" -rss_limit_mb=2048
       -dict="$root/tests/fuzz/tpx32.dict" -artifact_prefix="$findings/" -print_final_stats=1)
[ -n "$set_name" ] && flags+=(-tpx32_set="$set_name")
if [ -n "${FUZZ_FORK:-}" ]; then
  flags+=(-fork="$FUZZ_FORK" -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1)
fi
# The working corpus comes first: new inputs are written there, never among the seeds.
exec "$build/tpx32_fuzz" "${flags[@]}" "$corpus" "$root/tests/fuzz/corpus"
