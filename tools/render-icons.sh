#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the application icon (packaging/jp.oremba.TarvikConfig.svg) to the PNG sizes the desktop and
# the window icon use, for systems whose Qt has no SVG support. Run after changing the SVG; the PNGs
# are kept in the repository. Needs rsvg-convert (Debian: librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/.."
svg=packaging/jp.oremba.TarvikConfig.svg
for size in 16 24 32 48 64 128 256; do
    dir=packaging/icons/${size}x${size}
    mkdir -p "$dir"
    rsvg-convert -w "$size" -h "$size" -o "$dir/jp.oremba.TarvikConfig.png" "$svg"
done
