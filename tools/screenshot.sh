#!/usr/bin/env bash
# tools/screenshot.sh UNITFILE OUT.png
# Pictures the main window on the simulated unit described by UNITFILE (see examples/), as the
# program shows it once every pedal has been read. Runs under a virtual X server when xvfb-run is
# there, else on Qt's offscreen platform. Builds the tarvik-shot helper when it is missing.
set -euo pipefail

if [ $# -ne 2 ]; then
    echo "usage: $0 UNITFILE OUT.png" >&2
    exit 2
fi
unit=$(realpath -- "$1")
out=$(realpath -m -- "$2")
cd "$(dirname "$0")/.."

BUILD_DIR=${TARVIK_BUILD_DIR:-build}
shot="$BUILD_DIR/src/app/tarvik-shot"
if [ ! -x "$shot" ]; then
    cmake -S . -B "$BUILD_DIR" >/dev/null
    cmake --build "$BUILD_DIR" --target tarvik-shot -j2
fi

if command -v xvfb-run >/dev/null 2>&1; then
    xvfb-run -a -s "-screen 0 1280x800x24" "$shot" "$unit" "$out"
else
    QT_QPA_PLATFORM=offscreen "$shot" "$unit" "$out"
fi
echo "$out"
