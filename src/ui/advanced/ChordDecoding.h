// SPDX-License-Identifier: GPL-3.0-or-later
// The multi-chord tab's model: up to ten chords (a modifier byte and up to six keys each) decoded
// from a mode 9 record, and the text lines that list them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/PedalRecord.h"
#include "model/ProtocolConstants.h"

namespace tarvik::advanced {

using ChordEntry = std::array<std::uint8_t, PSKO_OUTPUT_ENTRY_SIZE>;
using PerChord = std::array<long, NUMBER_OF_PSKO_OUTPUT>;

struct ChordModel {
    std::uint8_t PSKO_NewOutputCharacter = 0;
    int PSKO_NumberOfOutput = 0;
    int PSKO_SelectedOutput = 0;
    bool PSKO_Changing = false;
    std::array<ChordEntry, NUMBER_OF_PSKO_OUTPUT> PSKO_KeyData{};
    PerChord PSKO_NumberOfKeys{};
    PerChord PSKO_NumberOfKeysOriginal{};
    PerChord PSKO_SelectedKey{};
    PerChord PSKO_NewKeyNumber{};
};

// What the tab's timing controls show.
struct ChordTiming {
    std::optional<int> onTime;  // not set for a pedal in another mode
    bool untilRelease = true;
    int repeats = DEFAULT_NUMBER_OF_REPEATS;
    bool series = false;  // repeats count whole series rather than single chords
};

void ResetChordModel(ChordModel& model);

// Decodes a pedal's record into `model` (after a reset). For a mode 9 record it repairs `common` in
// place: an on time or off time of 0 (to 10 ms) and a chord count outside 1..10 (to 2, bit 7
// kept); any other mode gets a three-chord example.
ChordTiming LoadChords(ChordModel& model, std::uint8_t mode, CommonRecord& common, const AdditionalRecord& additional);

// One line per chord: "[modifier] + [key]", then " + [key]" for keys 2..n when the chord counts n ≥ 2.
std::vector<std::string> ChordListLines(const ChordModel& model);

}  // namespace tarvik::advanced
