#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz/) with clang into build-fuzz and runs each
# for the given number of executions (default 20000: a smoke for CI) over a
# copy of its seed corpus. Exits non-zero on the first finding; the input that
# found it is kept in build-fuzz/findings/<target>/.
#   scripts/fuzz.sh [executions-per-target] [target...]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-20000}
shift || true
scripts/deps.sh
if [ ! -f build-fuzz/CMakeCache.txt ]; then
  cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
        -DATTESTARI_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
fi
flock /tmp/attestari-build.lock cmake --build build-fuzz -j"$(nproc)" --target fuzzers
targets=("$@")
if ((${#targets[@]} == 0)); then
  targets=()
  for dir in fuzz/corpus/*/; do targets+=("$(basename "$dir")"); done
fi
export ASAN_OPTIONS="detect_leaks=0:halt_on_error=1:abort_on_error=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
status=0
for t in "${targets[@]}"; do
  work=build-fuzz/corpus/$t findings=build-fuzz/findings/$t
  rm -rf "$work"; mkdir -p "$work" "$findings"
  cp fuzz/corpus/"$t"/* "$work"/
  start=$SECONDS
  if build-fuzz/fuzz/fuzz_"$t" -runs="$runs" -max_len=16384 -timeout=20 -rss_limit_mb=2048 \
       -print_final_stats=1 -artifact_prefix="$findings/" "$work" >build-fuzz/fuzz_"$t".log 2>&1; then
    echo "fuzz_$t: $runs runs, no finding ($((SECONDS - start)) s)"
  else
    echo "fuzz_$t: FINDING, see build-fuzz/fuzz_$t.log and $findings/" >&2
    tail -n 40 build-fuzz/fuzz_"$t".log >&2
    status=1
  fi
done
exit $status
