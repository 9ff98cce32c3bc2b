#!/usr/bin/env bash
# Builds every libFuzzer target of tests/fuzz with clang (address and
# undefined-behaviour sanitizers, our code instrumented, the system Qt as it
# is) and runs each for SECONDS from its seeds, one after the other. Prints
# executions, coverage and any crash per target; exits 1 when one crashed.
#
# Usage: tests/fuzz/run.sh [SECONDS] [TARGET...]
#   SECONDS   default $FUZZ_SECONDS, else 60
#   TARGET    names as in tests/fuzz/CMakeLists.txt (default: all)
# Environment: FUZZ_BUILD (build folder, default build-fuzz),
#   FUZZ_OPTIONS (more libFuzzer options), JOBS, FUZZ_SKIP_BUILD.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${FUZZ_BUILD:-$root/build-fuzz}
seconds=${1:-${FUZZ_SECONDS:-60}}
shift || true
wanted=("$@")

# -O1 keeps fuzzing quick; assertions stay on (no NDEBUG). FUZZ_SKIP_BUILD=1
# runs what is built, so that targets can run while others still build.
if [ -z "${FUZZ_SKIP_BUILD:-}" ]; then
  CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DPLAYERLINK_FUZZ=ON -DPLAYERLINK_TESTS=OFF \
    -DCMAKE_BUILD_TYPE=FuzzBuild -DCMAKE_CXX_FLAGS_FUZZBUILD="-O1 -g" >/dev/null
  cmake --build "$build" -j "${JOBS:-2}" --target fuzzers
fi

# Qt's own one-time allocations are not ours to report.
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$here/lsan.supp:print_suppressions=0}
export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=0:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export QT_QPA_PLATFORM=offscreen

failed=0
summary=()
while IFS='|' read -r name exe seeds dict; do
  [ -n "$name" ] || continue
  if [ ${#wanted[@]} -gt 0 ] && [[ ! " ${wanted[*]} " == *" $name "* ]]; then
    continue
  fi
  # The corpus grows across runs; the seeds in the repository stay as they are.
  corpus=$build/corpus/$name
  artifacts=$build/artifacts/$name
  mkdir -p "$corpus" "$artifacts"
  for seed in $seeds; do
    if [ -d "$root/$seed" ]; then
      find "$root/$seed" -type f -exec cp -n {} "$corpus/" \;
    elif [ -f "$root/$seed" ]; then
      cp -n "$root/$seed" "$corpus/"
    fi
  done
  options=(-max_total_time="$seconds" -print_final_stats=1 -timeout=10 -rss_limit_mb=2048
           -artifact_prefix="$artifacts/")
  [ -n "$dict" ] && options+=(-dict="$root/$dict")
  log=$build/$name.log
  echo "== $name: fuzzing for ${seconds} s (log: $log)"
  set +e
  # shellcheck disable=SC2086
  "$exe" "${options[@]}" ${FUZZ_OPTIONS:-} "$corpus" >"$log" 2>&1
  status=$?
  set -e
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  last=$(grep -E '^#[0-9]+' "$log" | tail -1 || true)
  cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$last")
  ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$last")
  corp=$(sed -n 's/.* corp: \([0-9]*\).*/\1/p' <<<"$last")
  line="$name: ${execs:-?} executions in ${seconds} s, coverage ${cov:-?} edges, ${ft:-?} features, corpus ${corp:-?}"
  if [ "$status" -ne 0 ] || grep -qE '^==[0-9]+==ERROR|deadly signal|runtime error:' "$log"; then
    failed=1
    line+=" -- CRASH (exit $status)"
    grep -E 'SUMMARY:|runtime error:|Test unit written to' "$log" | head -5 | sed 's/^/   /'
  else
    line+=", no crash"
  fi
  echo "$line"
  summary+=("$line")
done <"$build/fuzz-targets.txt"

echo "== fuzzing summary"
printf '%s\n' "${summary[@]}"
exit "$failed"
