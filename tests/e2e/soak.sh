#!/usr/bin/env bash
# Runs the real-window tests ROUNDS times, four at a time, while a busy loop
# keeps every core loaded; a round passes when all its tests pass and no X
# server of theirs is left running.
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

passed=0 failed=0 left=0
cd "$build" || exit 2
here=$(pwd -P)

# Xvfb processes started by tests of this build (they run in its folder); a
# zombie has no folder and is not running.
servers() {
    local pid
    for pid in $(pgrep -x Xvfb); do
        case $(readlink "/proc/$pid/cwd" 2>/dev/null) in "$here" | "$here"/*) echo "$pid" ;; esac
    done
}

for round in $(seq "$rounds"); do
    before=$(servers)
    log=$(ctest -j 4 -R "$pattern" --output-on-failure 2>&1)
    summary=$(grep -E 'tests passed|tests failed out of' <<<"$log" | tail -1)
    # A server whose test ended without its destructors gets its signal as the
    # test ends; it has up to ten seconds to go.
    for _ in $(seq 100); do
        stayed=$(comm -13 <(sort <<<"$before") <(servers | sort) | grep -c .)
        [ "$stayed" -eq 0 ] && break
        sleep 0.1
    done
    left=$((left + stayed))
    if grep -q 'No tests were found' <<<"$log"; then
        echo "round $round: no real-window tests found"; exit 2
    elif [ "$stayed" -gt 0 ]; then
        failed=$((failed + 1)); echo "round $round: $summary; $stayed X servers left running"
    elif grep -q '100% tests passed' <<<"$log"; then
        passed=$((passed + 1)); echo "round $round: $summary"
    else
        failed=$((failed + 1)); echo "round $round: $summary"
        grep -E '\*\*\*Failed|Failure|Expected|Actual' <<<"$log" | head -20
    fi
done
echo "$passed passed, $failed failed"
echo "$left X servers left running"
[ "$failed" -eq 0 ]
