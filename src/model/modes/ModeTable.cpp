// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>

#include "model/modes/ModeRow.h"

namespace tarvik::modes {

std::span<const ModeRow* const> ModeRows() {
    static const std::array<const ModeRow*, OUTPUT_AT_CHANGE + 1> rows{&KeyMode(),
                                                                       &ClickMode(),
                                                                       &DoubleClickMode(),
                                                                       &ModifierClickMode(),
                                                                       &ModifierDoubleClickMode(),
                                                                       &RepeatKeyMode(),
                                                                       &PointerMode(),
                                                                       &WheelMode(),
                                                                       &RepeatClickMode(),
                                                                       &ChordMode(),
                                                                       &OnChangeMode()};
    return rows;
}

const ModeRow* FindModeRow(int code) {
    const auto rows = ModeRows();
    return code >= 0 && static_cast<std::size_t>(code) < rows.size() ? rows[static_cast<std::size_t>(code)]
                                                                     : nullptr;
}

std::uint16_t LayoutBytes(const ModeRow& row) {
    unsigned bytes = 0;
    for (const NamedPosition& p : row.layout) {
        for (int i = p.at; i < p.at + p.size; ++i) bytes |= 1u << i;
    }
    return static_cast<std::uint16_t>(bytes);
}

}  // namespace tarvik::modes
