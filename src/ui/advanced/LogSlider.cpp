// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/advanced/LogSlider.h"

#include <algorithm>
#include <cmath>

namespace tarvik::advanced {

int LogPositionToIndex(double position) {
    const double s = std::clamp(position, double(LOG_SLIDER_MIN), double(LOG_SLIDER_MAX));
    // Within the clamped range 10^(s/1000) lies in 1..65464, so the conversion is defined and
    // log10(n) never sees 0.
    const int n = static_cast<int>(std::pow(10.0, s / 1000.0));
    const double down = s - 1000.0 * std::log10(double(n));
    const double up = 1000.0 * std::log10(double(n) + 1.0) - s;
    return up > down ? n : n + 1;
}

int SliderToIndex(int position) { return LogPositionToIndex(double(position)); }

int IndexToSlider(int index) {
    const int i = std::clamp(index, LOG_INDEX_MIN, LOG_INDEX_MAX);
    const int position = static_cast<int>(1000.0 * std::log10(double(i) + 0.5));
    return std::clamp(position, LOG_SLIDER_MIN, LOG_SLIDER_MAX);
}

}  // namespace tarvik::advanced
