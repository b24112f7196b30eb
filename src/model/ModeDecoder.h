// SPDX-License-Identifier: GPL-3.0-or-later
// From a pedal's record back to the setting form that writes it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/ModeChoice.h"
#include "model/RecordRef.h"

namespace tarvik::modes {

// The choice whose form writes exactly this record: its mode and every byte the form writes. None
// when no form can: an unknown mode, a multi-chord setting with more than one chord (the rest lives
// in the additional bytes, which nothing writes), or a value outside what the form takes.
std::optional<ModeChoice> DecodeChoice(std::uint8_t mode, const CommonRecord& common);

// The arguments after `tarvikctl set PEDAL` that write `choice`, options at their defaults left out:
// {"repeat-key", "ctrl+a", "--rate", "2.5"}. A choice that DecodeChoice did not give may name raw
// codes no form takes.
std::vector<std::string> FormArgs(const ModeChoice& choice);

// True for a multi-chord setting of more than one chord: its chords after the first live in the
// additional bytes, which no command writes, so neither a form nor a snapshot can bring it back.
bool HoldsSeveralChords(std::uint8_t mode, const CommonRecord& common);

// DecodeChoice, then FormArgs.
std::optional<std::vector<std::string>> SetArgs(std::uint8_t mode, const CommonRecord& common);

}  // namespace tarvik::modes
