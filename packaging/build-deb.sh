#!/bin/sh
# The .deb as a distribution builds it: in a build folder of its own, with
# Debian's compiler and linker flags (dpkg-buildflags, hardening on) and
# without -Werror, so that only what the package ships is compiled.
#
#   packaging/build-deb.sh BUILD_DIR [PACKAGE_DIR]
#
# Without PACKAGE_DIR it only builds. DEB_BUILD_MAINT_OPTIONS, when set,
# replaces the hardening chosen here; JOBS is the number of parallel jobs
# (default: every core). Packing is skipped when the .deb in PACKAGE_DIR is
# newer than everything it packs.
set -eu

[ $# -eq 1 ] || [ $# -eq 2 ] || { echo "usage: $0 BUILD_DIR [PACKAGE_DIR]" >&2; exit 2; }
source=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$1"
build=$(cd "$1" && pwd)
out=
if [ $# -eq 2 ]; then
    mkdir -p "$2"
    out=$(cd "$2" && pwd)
fi
jobs=${JOBS:-$(nproc 2>/dev/null || echo 2)}

# Every feature dpkg-buildflags knows, immediate binding included: it costs no
# start-up time that bench/bindnow.sh can tell from noise (README, "Package").
DEB_BUILD_MAINT_OPTIONS=${DEB_BUILD_MAINT_OPTIONS-hardening=+all}
export DEB_BUILD_MAINT_OPTIONS
# dpkg-buildflags maps the current folder to "." in the debug information.
cd "$source"
cppflags=$(dpkg-buildflags --get CPPFLAGS)
cxxflags=$(dpkg-buildflags --get CXXFLAGS)
ldflags=$(dpkg-buildflags --get LDFLAGS)

# RelWithDebInfo adds what the package always had (-O2, NDEBUG) to Debian's flags.
cmake -S "$source" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDEMO_WERROR=OFF \
    "-DCMAKE_CXX_FLAGS=$cppflags $cxxflags" \
    "-DCMAKE_EXE_LINKER_FLAGS=$ldflags" \
    "-DCMAKE_SHARED_LINKER_FLAGS=$ldflags" \
    "-DCMAKE_MODULE_LINKER_FLAGS=$ldflags" >/dev/null
cmake --build "$build" -j "$jobs" --target PennatoneDemo LyrafretDemo demo-driver \
    demo_sound_module image_library package_files
[ -n "$out" ] || exit 0

deb=$(ls -t "$out"/guitar-reference_*.deb 2>/dev/null | head -n 1)
# CMake's own bookkeeping below the build folder changes at every build.
if [ -n "$deb" ] && [ -z "$(find "$build/bin" "$build/packaging" "$build/CPackConfig.cmake" \
    "$source/packaging" -path '*/CMakeFiles' -prune -o -type f -newer "$deb" -print -quit)" ]; then
    echo "$deb is up to date"
    exit 0
fi
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out"
