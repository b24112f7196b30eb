// SPDX-License-Identifier: GPL-3.0-or-later
// A pedal's record read field by field, for show --json: names and plain values, whatever the values
// are (a code no table names is given as its number).
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "model/RecordRef.h"

namespace tarvik::modes {

// monostate: nothing (no key, no output).
using FieldValue = std::variant<std::monostate, bool, long long, double, std::string, std::vector<std::string>>;

struct Field {
    std::string name;
    FieldValue value;
};

// "mode" first, then the fields of that mode in record order. An unknown mode has only "mode".
std::vector<Field> DecodeFields(std::uint8_t mode, const CommonRecord& common, const AdditionalRecord& additional);

}  // namespace tarvik::modes
