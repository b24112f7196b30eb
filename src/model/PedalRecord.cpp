#include "model/PedalRecord.h"

#include "device/DeviceState.h"

namespace tarvik {

namespace {

// A 16-bit field needs bytes i and i + 1 inside the 13-byte record of an existing pedal.
bool IsFieldInRecord(int i) {
    return IsPedalIndex(State().SelectedPedalNo) && i >= 0 && i + 1 < NUMBER_OF_COMMON_DATA;
}

}  // namespace

// A call outside the record or with a value that does not fit 16 bits changes nothing: writing
// part of it, or a truncated value, would corrupt a setting that is later sent to the unit.
void IntoTwoCommonData(int value16, int i) {
    if (!IsFieldInRecord(i) || value16 < 0 || value16 > 0xFFFF) return;
    auto& record = State().CommonData[static_cast<std::size_t>(State().SelectedPedalNo)];
    record[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value16 >> 8);
    record[static_cast<std::size_t>(i) + 1] = static_cast<std::uint8_t>(value16 & 0xFF);
}

// Outside the record there is no field to read: 0.
std::uint16_t IntoValue16(int i) {
    if (!IsFieldInRecord(i)) return 0;
    const auto& record = State().CommonData[static_cast<std::size_t>(State().SelectedPedalNo)];
    return static_cast<std::uint16_t>(record[static_cast<std::size_t>(i)] << 8 |
                                      record[static_cast<std::size_t>(i) + 1]);
}

}  // namespace tarvik
