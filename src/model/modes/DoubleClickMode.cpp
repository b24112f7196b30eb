// SPDX-License-Identifier: GPL-3.0-or-later
// Mode 2: a double click of one button.
#include "model/ContentsGroups.h"
#include "model/ModeEncoders.h"
#include "model/modes/ModeRow.h"
#include "model/modes/RowParts.h"

namespace tarvik::modes {

namespace {

constexpr const layout::DoubleClickLayout& kTiming = layout::DOUBLE_CLICK;
constexpr NamedPosition kLayout[] = {{"button", layout::CLICK_BUTTON},
                                     {"first length", kTiming.firstLength},
                                     {"second length", kTiming.secondLength},
                                     {"interval", kTiming.interval}};
constexpr const char* kPositional[] = {"BUTTON"};
constexpr const char* kOptions[] = {"--first-ms", "--second", "--interval-ms"};

void Write(const ModeChoice& choice, PedalRecordRef record) {
    EncodeDoubleClick(std::get<DoubleClick>(choice), record);
}

std::optional<ModeChoice> Decode(const CommonRecord& c) {
    const std::uint8_t button = c[layout::CLICK_BUTTON];
    const auto timing = parts::TimingAt(c, kTiming);
    if (!IsSingleButton(button) || !timing) return std::nullopt;
    return DoubleClick{button, *timing};
}

std::string Describe(const CommonRecord& c, const AdditionalRecord&) {
    std::string text = parts::Label(TARVIK_TR("Description", "ダブルクリック"));
    const std::string single = parts::SingleButtonLine(c[layout::CLICK_BUTTON]);
    contents::AddLine(text, !single.empty()
                                ? single
                                : parts::Fill(TARVIK_TR("Description", "[ボタン] 想定外のダブルクリック")));
    parts::AddTimingLines(text, c, kTiming);
    return text;
}

void Fields(const CommonRecord& c, const AdditionalRecord&, std::vector<Field>& f) {
    f.push_back({"button", parts::ButtonField(c[layout::CLICK_BUTTON])});
    parts::AddTimingFields(f, c, kTiming);
}

bool Read(FormReader& in, ModeChoice& choice) {
    DoubleClick d;
    if (!in.Button("BUTTON", d.button) || !parts::ReadTiming(in, d.timing)) return false;
    choice = d;
    return true;
}

std::vector<std::string> Args(const ModeChoice& choice) {
    const auto& d = std::get<DoubleClick>(choice);
    parts::Args args{"double-click"};
    if (d.button != BUTTON_LEFT) args.push_back(parts::ButtonName(d.button));
    parts::AddTimingArgs(args, d.timing);
    return args;
}

}  // namespace

void EncodeDoubleClick(const DoubleClick& choice, PedalRecordRef record) {
    record.mode = SIMPLE_DOUBLE_CLICK;
    record.common[layout::CLICK_BUTTON] = choice.button;
    parts::PutTiming(record.common, kTiming, choice.timing);
}

const ModeRow& DoubleClickMode() {
    static const ModeRow row{
        .code = SIMPLE_DOUBLE_CLICK,
        .layout = kLayout,
        .encode = Write,
        .decode = Decode,
        .describe = Describe,
        .fields = Fields,
        .form = {.name = "double-click",
                 .usage = "double-click [BUTTON] [--first-ms N] [--second same|hold] [--interval-ms N]",
                 .example = "double-click right --second hold",
                 .description = "a double click",
                 .positional = kPositional,
                 .required = 0,
                 .options = kOptions,
                 .read = Read,
                 .args = Args}};
    return row;
}

}  // namespace tarvik::modes
