// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ScriptedPresenter.h"

#include "device/Console.h"

namespace tarvik::test {

ScriptedPresenter::ScriptedPresenter() { SetAlertPresenter(this); }

ScriptedPresenter::~ScriptedPresenter() { SetAlertPresenter(nullptr); }

int ScriptedPresenter::Answer(const Shown& shown, int fallback) {
    shown_.push_back(shown);
    if (whileShown_) whileShown_(shown);
    if (responses_.empty()) return fallback;
    const int response = responses_.front();
    responses_.pop_front();
    return response;
}

int ScriptedPresenter::ShowMessage(const std::string& message) {
    return Answer({"", message, false}, ALERT_FIRST_BUTTON);
}

int ScriptedPresenter::Confirm(const std::string& title, const std::string& message) {
    return Answer({title, message, true}, ALERT_SECOND_BUTTON);
}

std::vector<std::string> ScriptedPresenter::Texts() const {
    std::vector<std::string> texts;
    for (const auto& s : shown_) texts.push_back(s.text);
    return texts;
}

ConsoleCapture::ConsoleCapture() {
    SetConsoleSink([this](const std::string& line) { lines_.push_back(line); });
}

ConsoleCapture::~ConsoleCapture() { SetConsoleSink(nullptr); }

}  // namespace tarvik::test
