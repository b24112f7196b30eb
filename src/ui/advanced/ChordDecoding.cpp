// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/advanced/ChordDecoding.h"

#include <algorithm>
#include <cstddef>

#include "model/ChordRecord.h"
#include "ui/advanced/ChordKeyNames.h"

namespace tarvik::advanced {

namespace {

constexpr int kRepairedTime = 10;
constexpr int kRepairedCount = 2;
// Keys 2..6 of a chord end at the first 0; the modifier and key 1 are always taken.
constexpr std::size_t kAlwaysTaken = 2;

// A decoded chord lists only its first key.
constexpr long kFirstKeyOnly = -1;

template <typename Bytes>
void DecodeChord(const Bytes& record, std::size_t start, ChordEntry& entry) {
    for (std::size_t j = 0; j < entry.size() && start + j < record.size(); ++j) {
        const std::uint8_t c = record[start + j];
        if (j >= kAlwaysTaken && c == 0) break;
        entry[j] = c;
    }
}

ChordTiming LoadPluralRecord(ChordModel& model, CommonRecord& common, const AdditionalRecord& additional) {
    ChordTiming timing;

    int onTime = chord::OnTime(common);
    if (onTime == 0) {
        common[chord::ON_TIME_LOW] = kRepairedTime;
        onTime = kRepairedTime;
    }
    timing.onTime = onTime;

    if (chord::OffTime(common) == 0) common[chord::OFF_TIME_LOW] = kRepairedTime;

    model.PSKO_NumberOfOutput = chord::NumberOfOutputs(common);
    if (model.PSKO_NumberOfOutput == 0 || model.PSKO_NumberOfOutput > NUMBER_OF_PSKO_OUTPUT) {
        model.PSKO_NumberOfOutput = kRepairedCount;
        common[chord::COUNT_AND_SERIES] =
            static_cast<std::uint8_t>((common[chord::COUNT_AND_SERIES] & chord::SERIES_BIT) + kRepairedCount);
    }

    const int repeats = Value16(common, chord::NUMBER_OF_REPEATS);
    if (repeats != 0) {
        timing.untilRelease = false;
        timing.repeats = repeats;
        timing.series = chord::RepeatBySeries(common);
    } else {
        timing.untilRelease = true;
        timing.repeats = DEFAULT_NUMBER_OF_REPEATS;
        timing.series = false;
    }

    DecodeChord(common, chord::FIRST_ENTRY, model.PSKO_KeyData[0]);
    model.PSKO_NumberOfKeys[0] = kFirstKeyOnly;
    model.PSKO_NumberOfKeysOriginal[0] = kFirstKeyOnly;

    for (int k = 1; k < model.PSKO_NumberOfOutput; ++k) {
        const auto start = static_cast<std::size_t>((k - 1) * PSKO_OUTPUT_ENTRY_SIZE);
        DecodeChord(additional, start, model.PSKO_KeyData[static_cast<std::size_t>(k)]);
        model.PSKO_NumberOfKeys[static_cast<std::size_t>(k)] = kFirstKeyOnly;
        model.PSKO_NumberOfKeysOriginal[static_cast<std::size_t>(k)] = kFirstKeyOnly;
    }
    return timing;
}

ChordTiming LoadExample(ChordModel& model) {
    model.PSKO_KeyData[0][0] = 2;
    const auto key = static_cast<std::uint8_t>(model.PSKO_NewOutputCharacter + 1);
    model.PSKO_KeyData[0][1] = key;
    model.PSKO_KeyData[1][1] = key;
    model.PSKO_KeyData[2][1] = key;
    model.PSKO_KeyData[2][2] = static_cast<std::uint8_t>(model.PSKO_NewKeyNumber[2] + 1);
    model.PSKO_NumberOfKeys[2] = 2;
    model.PSKO_NumberOfKeysOriginal[2] = 2;
    model.PSKO_NumberOfOutput = 3;
    return ChordTiming{};
}

}  // namespace

void ResetChordModel(ChordModel& model) {
    for (auto& entry : model.PSKO_KeyData) entry.fill(0);
    model.PSKO_NumberOfKeys.fill(1);
    model.PSKO_NumberOfKeysOriginal.fill(1);
    model.PSKO_SelectedKey.fill(1);
    model.PSKO_NewKeyNumber.fill(31);
    model.PSKO_NewOutputCharacter = 4;
}

ChordTiming LoadChords(ChordModel& model, std::uint8_t mode, CommonRecord& common, const AdditionalRecord& additional) {
    ResetChordModel(model);
    ChordTiming timing = mode == PLURAL_SIMULTANEOUS_KEY_OUTPUT ? LoadPluralRecord(model, common, additional)
                                                                : LoadExample(model);
    model.PSKO_SelectedOutput = 0;
    return timing;
}

std::vector<std::string> ChordListLines(const ChordModel& model) {
    std::vector<std::string> lines;
    const int count = std::clamp(model.PSKO_NumberOfOutput, 0, NUMBER_OF_PSKO_OUTPUT);
    const std::string modifier = CHORD_MODIFIER_NAME;
    for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
        const ChordEntry& entry = model.PSKO_KeyData[i];
        std::string line = modifier.empty() ? "[" : "[" + modifier + "] + [";
        line += GetKeyName(entry[1]) + "]";
        // Keys live in bytes 1..6 of the entry; a count beyond that names no further key.
        const long last = std::min<long>(model.PSKO_NumberOfKeys[i], long(entry.size()) - 1);
        for (long j = 2; j <= last; ++j) line += " + [" + GetKeyName(entry[static_cast<std::size_t>(j)]) + "]";
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace tarvik::advanced
