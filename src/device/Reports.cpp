// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/Reports.h"

#include <algorithm>

namespace tarvik {

namespace {
std::uint8_t Byte(int v) { return static_cast<std::uint8_t>(v & 0xFF); }
}  // namespace

void FillGetOutputModeAndData(Report& out, int pedal) { out[pos::PEDAL] = Byte(pedal); }

void FillGetAdditionalData(Report& out, int pedal, int block) {
    out[pos::PEDAL] = Byte(pedal);
    out[pos::BLOCK] = Byte(block);
}

void FillAdditionalDataRequest(Report& out, int pedal, int block) {
    FillGetAdditionalData(out, pedal, block);
    std::fill(out.begin() + pos::REQUEST_FILL_FIRST, out.end(), std::uint8_t{0xFF});
}

void FillSetOutputModeAndData(Report& out, int pedal, std::uint8_t mode, const CommonRecord& common) {
    out[pos::PEDAL] = Byte(pedal);
    out[pos::SET_MODE] = mode;
    std::copy(common.begin(), common.end(), out.begin() + pos::SET_COMMON_FIRST);
}

void FillSetParameters(Report& out) {
    out[pos::PARAM_CHATTERING] = Byte(CHATTERING_SETTLING_TIME);
    out[pos::PARAM_MODIFIER_PRECEDING] = Byte(MODIFIER_PRECEDING_TIME);
    out[pos::PARAM_DOUBLE_CLICK_ON] = Byte(DOUBLE_CLICK_ON_TIME);
    out[pos::PARAM_DOUBLE_CLICK_OFF] = Byte(DOUBLE_CLICK_OFF_TIME);
}

FirmwareVersion TakeVersion(const Report& in) {
    return {in[pos::ANSWER_VERSION_MAJOR], in[pos::ANSWER_VERSION_MINOR], in[pos::ANSWER_VERSION_REVISION]};
}

int TakePedalCount(const Report& in) { return in[pos::ANSWER_PEDAL_COUNT]; }

void TakeModeAndCommon(const Report& in, std::uint8_t& mode, CommonRecord& common) {
    mode = in[pos::ANSWER_MODE];
    std::copy_n(in.begin() + pos::ANSWER_COMMON_FIRST, NUMBER_OF_COMMON_DATA, common.begin());
}

bool TakeAdditionalBlock(const Report& in, int block, AdditionalRecord& additional) {
    const int size = AdditionalBlockSize(block);
    if (size == 0) return false;
    std::copy_n(in.begin() + pos::ANSWER_ADDITIONAL_FIRST, size, additional.begin() + AdditionalBlockOffset(block));
    return true;
}

void PutVersion(Report& in, const FirmwareVersion& version) {
    in[pos::ANSWER_VERSION_MAJOR] = version.major;
    in[pos::ANSWER_VERSION_MINOR] = version.minor;
    in[pos::ANSWER_VERSION_REVISION] = version.revision;
}

void PutPedalCount(Report& in, int count) { in[pos::ANSWER_PEDAL_COUNT] = Byte(std::clamp(count, 0, 255)); }

void PutModeAndCommon(Report& in, std::uint8_t mode, const CommonRecord& common) {
    in[pos::ANSWER_MODE] = mode;
    std::copy(common.begin(), common.end(), in.begin() + pos::ANSWER_COMMON_FIRST);
}

bool PutAdditionalBlock(Report& in, int block, const AdditionalRecord& additional) {
    const int size = AdditionalBlockSize(block);
    if (size == 0) return false;
    const auto first = additional.begin() + AdditionalBlockOffset(block);
    std::copy(first, first + size, in.begin() + pos::ANSWER_ADDITIONAL_FIRST);
    return true;
}

}  // namespace tarvik
