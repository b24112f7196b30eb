// SPDX-License-Identifier: GPL-3.0-or-later
// The setting form of a choice, as `tarvikctl set PEDAL` takes it.
#include <span>

#include "model/KeyNames.h"
#include "model/ModeDecoder.h"

namespace tarvik::modes {

namespace {

using Args = std::vector<std::string>;

std::string Number(long long value) { return std::to_string(value); }

// Tenths as the --rate option reads them: "10", "2.5".
std::string Tenths(unsigned tenths) {
    std::string text = std::to_string(tenths / 10);
    if (tenths % 10 != 0) text += "." + std::to_string(tenths % 10);
    return text;
}

template <class Row>
std::string NameOr(const Row* row, unsigned code) {
    return row != nullptr ? std::string(row->name) : Number(code);
}

std::string ButtonName(std::uint8_t code) { return NameOr(FindClickCode(code), code); }

std::string Modifiers(std::uint8_t modifiers) { return KeySpecText(modifiers, {}); }

std::string KeySpec(const KeyOutput& k) {
    const std::uint8_t usage[] = {k.usage};
    return KeySpecText(k.modifiers, k.usage == 0 ? std::span<const std::uint8_t>() : std::span(usage));
}

void Option(Args& args, const char* name, const std::string& value) {
    args.emplace_back(name);
    args.push_back(value);
}

void OptionIf(Args& args, bool given, const char* name, long long value) {
    if (given) Option(args, name, Number(value));
}

void AddTiming(Args& args, const DoubleClickTiming& t) {
    OptionIf(args, t.firstMs != CLICK_MS_DEFAULT, "--first-ms", t.firstMs);
    if (t.second != kSecondClicks[0].code) Option(args, "--second", NameOr(FindSecondClick(t.second), t.second));
    OptionIf(args, t.intervalMs != CLICK_MS_DEFAULT, "--interval-ms", t.intervalMs);
}

void AddRepetition(Args& args, const Repetition& r) {
    OptionIf(args, r.repeats != 0, "--repeats", r.repeats);
    if (r.accelerate) Option(args, "--accelerate", Number(*r.accelerate));
}

struct Former {
    Args operator()(const KeyOutput& c) const { return {"key", KeySpec(c)}; }
    Args operator()(const Click& c) const { return {"click", ButtonName(c.buttons)}; }
    Args operator()(const DoubleClick& c) const {
        Args args{"double-click"};
        if (c.button != BUTTON_LEFT) args.push_back(ButtonName(c.button));
        AddTiming(args, c.timing);
        return args;
    }
    Args operator()(const ModifierClick& c) const {
        return {"modifier-click", Modifiers(c.modifiers), ButtonName(c.button)};
    }
    Args operator()(const ModifierDoubleClick& c) const {
        Args args{"modifier-double-click", Modifiers(c.modifiers), ButtonName(c.button)};
        AddTiming(args, c.timing);
        return args;
    }
    Args operator()(const RepeatKey& c) const {
        Args args{"repeat-key", KeySpec(c.key)};
        if (c.rateTenths != RATE_TENTHS_DEFAULT) Option(args, "--rate", Tenths(c.rateTenths));
        AddRepetition(args, c.repetition);
        return args;
    }
    Args operator()(const PointerMoveChoice& c) const {
        Args args{"pointer", c.direction ? DirectionOf(*c.direction).name : "none"};
        OptionIf(args, c.speedIndex != SPEED_DEFAULT, "--speed", c.speedIndex);
        const int repeats = c.untilRelease || !c.setNumber ? 0 : c.repeats;
        OptionIf(args, repeats != 0, "--repeats", repeats);
        OptionIf(args, c.accelerated, "--accelerate", c.accelerationIndex);
        return args;
    }
    Args operator()(const Wheel& c) const {
        Args args{"wheel", NameOr(FindWheelDirection(c.direction), c.direction)};
        OptionIf(args, c.rate != WHEEL_RATE_DEFAULT, "--rate", c.rate);
        AddRepetition(args, c.repetition);
        return args;
    }
    Args operator()(const RepeatClick& c) const {
        Args args{"repeat-click", ButtonName(c.button)};
        if (c.rateTenths != RATE_TENTHS_DEFAULT) Option(args, "--rate", Tenths(c.rateTenths));
        AddRepetition(args, c.repetition);
        return args;
    }
    Args operator()(const Chord& c) const {
        std::size_t count = 1;
        while (count < c.keys.size() && c.keys[count] != 0) ++count;
        Args args{"chord", KeySpecText(c.modifiers, std::span(c.keys).first(count))};
        OptionIf(args, c.onMs != CHORD_MS_DEFAULT, "--on-ms", c.onMs);
        OptionIf(args, c.offMs != CHORD_MS_DEFAULT, "--off-ms", c.offMs);
        OptionIf(args, c.repeats != CHORD_REPEATS_DEFAULT, "--repeats", c.repeats);
        if (!c.bySeries) Option(args, "--count", RepeatUnitOf(false).name);
        return args;
    }
    Args operator()(const OnChange& c) const {
        Args args{"on-change"};
        if (c.press) Option(args, "--press", KeySpec(*c.press));
        if (c.release) Option(args, "--release", KeySpec(*c.release));
        return args;
    }
};

}  // namespace

std::vector<std::string> FormArgs(const ModeChoice& choice) { return std::visit(Former{}, choice); }

}  // namespace tarvik::modes
