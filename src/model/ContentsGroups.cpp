// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ContentsGroups.h"

#include "model/KeyTable.h"
#include "model/ProtocolConstants.h"
#include "model/Translate.h"

namespace tarvik::contents {

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> values) {
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const std::size_t n = i + 1 < pattern.size() ? static_cast<std::size_t>(pattern[i + 1] - '1') : values.size();
        if (pattern[i] == '%' && n < values.size()) {
            text += values.begin()[n];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::string Word(const char* source) {
    return i18n::Translate("Description", source);
}

void AddLine(std::string& text, const std::string& line) {
    text += "\r\n";
    text += line;
}

void AddKeyGroup(std::string& text, int usage) {
    if (usage == 0) {
        AddLine(text, TARVIK_TR("Description", "[キー] なし"));
    } else if (usage > Max_UsageID) {
        AddLine(text, TARVIK_TR("Description", "[キー] ---"));
    } else {
        AddLine(text, Fill(TARVIK_TR("Description", "[キー] %1"), {GetKeyName(usage)}));
    }
    if (usage >= 1 && usage <= Max_UsageID) {
        const std::string explanation = GetKeyExplanation(usage);
        if (!explanation.empty())
            AddLine(text, Fill(TARVIK_TR("Description", "[キー説明] %1"), {explanation}));
    }
}

void AddModifierGroup(std::string& text, std::uint8_t modifiers) {
    const std::string name = GetModifierName(modifiers);
    AddLine(text, Fill(TARVIK_TR("Description", "[モディファイア] %1"),
                       {name.empty() ? std::string(TARVIK_TR("Description", "なし")) : name}));
}

void AddAccelerationGroup(std::string& text, std::uint8_t acceleration, unsigned index, unsigned repeats) {
    if (acceleration != 0) {
        AddLine(text, TARVIK_TR("Description", "[加速] あり"));
        AddLine(text, Fill(TARVIK_TR("Description", "[加速指標] %1"), {std::to_string(index)}));
    } else {
        AddLine(text, TARVIK_TR("Description", "[加速] なし"));
        AddLine(text, TARVIK_TR("Description", "[加速指標] 0"));
    }
    AddRepeatLine(text, repeats);
}

void AddRepeatLine(std::string& text, unsigned repeats) {
    if (repeats != 0) {
        AddLine(text, Fill(TARVIK_TR("Description", "[繰り返し数] %1"), {std::to_string(repeats)}));
    } else {
        AddLine(text, TARVIK_TR("Description", "[繰り返し] ペダルを離すまで"));
    }
}

void AddChangeOutputGroup(std::string& text, int usage, std::uint8_t modifiers) {
    // Here 0 and the values between the last keyboard usage and Max_UsageID are mouse clicks;
    // keys and invalid values read as in the key output modes.
    const bool click = usage <= Max_UsageID && (usage < 1 || usage > Max_KeyUsageID);
    if (click) {
        AddLine(text, Fill(TARVIK_TR("Description", "[クリック] %1"), {GetKeyName(usage)}));
        AddLine(text, Fill(TARVIK_TR("Description", "[クリック説明] %1"), {GetKeyExplanation(usage)}));
    } else {
        AddKeyGroup(text, usage);
    }
    AddModifierGroup(text, modifiers);
}

std::string ChordText(std::span<const std::uint8_t> entry) {
    if (entry.size() != static_cast<std::size_t>(PSKO_OUTPUT_ENTRY_SIZE)) return {};
    std::string chord;
    const std::string modifiers = GetModifierName(entry[0]);
    // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on "literal" + temporary string.
    if (!modifiers.empty()) {
        chord += '[';
        chord += modifiers;
        chord += "] + ";
    }
    // The first key is always named, even "なし"; the others end at the first empty slot.
    chord += '[';
    chord += GetKeyName(entry[1]);
    chord += ']';
    for (std::size_t slot = 2; slot < entry.size() && entry[slot] != 0; ++slot) {
        chord += " + [";
        chord += GetKeyName(entry[slot]);
        chord += ']';
    }
    return chord;
}

std::string Tenths(unsigned value) {
    return std::to_string(value / 10) + "." + std::to_string(value % 10);
}

}  // namespace tarvik::contents
