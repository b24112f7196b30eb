// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/UnitImage.h"

#include <algorithm>

#include "model/DeviceState.h"
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

UnitImage ImageFromState() {
    const auto& s = State();
    UnitImage image;
    image.firmware = {s.VersionNumberMajor, s.VersionNumberMinor, s.VersionNumberRevision};
    const int count = std::clamp(s.NumberOfPedals, 0, NUMBER_OF_PEDALS_MAX);
    image.pedals.resize(static_cast<std::size_t>(count));
    for (std::size_t p = 0; p < image.pedals.size(); ++p) {
        image.pedals[p].mode = s.OutputMode[p];
        image.pedals[p].common = s.CommonData[p];
        image.pedals[p].additional = s.AdditionalData[p];
    }
    return image;
}

}  // namespace tarvik
