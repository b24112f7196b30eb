// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/PedalRecord.h"

#include "model/DeviceState.h"

namespace tarvik {

namespace {

bool IsFieldInRecord(int i) { return i >= 0 && i + 1 < NUMBER_OF_COMMON_DATA; }

CommonRecord* SelectedRecord() {
    DeviceState& s = State();
    return IsPedalIndex(s.SelectedPedalNo) ? &s.CommonData[static_cast<std::size_t>(s.SelectedPedalNo)] : nullptr;
}

}  // namespace

void PutValue16(CommonRecord& common, int i, int value16) {
    if (!IsFieldInRecord(i) || value16 < 0 || value16 > 0xFFFF) return;
    common[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value16 >> 8);
    common[static_cast<std::size_t>(i) + 1] = static_cast<std::uint8_t>(value16 & 0xFF);
}

std::uint16_t Value16(const CommonRecord& common, int i) {
    if (!IsFieldInRecord(i)) return 0;
    return static_cast<std::uint16_t>(common[static_cast<std::size_t>(i)] << 8 | common[static_cast<std::size_t>(i) + 1]);
}

void IntoTwoCommonData(int value16, int i) {
    if (CommonRecord* common = SelectedRecord()) PutValue16(*common, i, value16);
}

std::uint16_t IntoValue16(int i) {
    const CommonRecord* common = SelectedRecord();
    return common ? Value16(*common, i) : 0;
}

}  // namespace tarvik
