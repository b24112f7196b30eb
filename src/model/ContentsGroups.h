// SPDX-License-Identifier: GPL-3.0-or-later
// Line groups that several output modes share in a pedal's description.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace tarvik::contents {

// The pattern with %1, %2, ... replaced by the values. Description lines are written as whole
// patterns so that each can be translated as one sentence.
std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> values = {});

// A word or line of the descriptions in the user's language (the tables' shown names).
std::string Word(const char* source);

// Appends CR LF and line to text.
void AddLine(std::string& text, const std::string& line);

// "[キー] …" and, when the key has one, "[キー説明] …" (the key output modes).
void AddKeyGroup(std::string& text, int usage);
// "[モディファイア] …" with "なし" for none.
void AddModifierGroup(std::string& text, std::uint8_t modifiers);
// "[加速] …", "[加速指標] …" and the repeat line (the repeating modes).
void AddAccelerationGroup(std::string& text, std::uint8_t acceleration, unsigned index, unsigned repeats);
// "[繰り返し数] …", or "[繰り返し] ペダルを離すまで" for 0.
void AddRepeatLine(std::string& text, unsigned repeats);
// One output of an output-at-change setting: a key, a click or "---", then the modifiers.
void AddChangeOutputGroup(std::string& text, int usage, std::uint8_t modifiers);

// "[mod] + [key] + [key]…" of one 7-byte chord entry; an entry of another size gives "".
std::string ChordText(std::span<const std::uint8_t> entry);

// value / 10 with one decimal: 25 -> "2.5", 0 -> "0.0".
std::string Tenths(unsigned value);

}  // namespace tarvik::contents
