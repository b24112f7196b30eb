// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/UnitImage.h"

#include "model/FactorySettings.h"

namespace tarvik {

UnitImage DefaultUnitImage() {
    UnitImage image;
    image.firmware = {2, 1, 0};
    image.pedals.resize(3);
    for (int p = 0; p < 3; ++p) {
        PedalImage& pedal = image.pedals[static_cast<std::size_t>(p)];
        ApplyFactorySetting(p, pedal.mode, pedal.common);
    }
    return image;
}

}  // namespace tarvik
