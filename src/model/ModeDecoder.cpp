// SPDX-License-Identifier: GPL-3.0-or-later
// The decoders and forms themselves are in the mode rows (model/modes).
#include "model/ModeDecoder.h"

#include "model/ModeEncoders.h"
#include "model/modes/ModeRow.h"

namespace tarvik::modes {

std::optional<ModeChoice> DecodeChoice(std::uint8_t mode, const CommonRecord& common) {
    const ModeRow* row = FindModeRow(mode);
    const auto choice = row != nullptr ? row->decode(common) : std::nullopt;
    if (!choice) return std::nullopt;
    // The form must write this very record: encode it over the record and look for a change.
    std::uint8_t writtenMode = mode;
    CommonRecord written = common;
    Encode(*choice, {writtenMode, written});
    if (writtenMode != mode || written != common) return std::nullopt;
    return choice;
}

std::vector<std::string> FormArgs(const ModeChoice& choice) {
    return FindModeRow(ModeOf(choice))->form.args(choice);
}

std::optional<std::vector<std::string>> SetArgs(std::uint8_t mode, const CommonRecord& common) {
    const auto choice = DecodeChoice(mode, common);
    if (!choice) return std::nullopt;
    return FormArgs(*choice);
}

}  // namespace tarvik::modes
