// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/LayoutScale.h"

#include <QFont>
#include <algorithm>
#include <cmath>

namespace tarvik {

double LayoutScale(const QFont& font, double logicalDpi) {
    // A font is given either in pixels or in points; points become pixels at the screen's density.
    const double pixels = font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * logicalDpi / 72.0;
    if (!(pixels > 0)) return 1.0;
    return std::max(1.0, pixels / DESIGN_FONT_PIXELS);
}

int Scaled(int pixels, double scale) {
    return static_cast<int>(std::lround(pixels * scale));
}

}  // namespace tarvik
