// SPDX-License-Identifier: GPL-3.0-or-later
// Compiles the model's public contract exactly as other code is written against it, from its
// headers alone, without Qt, and checks a few answers.
#include <cstdint>
#include <cstdio>
#include <string>

#include "model/DeviceState.h"
#include "model/KeyTable.h"
#include "model/PedalContents.h"
#include "model/PedalRecord.h"
#include "model/ProtocolConstants.h"

int main() {
    void (*into)(int, int) = &tarvik::IntoTwoCommonData;
    std::uint16_t (*value)(int) = &tarvik::IntoValue16;
    std::string (*contents)(int) = &tarvik::GetKeyContents;
    std::string (*name)(int) = &tarvik::GetKeyName;
    std::string (*explanation)(int) = &tarvik::GetKeyExplanation;
    int (*indexOf)(const std::string&, const std::string&) = &tarvik::IndexOf;
    std::string (*modifier)(std::uint8_t) = &tarvik::GetModifierName;
    std::string (*text)() = &tarvik::PedalContentsText;

    tarvik::State() = tarvik::DeviceState{};
    tarvik::State().SelectedPedalNo = 1;
    tarvik::State().OutputMode[1] = 11;
    into(1000, 4);
    const bool ok = value(4) == 1000 && tarvik::State().CommonData[1][4] == 0x03 &&
                    tarvik::State().CommonData[1][5] == 0xE8 &&
                    contents(4).rfind("Level:STANDARD Name:[a]", 0) == 0 && name(40) == "Enter (Return)" &&
                    explanation(40).empty() && indexOf("abc", "b") == 1 && modifier(0x01) == "(左)control" &&
                    text() == "default";
    std::printf("%s\n", ok ? "passed" : "FAILED: the model's contract answers otherwise");
    return ok ? 0 : 1;
}
