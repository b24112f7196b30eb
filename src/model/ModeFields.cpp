// SPDX-License-Identifier: GPL-3.0-or-later
// Each mode's fields are in its row (model/modes).
#include "model/ModeFields.h"

#include "model/modes/ModeRow.h"

namespace tarvik::modes {

std::vector<Field> DecodeFields(std::uint8_t mode, const CommonRecord& common,
                                const AdditionalRecord& additional) {
    std::vector<Field> fields{{"mode", static_cast<long long>(mode)}};
    if (const ModeRow* row = FindModeRow(mode)) row->fields(common, additional, fields);
    return fields;
}

}  // namespace tarvik::modes
