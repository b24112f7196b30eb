// SPDX-License-Identifier: GPL-3.0-or-later
// The chords of a multi-chord setting (output mode 9) as text, one line per chord, for showing
// what the unit holds: chord 1 from the common record, the others from the additional record.
#pragma once

#include <string>
#include <vector>

#include "model/PedalRecord.h"

namespace tarvik::chord {

// "[mod] + [key] + [key]" per chord. A chord count outside 1..10 lists as many as the record has
// room for, at least one.
std::vector<std::string> ChordLines(const CommonRecord& common, const AdditionalRecord& additional);

}  // namespace tarvik::chord
