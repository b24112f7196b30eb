#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Set-up and everyday commands for a Debian 12 machine.
#   ./dev.sh run    install what is missing, build, start tarvik-config (on the simulated unit
#                   when no unit is plugged in)
#   ./dev.sh test   install what is missing, build, run every test
# Extra arguments after "run" go to tarvik-config; after "test", to cmake (e.g. -DTARVIK_VENDOR_ID=0x1234).
# TARVIK_BUILD_DIR names the build folder (default: build).
set -euo pipefail
cd "$(dirname "$0")"

BUILD_DIR=${TARVIK_BUILD_DIR:-build}
PACKAGES=(qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libhidapi-dev libudev-dev pkg-config cmake g++ make libgtest-dev
          xvfb xauth fonts-ipafont-gothic appstream dpkg-dev file clang libclang-rt-14-dev
          desktop-file-utils lintian help2man bash-completion)

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
    cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$BUILD_DIR" -j"$(nproc)"
}

# True when a hidraw node of the configured USB identity exists, whether or not it may be opened
# (the program itself then says what stands in the way).
unit_plugged_in() {
    local vid pid
    vid=$(sed -n 's/^TARVIK_VENDOR_ID:STRING=0x//p' "$BUILD_DIR/CMakeCache.txt")
    pid=$(sed -n 's/^TARVIK_PRODUCT_ID:STRING=0x//p' "$BUILD_DIR/CMakeCache.txt")
    vid=$(printf '%08X' "0x${vid:-1209}")
    pid=$(printf '%08X' "0x${pid:-0001}")
    grep -qis "^HID_ID=[0-9A-F]*:${vid}:${pid}\$" /sys/class/hidraw/*/device/uevent 2>/dev/null
}

case "${1:-}" in
run)
    shift
    install_missing
    build -DBUILD_TESTING=OFF
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "No display: tarvik-config is a desktop program and needs one (DISPLAY or WAYLAND_DISPLAY)." >&2
        echo "Without a display, try the command-line tool:  $BUILD_DIR/src/cli/tarvikctl --simulate show" >&2
        echo "or a screenshot:  tools/screenshot.sh examples/five-pedals.json shot.png" >&2
        exit 2
    fi
    args=("$@")
    if [ ${#args[@]} -eq 0 ] && ! unit_plugged_in; then
        echo "No Tarvik unit plugged in: starting on the simulated unit."
        args=(--simulate)
    fi
    exec "$BUILD_DIR/src/app/tarvik-config" "${args[@]}"
    ;;
test)
    shift
    install_missing
    build -DBUILD_TESTING=ON "$@"
    cd "$BUILD_DIR"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
    ;;
*)
    echo "usage: $0 run [tarvik-config arguments] | test [cmake options]" >&2
    exit 2
    ;;
esac
