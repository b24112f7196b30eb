// SPDX-License-Identifier: GPL-3.0-or-later
// Mode 10: one output when the pedal is pressed and another when it is released, each a key with
// modifiers, or none.
#include "model/ContentsGroups.h"
#include "model/KeyNames.h"
#include "model/ModeEncoders.h"
#include "model/modes/ModeRow.h"
#include "model/modes/RowParts.h"

namespace tarvik::modes {

namespace {

constexpr NamedPosition kLayout[] = {{"flags", layout::CHANGE_FLAGS},
                                     {"press modifiers", layout::CHANGE_PRESS_MODIFIERS},
                                     {"press usage", layout::CHANGE_PRESS_USAGE},
                                     {"release modifiers", layout::CHANGE_RELEASE_MODIFIERS},
                                     {"release usage", layout::CHANGE_RELEASE_USAGE}};
constexpr const char* kOptions[] = {"--press", "--release"};

// One of the two outputs: its flag and where its bytes are.
struct Output {
    unsigned flag;
    int modifiers;
    int usage;
};
constexpr Output kPress{layout::CHANGE_PRESS_FLAG, layout::CHANGE_PRESS_MODIFIERS,
                        layout::CHANGE_PRESS_USAGE};
constexpr Output kRelease{layout::CHANGE_RELEASE_FLAG, layout::CHANGE_RELEASE_MODIFIERS,
                          layout::CHANGE_RELEASE_USAGE};

bool IsOn(const CommonRecord& c, const Output& at) {
    return (c[layout::CHANGE_FLAGS] & at.flag) != 0;
}

void Write(const ModeChoice& choice, PedalRecordRef record) {
    EncodeOnChange(std::get<OnChange>(choice), record);
}

// None when its flag is clear, else a key of the key table. False when the key is no key a form
// takes (0, a click code, a value beyond the table).
bool OutputAt(const CommonRecord& c, const Output& at, std::optional<KeyOutput>& output) {
    if (!IsOn(c, at)) return true;
    output = KeyOutput{c[at.modifiers], c[at.usage]};
    return parts::IsFormKey(c[at.usage]);
}

std::optional<ModeChoice> Decode(const CommonRecord& c) {
    OnChange ch;
    if (!OutputAt(c, kPress, ch.press) || !OutputAt(c, kRelease, ch.release)) return std::nullopt;
    return ch;  // other flag bits and the bytes of an output that is none are checked by encoding
}

std::string Describe(const CommonRecord& c, const AdditionalRecord&) {
    std::string text = parts::Label(TARVIK_TR("Description", "変化時に出力"));
    if (IsOn(c, kPress)) {
        contents::AddLine(text, TARVIK_TR("Description", "[ペダルを踏んだ時の出力] あり 以下の通り"));
        contents::AddChangeOutputGroup(text, c[kPress.usage], c[kPress.modifiers]);
    } else {
        contents::AddLine(text, TARVIK_TR("Description", "[ペダルを踏んだ時の出力] なし"));
    }
    if (IsOn(c, kRelease)) {
        contents::AddLine(text, TARVIK_TR("Description", "[ペダルを離した時の出力] あり 以下の通り"));
        contents::AddChangeOutputGroup(text, c[kRelease.usage], c[kRelease.modifiers]);
    } else {
        contents::AddLine(text, TARVIK_TR("Description", "[ペダルを離した時の出力] なし"));
    }
    return text;
}

FieldValue OutputField(const CommonRecord& c, const Output& at) {
    if (!IsOn(c, at)) return std::monostate{};
    const std::uint8_t key[] = {c[at.usage]};
    return KeySpecText(c[at.modifiers], key);
}

void Fields(const CommonRecord& c, const AdditionalRecord&, std::vector<Field>& f) {
    f.push_back({"press", OutputField(c, kPress)});
    f.push_back({"release", OutputField(c, kRelease)});
}

// OUTPUT: none, or modifiers and exactly one key.
bool ReadOutput(FormReader& in, const char* option, std::optional<KeyOutput>& output) {
    if (!in.Given(option) || in.Is(option, "none")) return true;
    TypedKeys keys;
    if (!in.Keys(option, KeyCount::OneKey, keys)) return false;
    output = parts::OneKey(keys);
    return true;
}

bool Read(FormReader& in, ModeChoice& choice) {
    OnChange c;
    if (!ReadOutput(in, "--press", c.press) || !ReadOutput(in, "--release", c.release)) return false;
    choice = c;
    return true;
}

std::vector<std::string> Args(const ModeChoice& choice) {
    const auto& c = std::get<OnChange>(choice);
    parts::Args args{"on-change"};
    if (c.press) parts::Option(args, "--press", parts::KeySpecArg(*c.press));
    if (c.release) parts::Option(args, "--release", parts::KeySpecArg(*c.release));
    return args;
}

void Put(CommonRecord& c, const Output& at, const std::optional<KeyOutput>& output) {
    c[at.modifiers] = output ? output->modifiers : 0;
    c[at.usage] = output ? output->usage : 0;
}

}  // namespace

void EncodeOnChange(const OnChange& choice, PedalRecordRef record) {
    CommonRecord& c = record.common;
    record.mode = OUTPUT_AT_CHANGE;
    c[layout::CHANGE_FLAGS] =
        static_cast<std::uint8_t>((choice.press ? kPress.flag : 0) | (choice.release ? kRelease.flag : 0));
    Put(c, kPress, choice.press);
    Put(c, kRelease, choice.release);
}

const ModeRow& OnChangeMode() {
    static const ModeRow row{.code = OUTPUT_AT_CHANGE,
                             .layout = kLayout,
                             .encode = Write,
                             .decode = Decode,
                             .describe = Describe,
                             .fields = Fields,
                             .form = {.name = "on-change",
                                      .usage = "on-change [--press OUTPUT] [--release OUTPUT]",
                                      .example = "on-change --press f13 --release f14",
                                      .description = "one output on press, another on release",
                                      .required = 0,
                                      .options = kOptions,
                                      .read = Read,
                                      .args = Args}};
    return row;
}

}  // namespace tarvik::modes
