// SPDX-License-Identifier: GPL-3.0-or-later
// What the standard dialog's choices hand back: the setting of one output mode.
#pragma once

#include <cstdint>
#include <optional>

#include "model/ModeChoice.h"
#include "model/PedalRecord.h"
#include "model/StandardChoice.h"

namespace tarvik {

// A complete keyboard choice as a key output: the modifier boxes only where the radio takes them
// (left-hand ones; a right-hand one the record held is dropped), the key only where it takes one.
modes::KeyOutput KeyOutputOf(const KeyboardChoice& choice);

// A click choice: one button, or the left double click at the default timing. No click chosen is
// the loaded record as it is (`mode` and `common`), when it is a click the model can name.
std::optional<modes::ModeChoice> ClickModeChoice(ClickChoice choice, std::uint8_t mode, const CommonRecord& common);

}  // namespace tarvik
