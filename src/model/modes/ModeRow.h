// SPDX-License-Identifier: GPL-3.0-or-later
// One output mode, whole: its code, the named bytes of its record, and everything the programs do
// with it (write a choice, read a record back into a choice, describe it, name its fields, and the
// `tarvikctl set` form that writes it). Each mode's row is in its own file beside this one.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/ModeChoice.h"
#include "model/ModeFields.h"
#include "model/RecordRef.h"
#include "model/modes/FormReader.h"

namespace tarvik::modes {

// A field of the common record: its first byte and how many bytes it takes.
struct NamedPosition {
    const char* name;
    int at;
    int size = 1;
};

// The command-line form of a mode. The reader checks the arguments against `positional`,
// `required` and `options`; `read` then takes the values in the order it refuses them.
struct ModeForm {
    const char* name;
    const char* usage;        // "wheel forward|backward [--rate N] [--repeats N] [--accelerate I]"
    const char* example;      // "wheel backward --rate 20"
    const char* description;  // what the pedal then does, for --help
    std::span<const char* const> positional = {};  // their names, as the usage and the refusals show them
    int required = 0;                              // how many of them must be given
    std::span<const char* const> options = {};
    bool (*read)(FormReader& in, ModeChoice& choice);
    std::vector<std::string> (*args)(const ModeChoice& choice);  // options at their defaults left out
};

struct ModeRow {
    std::uint8_t code;
    // The bytes the mode's encoder writes, all of them; every other byte keeps its value.
    std::span<const NamedPosition> layout;
    // The choice is of this row's mode.
    void (*encode)(const ModeChoice& choice, PedalRecordRef record);
    // The choice the form reads from these bytes, if the values are ones it takes; the caller
    // checks that encoding it gives the same bytes.
    std::optional<ModeChoice> (*decode)(const CommonRecord& common);
    // The window's description; UTF-8, lines joined by CR LF.
    std::string (*describe)(const CommonRecord& common, const AdditionalRecord& additional);
    // show --json's fields after "mode", in record order.
    void (*fields)(const CommonRecord& common, const AdditionalRecord& additional, std::vector<Field>& out);
    ModeForm form;
};

// The rows, in the order of the mode codes.
std::span<const ModeRow* const> ModeRows();
// The row of a mode code; null for a code no mode has.
const ModeRow* FindModeRow(int code);
// The bytes a row's layout names, bit n for byte n.
std::uint16_t LayoutBytes(const ModeRow& row);

// The rows, each in its own file.
const ModeRow& KeyMode();
const ModeRow& ClickMode();
const ModeRow& DoubleClickMode();
const ModeRow& ModifierClickMode();
const ModeRow& ModifierDoubleClickMode();
const ModeRow& RepeatKeyMode();
const ModeRow& PointerMode();
const ModeRow& WheelMode();
const ModeRow& RepeatClickMode();
const ModeRow& ChordMode();
const ModeRow& OnChangeMode();

}  // namespace tarvik::modes
