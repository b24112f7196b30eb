// SPDX-License-Identifier: GPL-3.0-or-later
// Mode 9: chords of up to six keys pressed together, once or again and again. The common bytes hold
// the first chord, the additional bytes nine more; a form writes one chord only.
#include <algorithm>

#include "model/ChordRecord.h"
#include "model/ContentsGroups.h"
#include "model/KeyNames.h"
#include "model/ModeDecoder.h"
#include "model/ModeEncoders.h"
#include "model/modes/ModeRow.h"
#include "model/modes/RowParts.h"

namespace tarvik::modes {

namespace {

constexpr NamedPosition kLayout[] = {
    {"on time", chord::ON_TIME_LOW},          {"off time", chord::OFF_TIME_LOW},
    {"high nibbles", chord::HIGH_NIBBLES},    {"count and series", chord::COUNT_AND_SERIES},
    {"repeats", chord::NUMBER_OF_REPEATS, 2}, {"first chord", chord::FIRST_ENTRY, PSKO_OUTPUT_ENTRY_SIZE}};
constexpr const char* kPositional[] = {"KEYSPEC"};
constexpr const char* kOptions[] = {"--on-ms", "--off-ms", "--repeats", "--count"};
constexpr const char* kUnitNames[] = {kRepeatUnits[0].name, kRepeatUnits[1].name};

void Write(const ModeChoice& choice, PedalRecordRef record) {
    EncodeChord(std::get<Chord>(choice), record);
}

std::optional<ModeChoice> Decode(const CommonRecord& c) {
    if (chord::NumberOfOutputs(c) != 1) return std::nullopt;
    Chord ch;
    ch.onMs = static_cast<std::uint16_t>(chord::OnTime(c));
    ch.offMs = static_cast<std::uint16_t>(chord::OffTime(c));
    ch.repeats = Value16(c, chord::NUMBER_OF_REPEATS);
    ch.bySeries = chord::RepeatBySeries(c);
    ch.modifiers = c[chord::FIRST_ENTRY];
    for (std::size_t k = 0; k < ch.keys.size(); ++k) {
        const std::uint8_t key = c[chord::FIRST_ENTRY + 1 + k];
        if (k > 0 && key == 0) break;
        if (!parts::IsFormKey(key)) return std::nullopt;
        ch.keys[k] = key;
    }
    return ch;  // keys after the first 0 are checked by encoding
}

std::string Describe(const CommonRecord& c, const AdditionalRecord& additional) {
    using parts::Fill;
    using parts::Number;
    std::string text = parts::Label(TARVIK_TR("Description", "複数同時キー出力"));
    const int outputs = chord::NumberOfOutputs(c);
    contents::AddLine(text,
                      Fill(TARVIK_TR("Description", "[オンの時間] %1 ミリ秒"), {Number(chord::OnTime(c))}));
    contents::AddLine(text,
                      Fill(TARVIK_TR("Description", "[間の時間] %1 ミリ秒"), {Number(chord::OffTime(c))}));
    contents::AddLine(text, Fill(TARVIK_TR("Description", "[出力の数] %1"), {Number(outputs)}));
    const unsigned repeats = Value16(c, chord::NUMBER_OF_REPEATS);
    contents::AddRepeatLine(text, repeats);
    if (repeats != 0)
        contents::AddLine(text, Fill(TARVIK_TR("Description", "[繰り返しの単位] %1"),
                                     {contents::Word(RepeatUnitOf(chord::RepeatBySeries(c)).shown)}));
    const std::span<const std::uint8_t> common(c);
    const std::string kOutput = TARVIK_TR("Description", "[%1番目の出力] %2");
    contents::AddLine(
        text, Fill(kOutput,
                   {"1", contents::ChordText(common.subspan(chord::FIRST_ENTRY, PSKO_OUTPUT_ENTRY_SIZE))}));
    // The record holds ten chords at most; a count beyond that (or 0) is the unit's error and
    // never leads past the additional bytes.
    const int listed = std::min(outputs, NUMBER_OF_PSKO_OUTPUT);
    const std::span<const std::uint8_t> more(additional);
    for (int k = 2; k <= listed; ++k) {
        const std::size_t offset = static_cast<std::size_t>(k - 2) * PSKO_OUTPUT_ENTRY_SIZE;
        if (offset + PSKO_OUTPUT_ENTRY_SIZE > more.size()) break;
        contents::AddLine(
            text,
            Fill(kOutput, {Number(k), contents::ChordText(more.subspan(offset, PSKO_OUTPUT_ENTRY_SIZE))}));
    }
    return text;
}

// One chord entry: the modifier byte, then keys up to the first 0 after the first key.
std::string ChordSpec(std::span<const std::uint8_t> entry) {
    std::size_t keys = 1;
    while (1 + keys < entry.size() && entry[1 + keys] != 0) ++keys;
    return KeySpecText(entry[0], entry.subspan(1, keys));
}

void Fields(const CommonRecord& c, const AdditionalRecord& additional, std::vector<Field>& f) {
    const int count = chord::NumberOfOutputs(c);
    f.push_back({"on_ms", static_cast<long long>(chord::OnTime(c))});
    f.push_back({"off_ms", static_cast<long long>(chord::OffTime(c))});
    f.push_back({"chords", static_cast<long long>(count)});
    f.push_back({"repeats", static_cast<long long>(Value16(c, chord::NUMBER_OF_REPEATS))});
    f.push_back({"count", std::string(RepeatUnitOf(chord::RepeatBySeries(c)).name)});
    // The record holds ten chords at most, whatever the count says.
    std::vector<std::string> outputs;
    const int listed = std::min(count, NUMBER_OF_PSKO_OUTPUT);
    if (listed >= 1) outputs.push_back(ChordSpec(std::span(c).subspan(chord::FIRST_ENTRY)));
    for (int k = 1; k < listed; ++k) {
        const auto offset = static_cast<std::size_t>(k - 1) * PSKO_OUTPUT_ENTRY_SIZE;
        outputs.push_back(ChordSpec(std::span(additional).subspan(offset, PSKO_OUTPUT_ENTRY_SIZE)));
    }
    f.push_back({"outputs", outputs});
}

bool Read(FormReader& in, ModeChoice& choice) {
    Chord c;
    TypedKeys keys;
    int on = CHORD_MS_DEFAULT;
    int off = CHORD_MS_DEFAULT;
    int repeats = CHORD_REPEATS_DEFAULT;
    int unit = 1;
    if (!in.Keys("KEYSPEC", KeyCount::Chord, keys) ||
        !in.Whole("--on-ms", CHORD_MS_MIN, CHORD_MS_MAX, " ms", on) ||
        !in.Whole("--off-ms", CHORD_MS_MIN, CHORD_MS_MAX, " ms", off) ||
        !parts::ReadRepeats(in, REPEATS_MAX, repeats) || !in.Name("--count", kUnitNames, unit)) {
        return false;
    }
    c.onMs = static_cast<std::uint16_t>(on);
    c.offMs = static_cast<std::uint16_t>(off);
    c.repeats = static_cast<std::uint16_t>(repeats);
    c.bySeries = kRepeatUnits[static_cast<std::size_t>(unit)].series;
    c.modifiers = keys.modifiers;
    for (std::size_t k = 0; k < keys.keys.size() && k < c.keys.size(); ++k) c.keys[k] = keys.keys[k];
    choice = c;
    return true;
}

std::vector<std::string> Args(const ModeChoice& choice) {
    const auto& c = std::get<Chord>(choice);
    std::size_t count = 1;
    while (count < c.keys.size() && c.keys[count] != 0) ++count;
    parts::Args args{"chord", KeySpecText(c.modifiers, std::span(c.keys).first(count))};
    parts::OptionIf(args, c.onMs != CHORD_MS_DEFAULT, "--on-ms", c.onMs);
    parts::OptionIf(args, c.offMs != CHORD_MS_DEFAULT, "--off-ms", c.offMs);
    parts::OptionIf(args, c.repeats != CHORD_REPEATS_DEFAULT, "--repeats", c.repeats);
    if (!c.bySeries) parts::Option(args, "--count", RepeatUnitOf(false).name);
    return args;
}

}  // namespace

void EncodeChord(const Chord& choice, PedalRecordRef record) {
    CommonRecord& c = record.common;
    const unsigned on = std::min<unsigned>(choice.onMs, CHORD_MS_MAX);
    const unsigned off = std::min<unsigned>(choice.offMs, CHORD_MS_MAX);
    record.mode = PLURAL_SIMULTANEOUS_KEY_OUTPUT;
    c[chord::ON_TIME_LOW] = static_cast<std::uint8_t>(on & 0xFF);
    c[chord::OFF_TIME_LOW] = static_cast<std::uint8_t>(off & 0xFF);
    c[chord::HIGH_NIBBLES] = static_cast<std::uint8_t>((on >> 8) << 4 | off >> 8);
    c[chord::COUNT_AND_SERIES] = static_cast<std::uint8_t>(1 | (choice.bySeries ? chord::SERIES_BIT : 0));
    PutValue16(c, chord::NUMBER_OF_REPEATS, choice.repeats);
    c[chord::FIRST_ENTRY] = choice.modifiers;
    // Keys end at the first 0; the slots after it are written 0 so that no old key reappears.
    bool ended = false;
    for (std::size_t k = 0; k < choice.keys.size(); ++k) {
        ended = ended || (k > 0 && choice.keys[k] == 0);
        c[chord::FIRST_ENTRY + 1 + k] = ended ? 0 : choice.keys[k];
    }
}

bool HoldsSeveralChords(std::uint8_t mode, const CommonRecord& common) {
    return mode == PLURAL_SIMULTANEOUS_KEY_OUTPUT && chord::NumberOfOutputs(common) > 1;
}

const ModeRow& ChordMode() {
    static const ModeRow row{
        .code = PLURAL_SIMULTANEOUS_KEY_OUTPUT,
        .layout = kLayout,
        .encode = Write,
        .decode = Decode,
        .describe = Describe,
        .fields = Fields,
        .form = {.name = "chord",
                 .usage = "chord KEYSPEC [--on-ms N] [--off-ms N] [--repeats N] [--count chords|series]",
                 .example = "chord shift+a+b --on-ms 100 --repeats 3",
                 .description = "up to six keys pressed together, once or again and again",
                 .positional = kPositional,
                 .required = 1,
                 .options = kOptions,
                 .read = Read,
                 .args = Args}};
    return row;
}

}  // namespace tarvik::modes
