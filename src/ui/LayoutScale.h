// SPDX-License-Identifier: GPL-3.0-or-later
// The main window is laid out in pixels for Qt's usual desktop font: 9 points at 96 dots per inch,
// 12 pixels. A larger font (a larger size, or more dots per inch) scales the whole layout with it,
// so that no text is cut; a smaller one keeps the pixels as they are.
#pragma once

class QFont;

namespace tarvik {

inline constexpr double DESIGN_FONT_PIXELS = 12.0;

// How much larger than the design the layout must be for `font` on a screen of `logicalDpi`.
double LayoutScale(const QFont& font, double logicalDpi);
// `pixels` of the design at `scale`, rounded to whole pixels.
int Scaled(int pixels, double scale);

}  // namespace tarvik
