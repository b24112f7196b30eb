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
    into(1000, 4);
    int failures = 0;
    int checks = 0;
    auto check = [&](bool ok, const char* what) {
        ++checks;
        if (!ok) {
            std::printf("FAILED: %s\n", what);
            ++failures;
        }
    };
    check(value(4) == 1000, "IntoValue16 after IntoTwoCommonData");
    check(tarvik::State().CommonData[1][4] == 0x03 && tarvik::State().CommonData[1][5] == 0xE8, "big-endian bytes");
    check(contents(4).rfind("Level:STANDARD Name:[a]", 0) == 0, "GetKeyContents(4)");
    check(name(40) == "Enter (Return)", "GetKeyName(40)");
    check(explanation(40).empty(), "GetKeyExplanation(40)");
    check(indexOf("abc", "b") == 1, "IndexOf middle");
    check(modifier(0x01) == "(左)control", "GetModifierName(0x01)");
    tarvik::State().OutputMode[1] = 11;
    check(text() == "default", "PedalContentsText for an unknown mode");
    std::printf("%d passed, %d failed\n", checks - failures, failures);
    return failures == 0 ? 0 : 1;
}
