// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ChordList.h"

#include <algorithm>
#include <span>

#include "model/ChordRecord.h"
#include "model/ContentsGroups.h"

namespace tarvik::chord {

std::vector<std::string> ChordLines(const CommonRecord& common, const AdditionalRecord& additional) {
    const int count = std::clamp(NumberOfOutputs(common), 1, NUMBER_OF_PSKO_OUTPUT);
    const auto size = static_cast<std::size_t>(PSKO_OUTPUT_ENTRY_SIZE);
    std::vector<std::string> lines{contents::ChordText(std::span(common).subspan(FIRST_ENTRY, size))};
    for (std::size_t k = 1; k < static_cast<std::size_t>(count); ++k)
        lines.push_back(contents::ChordText(std::span(additional).subspan((k - 1) * size, size)));
    return lines;
}

}  // namespace tarvik::chord
