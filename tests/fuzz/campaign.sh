#!/usr/bin/env bash
# A fuzzing campaign: the fuzz target built once into build/campaign, then run for the given
# time on each option set in turn (none, C, Sc, Sr, CP932), in libFuzzer's fork mode, so that it
# goes on after a finding and counts crashes and hangs. Meant to run in the background at low
# priority; each set writes its log to build/campaign/<set>.log, its findings to
# build/campaign/findings-<set>/, and its last status line (runs, edges, crashes, hangs) to
# build/campaign/summary.txt.
#
# Usage: tests/fuzz/campaign.sh [seconds per set] [set...]   (default 3600, all five sets)
# TPX32_CAMPAIGN_BUILD names another build folder, for a second campaign that runs beside one
# whose fuzz target should not be rebuilt under it. TPX32_CAMPAIGN_JOBS runs that many fuzzing
# processes per set (default 1), so a set gets its CPU time in a shorter wall time.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
seconds=${1:-3600}
shift || true
sets=("$@")
[ ${#sets[@]} -gt 0 ] || sets=(none C Sc Sr CP932)
build=${TPX32_CAMPAIGN_BUILD:-$root/build/campaign}
jobs=${TPX32_CAMPAIGN_JOBS:-1}
cc=$(command -v clang++ || command -v clang++-14)
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER="$cc" \
  -DTPX32_FUZZ=ON -DTPX32_TESTS=OFF >/dev/null
cmake --build "$build" --target tpx32_fuzz -j 1 >/dev/null
echo "campaign: commit $(git -C "$root" rev-parse --short HEAD)$(git -C "$root" diff --quiet || echo ' (with changes)'), $seconds s per set, $jobs process(es)" >> "$build/summary.txt"
for set in "${sets[@]}"; do
  corpus=$build/corpus-$set
  findings=$build/findings-$set
  mkdir -p "$corpus" "$findings"
  start=$(date +%s)
  "$build/tpx32_fuzz" -fork="$jobs" -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1 \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -dict="$root/tests/fuzz/tpx32.dict" -artifact_prefix="$findings/" -tpx32_set="$set" \
    "$corpus" "$root/tests/fuzz/corpus" > "$build/$set.log" 2>&1 || true
  last=$(grep -E '^#[0-9]+: cov:' "$build/$set.log" | tail -1)
  echo "$set: $(( $(date +%s) - start )) s: $last; findings: $(ls "$findings" | wc -l)" >> "$build/summary.txt"
done
