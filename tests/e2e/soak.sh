#!/usr/bin/env bash
# Runs the real-window tests ROUNDS times, four at a time, while a busy loop
# keeps every core loaded; a round passes when all its tests pass.
#   tests/e2e/soak.sh BUILD_DIR [ROUNDS]
set -u
build=${1:?build folder}
rounds=${2:-20}
pattern='RealWindow|PennatoneWindow|LyrafretWindow'

busy=()
for _ in $(seq "$(nproc)"); do
    (while :; do :; done) &
    busy+=($!)
done
trap 'kill "${busy[@]}" 2>/dev/null' EXIT

passed=0 failed=0
cd "$build" || exit 2
for round in $(seq "$rounds"); do
    log=$(ctest -j 4 -R "$pattern" --output-on-failure 2>&1)
    summary=$(grep -E 'tests passed|tests failed out of' <<<"$log" | tail -1)
    if grep -q 'No tests were found' <<<"$log"; then
        echo "round $round: no real-window tests found"; exit 2
    elif grep -q '100% tests passed' <<<"$log"; then
        passed=$((passed + 1)); echo "round $round: $summary"
    else
        failed=$((failed + 1)); echo "round $round: $summary"
        grep -E '\*\*\*Failed|Failure|Expected|Actual' <<<"$log" | head -20
    fi
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
