#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package in a Release build of its own and checks it as a distribution would:
# desktop-file-validate on the desktop entry, appstreamcli on the metainfo (both as packaged), and
# lintian on the .deb, which must be free of errors and warnings (overrides give their reasons in
# packaging/debian/lintian-overrides).
#   packaging/check-package.sh [BUILD-DIR]     (default: build-deb)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${1:-build-deb}

cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build "$BUILD_DIR" -j"$(nproc)"
rm -f "$BUILD_DIR"/tarvik-config_*.deb
(cd "$BUILD_DIR" && cpack -G DEB >/dev/null)
deb=$(ls "$BUILD_DIR"/tarvik-config_*.deb)
echo "== $deb"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

echo "== translations and the Japanese font"
test -s "$root"/usr/share/tarvik-config/translations/tarvik_en.qm
dpkg-deb -f "$deb" Depends | grep -q 'fonts-noto-cjk | fonts-ipafont-gothic | fonts-vlgothic'
echo "== desktop-file-validate"
desktop-file-validate "$root"/usr/share/applications/*.desktop
echo "== appstreamcli validate"
appstreamcli validate --no-net --explain "$root"/usr/share/metainfo/*.metainfo.xml
echo "== lintian"
status=0
lintian --fail-on error,warning --display-info "$deb" >"$root/lintian.txt" 2>&1 || status=$?
# lintian warns when run as root (containers); that line is not about the package.
grep -v '^running with root privileges' "$root/lintian.txt" || true
if [ "$status" -ne 0 ]; then
    echo "lintian found errors or warnings (exit status $status)" >&2
    exit 1
fi
echo "== package checks passed"
