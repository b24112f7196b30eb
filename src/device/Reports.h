// SPDX-License-Identifier: GPL-3.0-or-later
// The report layouts, written once. Named byte positions for every report the program sends and every
// answer it reads; the simulated unit parses and answers with the same positions. A builder writes
// only the bytes its layout names: the others carry over from the previous report, as the unit has
// always received them.
#pragma once

#include <array>
#include <cstdint>

#include "model/PedalRecord.h"
#include "model/ProtocolConstants.h"

namespace tarvik {

using Report = std::array<std::uint8_t, REPORT_SIZE>;

namespace pos {

// Every outgoing report.
inline constexpr int COMMAND = 0;
// Per-pedal requests (GET_OUTPUT_MODE_AND_DATA, GET_ADDITIONAL_DATA, SET_OUTPUT_MODE_AND_DATA).
inline constexpr int PEDAL = 1;
// GET_ADDITIONAL_DATA request.
inline constexpr int BLOCK = 2;
inline constexpr int REQUEST_FILL_FIRST = 3;  // the advanced dialog's request fills the rest with 0xFF
// SET_OUTPUT_MODE_AND_DATA request.
inline constexpr int SET_MODE = 2;
inline constexpr int SET_COMMON_FIRST = 3;
// SET_PARAMETERS request.
inline constexpr int PARAM_CHATTERING = 1;
inline constexpr int PARAM_MODIFIER_PRECEDING = 2;
inline constexpr int PARAM_DOUBLE_CLICK_ON = 3;
inline constexpr int PARAM_DOUBLE_CLICK_OFF = 4;
inline constexpr int PARAM_END = 5;  // bytes from here on carry over

// Answers. Bytes 0 and 1 of an answer are never read.
inline constexpr int ANSWER_VERSION_MAJOR = 2;
inline constexpr int ANSWER_VERSION_MINOR = 3;
inline constexpr int ANSWER_VERSION_REVISION = 4;
inline constexpr int ANSWER_PEDAL_COUNT = 2;
inline constexpr int ANSWER_MODE = 2;
inline constexpr int ANSWER_COMMON_FIRST = 3;
inline constexpr int ANSWER_ADDITIONAL_FIRST = 2;

static_assert(SET_COMMON_FIRST + NUMBER_OF_COMMON_DATA == REPORT_SIZE);
static_assert(REQUEST_FILL_FIRST <= REPORT_SIZE);
static_assert(PARAM_END <= REPORT_SIZE);
static_assert(ANSWER_VERSION_REVISION < REPORT_SIZE);
static_assert(ANSWER_COMMON_FIRST + NUMBER_OF_COMMON_DATA == REPORT_SIZE);
static_assert(ANSWER_ADDITIONAL_FIRST + ADDITIONAL_DATA_ONE_TIME <= REPORT_SIZE);
static_assert(ADDITIONAL_DATA_BLOCKS <= 255);

}  // namespace pos

// Additional-data blocks: ADDITIONAL_DATA_FULL_BLOCKS full ones, then the shorter remainder.
// Size 0 for a block number outside 0..ADDITIONAL_DATA_BLOCKS-1.
constexpr int AdditionalBlockSize(int block) {
    if (block < 0 || block >= ADDITIONAL_DATA_BLOCKS) return 0;
    return block < ADDITIONAL_DATA_FULL_BLOCKS ? ADDITIONAL_DATA_ONE_TIME : ADDITIONAL_DATA_LAST_BLOCK_SIZE;
}
constexpr int AdditionalBlockOffset(int block) { return block * ADDITIONAL_DATA_ONE_TIME; }

static_assert(AdditionalBlockOffset(ADDITIONAL_DATA_BLOCKS - 1) + AdditionalBlockSize(ADDITIONAL_DATA_BLOCKS - 1) ==
              ADDITIONAL_DATA_ONE_PEDAL);

// Outgoing layouts (byte 0, the command, is written by the exchange).
void FillGetOutputModeAndData(Report& out, int pedal);
void FillGetAdditionalData(Report& out, int pedal, int block);
// The advanced dialog's request: also every byte after the block number 0xFF.
void FillAdditionalDataRequest(Report& out, int pedal, int block);
void FillSetOutputModeAndData(Report& out, int pedal, std::uint8_t mode, const CommonRecord& common);
void FillSetParameters(Report& out);

// Answers as the program reads them.
struct FirmwareVersion {
    std::uint8_t major = 0;
    std::uint8_t minor = 0;
    std::uint8_t revision = 0;
};
FirmwareVersion TakeVersion(const Report& in);
int TakePedalCount(const Report& in);
void TakeModeAndCommon(const Report& in, std::uint8_t& mode, CommonRecord& common);
// Copies block `block` into its place in `additional`; false (nothing copied) for a bad block number.
bool TakeAdditionalBlock(const Report& in, int block, AdditionalRecord& additional);

// Answers as the unit writes them (the simulated unit).
void PutVersion(Report& in, const FirmwareVersion& version);
void PutPedalCount(Report& in, int count);
void PutModeAndCommon(Report& in, std::uint8_t mode, const CommonRecord& common);
bool PutAdditionalBlock(Report& in, int block, const AdditionalRecord& additional);

}  // namespace tarvik
