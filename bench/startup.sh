#!/bin/sh
# Start-up time to the first frame, peak memory after many clicks, and the time
# to generate the image library, measured on this machine.
#
#   bench/startup.sh [BUILD_DIR]        (default: build; the build must be done)
set -eu

build=${1:-build}
runs=${RUNS:-30}
for tool in Xvfb /usr/bin/time; do
    command -v "$tool" >/dev/null || { echo "$tool is missing (apt-get install xvfb time)"; exit 1; }
done
cmake --build "$build" --target startup_probe bare_window >/dev/null

# An X server of our own with a black root and no window manager: the probe
# counts as painted only what the program draws at the top-left corner.
display=90
while [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
Xvfb ":$display" -br -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xserver=$!
scratch=$(mktemp -d)
trap 'kill $xserver 2>/dev/null; rm -rf "$scratch"' EXIT INT TERM
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.05; done

echo "== Start-up to the first frame ($runs rounds), against a bare window with one label"
DISPLAY=":$display" "$build/bench/startup_probe" "$runs" "$build/bench/bare_window" \
    "$build/bin/PennatoneDemo" "$build/bin/LyrafretDemo"

# demo-driver steps: N clicks cycling through roots or keys, chord types,
# steppers, a copy and a mask, so that every kind of picture gets loaded.
pennatone_steps() {
    i=0
    while [ "$i" -lt "$1" ]; do
        case $((i % 6)) in
            0) echo "Base $((i / 6 % 17))" ;;
            1) echo "Ty $((i / 6 % 53))" ;;
            2) echo "TypeUp" ;;
            3) echo "Baseup" ;;
            4) echo "Chord_Display 0" ;;
            5) echo "Mask_5" ;;
        esac
        i=$((i + 1))
    done
}
lyrafret_steps() {
    set -- "$1" 0 1 2 3 4 5 6 7 8 9 10 11 12 15 18 21 24 27 30 33 36 39 42 45 48 51 54 57 60 63 66 69 72 75 80 83
    n=$1
    shift
    i=0
    while [ "$i" -lt "$n" ]; do
        case $((i % 6)) in
            0) echo "Key_C $((i / 6 % 12))" ;;
            1) k=$((i / 6 % $# + 1)); eval "echo key \${$k}" ;;
            2) echo "ScaleUp" ;;
            3) echo "KeyUp" ;;
            4) echo "TypeUp" ;;
            5) echo "Chord_Display 0" ;;
        esac
        i=$((i + 1))
    done
}

peak() {  # PROGRAM CLICKS: peak resident memory of demo-driver in MB
    "${2}_steps" "$3" >"$scratch/steps"
    # shellcheck disable=SC2046
    /usr/bin/time -f "%M %e" -o "$scratch/time" "$build/bin/demo-driver" "$1" \
        $(cat "$scratch/steps") >"$scratch/state.json"
    tr -d ' \n' <"$scratch/state.json" | grep -q '"errors":\[\]' ||
        { echo "$1: clicks reported errors"; exit 1; }
    read -r kb seconds <"$scratch/time"
    awk -v kb="$kb" -v s="$seconds" -v n="$3" -v p="$1" \
        'BEGIN { printf "%s after %5d clicks: max RSS %.1f MB (%.1f s)\n", p, n, kb / 1024, s }'
}

echo "== Peak memory of demo-driver (max RSS)"
for clicks in 100 10000; do
    peak PennatoneDemo pennatone "$clicks"
    peak LyrafretDemo lyrafret "$clicks"
done

echo "== Image library generation into a fresh folder"
/usr/bin/time -f "%e s, max RSS %M kB" -o "$scratch/time" \
    env QT_QPA_PLATFORM=offscreen "$build/tools/imagegen" library "$scratch/library" >/dev/null 2>&1
echo "imagegen library: $(cat "$scratch/time"), $(find "$scratch/library" -type f | wc -l) files"
