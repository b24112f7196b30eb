// SPDX-License-Identifier: GPL-3.0-or-later
// One encoder per output mode: from a typed choice to the record bytes. Each writes the output mode
// and exactly the common bytes that its mode's layout names; every other byte keeps its value.
// Each is defined in its mode's row (model/modes).
#pragma once

#include <cstdint>

#include "model/ModeChoice.h"
#include "model/PointerMove.h"
#include "model/RecordRef.h"

namespace tarvik::modes {

void EncodeKey(const KeyOutput& choice, PedalRecordRef record);                             // mode 0
void EncodeClick(const Click& choice, PedalRecordRef record);                               // mode 1
void EncodeDoubleClick(const DoubleClick& choice, PedalRecordRef record);                   // mode 2
void EncodeModifierClick(const ModifierClick& choice, PedalRecordRef record);               // mode 3
void EncodeModifierDoubleClick(const ModifierDoubleClick& choice, PedalRecordRef record);   // mode 4
void EncodeRepeatKey(const RepeatKey& choice, PedalRecordRef record);                       // mode 5
// Mode 6: EncodePointerMove (PointerMove.h).
void EncodeWheel(const Wheel& choice, PedalRecordRef record);                               // mode 7
void EncodeRepeatClick(const RepeatClick& choice, PedalRecordRef record);                   // mode 8
// Mode 9. On and off times beyond 12 bits are written as 4095, so they never spill into each other.
void EncodeChord(const Chord& choice, PedalRecordRef record);
void EncodeOnChange(const OnChange& choice, PedalRecordRef record);                         // mode 10

// The encoder of the choice's mode.
void Encode(const ModeChoice& choice, PedalRecordRef record);

// The common bytes a mode's form writes (those its row's layout names), bit n for byte n; 0 for a
// mode no form writes.
std::uint16_t WrittenBytes(int mode);

}  // namespace tarvik::modes
