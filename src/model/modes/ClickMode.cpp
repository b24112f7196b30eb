// SPDX-License-Identifier: GPL-3.0-or-later
// Mode 1: a click of one button, or of several at once.
#include "model/ContentsGroups.h"
#include "model/ModeEncoders.h"
#include "model/modes/ModeRow.h"
#include "model/modes/RowParts.h"

namespace tarvik::modes {

namespace {

constexpr NamedPosition kLayout[] = {{"buttons", layout::CLICK_BUTTON}};
constexpr const char* kPositional[] = {"BUTTONS"};

void Write(const ModeChoice& choice, PedalRecordRef record) {
    EncodeClick(std::get<Click>(choice), record);
}

std::optional<ModeChoice> Decode(const CommonRecord& c) {
    const Click click{c[layout::CLICK_BUTTON]};
    if (!parts::InRange(click.buttons, 1, ALL_BUTTONS)) return std::nullopt;
    return click;
}

std::string Describe(const CommonRecord& c, const AdditionalRecord&) {
    std::string text = parts::Label(TARVIK_TR("Description", "クリック"));
    const ClickCode* click = FindClickCode(c[layout::CLICK_BUTTON]);
    contents::AddLine(text, parts::Fill(TARVIK_TR("Description", "[ボタン] %1"),
                                        {click != nullptr ? contents::Word(click->shown)
                                                          : TARVIK_TR("Description", "想定外のクリック")}));
    return text;
}

void Fields(const CommonRecord& c, const AdditionalRecord&, std::vector<Field>& f) {
    f.push_back({"buttons", parts::ButtonField(c[layout::CLICK_BUTTON])});
}

bool Read(FormReader& in, ModeChoice& choice) {
    Click click;
    if (!in.Buttons("BUTTONS", click.buttons)) return false;
    choice = click;
    return true;
}

std::vector<std::string> Args(const ModeChoice& choice) {
    return {"click", parts::ButtonName(std::get<Click>(choice).buttons)};
}

}  // namespace

void EncodeClick(const Click& choice, PedalRecordRef record) {
    record.mode = SIMPLE_CLICK;
    record.common[layout::CLICK_BUTTON] = choice.buttons;
}

const ModeRow& ClickMode() {
    static const ModeRow row{.code = SIMPLE_CLICK,
                             .layout = kLayout,
                             .encode = Write,
                             .decode = Decode,
                             .describe = Describe,
                             .fields = Fields,
                             .form = {.name = "click",
                                      .usage = "click BUTTONS",
                                      .example = "click left+right",
                                      .description = "a click of one button, or of several at once",
                                      .positional = kPositional,
                                      .required = 1,
                                      .read = Read,
                                      .args = Args}};
    return row;
}

}  // namespace tarvik::modes
