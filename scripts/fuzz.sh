#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each for a
# bounded time (FUZZ_SECONDS, 20 by default). FUZZ_SEED fixes libFuzzer's
# seed, so that a run takes the same path again (CI uses one); without it each
# run explores afresh. Inputs that break a target are left in fuzz/findings/;
# copy them into fuzz/corpus/TARGET to keep them as regression tests.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
build=${FUZZ_BUILD_DIR:-build-fuzz}
seconds=${FUZZ_SECONDS:-20}
seed=()
[ -n "${FUZZ_SEED:-}" ] && seed=(-seed="$FUZZ_SEED")
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
[ -f "$build/CMakeCache.txt" ] ||
  cmake -S . -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DZELIRO_FUZZ=ON -DBUILD_TESTING=OFF
targets=$(cd fuzz && ls fuzz_*.cpp | sed 's/\.cpp$//')
# shellcheck disable=SC2086
cmake --build "$build" --parallel "$(nproc)" --target $targets
mkdir -p fuzz/findings
status=0
for target in $targets; do
  work=$(mktemp -d)
  [ -d "fuzz/corpus/$target" ] && cp -r "fuzz/corpus/$target/." "$work/" 2>/dev/null || true
  log=$(mktemp)
  if "$build/fuzz/$target" "$work" -max_total_time="$seconds" -max_len=4096 -timeout=10 "${seed[@]}" \
       -artifact_prefix="fuzz/findings/$target-" -print_final_stats=1 >"$log" 2>&1; then
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')
    echo "$target: $runs executions, no failure"
  else
    echo "$target: FAILED"; tail -30 "$log"; status=1
  fi
  rm -rf "$work" "$log"
done
exit $status
