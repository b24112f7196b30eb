// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/standard/StandardTitle.h"

#include "model/PedalNames.h"
#include "model/Texts.h"

namespace tarvik {

std::string StandardTitleLine(int numberOfPedals, int pedal) {
    std::string line = text::Tr(text::StandardDialogTitle);
    // A one-pedal unit names its only pedal "ペダル", which adds nothing to the title.
    if (numberOfPedals < 2) return line;
    const std::string name = PedalNameForCount(numberOfPedals, pedal);
    if (!name.empty()) line += " " + DisplayedPedalName(name);
    return line;
}

}  // namespace tarvik
