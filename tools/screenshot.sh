#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# tools/screenshot.sh UNITFILE OUT.png [MENUITEM]
# Pictures the main window on the simulated unit described by UNITFILE (see examples/), as the
# program shows it once every pedal has been read. With MENUITEM (a menu command's object name:
# menuItemInitialState, menuItemVersion), pictures the message box that command shows over the
# window instead; with a menu's object name (menuFile, menuTarvik), that menu opened with its
# submenu. Both need a virtual X server. Runs under a virtual X server when xvfb-run is
# there, else on Qt's offscreen platform. Builds the tarvik-shot helper when it is missing.
# The environment goes through: QT_FONT_DPI=144 QT_ENABLE_HIGHDPI_SCALING=0 pictures a 150% font,
# TARVIK_SHOT_ADVANCED=1 the window with the advanced settings on, TARVIK_SHOT_SCREEN=1024x768 a
# smaller screen, LANGUAGE=en LANG=C.UTF-8 the English window.
set -euo pipefail

if [ $# -ne 2 ] && [ $# -ne 3 ]; then
    echo "usage: $0 UNITFILE OUT.png [MENUITEM]" >&2
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

# Large enough for five columns at a 150% font.
if command -v xvfb-run >/dev/null 2>&1; then
    xvfb-run -a -s "-screen 0 ${TARVIK_SHOT_SCREEN:-1920x1200}x24" "$shot" "$unit" "$out" ${3:+"$3"}
elif [ $# -eq 3 ]; then
    echo "$0: picturing a message box needs xvfb-run" >&2
    exit 1
else
    QT_QPA_PLATFORM=offscreen "$shot" "$unit" "$out"
fi
echo "$out"
