#!/bin/sh
# Start-up to the first frame of the programs as the package builds them, with
# and without immediate binding (-Wl,-z,now), side by side in the same rounds.
#
#   bench/bindnow.sh [BUILD_DIR]        (default: build)
#
# Builds BUILD_DIR/deb (Debian's flags, hardening=+all) and BUILD_DIR/deb-lazy
# (the same but -bindnow) with packaging/build-deb.sh; the compiler flags are
# the same, so with ccache the second costs only its links.
set -eu

cd "$(dirname "$0")/.."
build=${1:-build}
runs=${RUNS:-30}
command -v Xvfb >/dev/null || { echo "Xvfb is missing (apt-get install xvfb)"; exit 1; }

DEB_BUILD_MAINT_OPTIONS=hardening=+all packaging/build-deb.sh "$build/deb" >/dev/null
DEB_BUILD_MAINT_OPTIONS=hardening=+all,-bindnow packaging/build-deb.sh "$build/deb-lazy" >/dev/null
cmake --build "$build/deb" --target startup_probe bare_window >/dev/null
for tree in deb deb-lazy; do
    for program in PennatoneDemo LyrafretDemo; do
        flags=$(readelf -d "$build/$tree/bin/$program" | grep -E 'FLAGS' | tr -s ' ' | cut -d' ' -f4- |
            tr '\n' ' ')
        echo "$tree/bin/$program: ${flags:-no FLAGS entry}"
    done
done
case $(readelf -d "$build/deb/bin/PennatoneDemo") in *BIND_NOW*) ;; *)
    echo "$build/deb is not linked with -z now"; exit 1 ;;
esac
case $(readelf -d "$build/deb-lazy/bin/PennatoneDemo") in *BIND_NOW*)
    echo "$build/deb-lazy is linked with -z now"; exit 1 ;;
esac

# An X server of our own with a black root and no window manager, as bench/startup.sh has it.
display=90
while [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
Xvfb ":$display" -br -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xserver=$!
trap 'kill $xserver 2>/dev/null' EXIT INT TERM
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.05; done

echo "== Start-up to the first frame ($runs rounds): -z now (deb) and lazy binding (deb-lazy)"
DISPLAY=":$display" "$build/deb/bench/startup_probe" "$runs" "$build/deb/bench/bare_window" \
    "$build/deb/bin/PennatoneDemo" "$build/deb-lazy/bin/PennatoneDemo" \
    "$build/deb/bin/LyrafretDemo" "$build/deb-lazy/bin/LyrafretDemo"
