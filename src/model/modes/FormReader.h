// SPDX-License-Identifier: GPL-3.0-or-later
// What a mode's form asks of the arguments typed after its name. The command line answers with its
// own readers and refusal texts; the mode decides what it asks for and in which order.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "model/OutputCodes.h"

namespace tarvik::modes {

// How many keys a KEYSPEC argument takes.
enum class KeyCount { KeyOrModifiers, Chord, OneKey, ModifiersOnly };

struct TypedKeys {
    std::uint8_t modifiers = 0;
    std::vector<std::uint8_t> keys;  // usage IDs of the key table
};

// `argument` names a positional ("BUTTON") or an option ("--rate"). Each read of an argument that
// was not given succeeds and leaves the value as it was; a refused one returns false, and the
// reader keeps the refusal.
class FormReader {
public:
    virtual bool Given(const char* argument) const = 0;
    // The argument is `word`, in any case, blanks around it ignored.
    virtual bool Is(const char* argument, const char* word) const = 0;
    virtual bool Keys(const char* argument, KeyCount count, TypedKeys& keys) = 0;
    virtual bool Button(const char* argument, std::uint8_t& code) = 0;
    virtual bool Buttons(const char* argument, std::uint8_t& code) = 0;  // several joined by '+'
    virtual bool Direction(const char* argument, MoveDirection& direction) = 0;
    virtual bool Name(const char* argument, std::span<const char* const> names, int& index) = 0;
    // `unit` follows the range in a refusal (" ms").
    virtual bool Whole(const char* argument, int low, int high, const char* unit, int& value) = 0;
    virtual bool Tenths(const char* argument, int low, int high, int& tenths) = 0;

protected:
    ~FormReader() = default;
};

}  // namespace tarvik::modes
