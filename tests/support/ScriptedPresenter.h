// SPDX-License-Identifier: GPL-3.0-or-later
// A presenter for tests: records every message and confirmation, answers as it is told, and can run
// a hook while "the box is open" (as a modal box would let timers and device events run).
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "device/Alert.h"

namespace tarvik::test {

class ScriptedPresenter : public AlertPresenter {
public:
    struct Shown {
        std::string title;  // empty for plain messages
        std::string text;
        bool confirmation = false;
    };

    // Installs itself for its lifetime.
    ScriptedPresenter() { SetAlertPresenter(this); }
    ~ScriptedPresenter() override { SetAlertPresenter(nullptr); }

    int ShowMessage(const std::string& message) override { return Answer({"", message, false}, ALERT_FIRST_BUTTON); }
    int Confirm(const std::string& title, const std::string& message) override {
        return Answer({title, message, true}, ALERT_SECOND_BUTTON);
    }

    // Responses for the next boxes, in order; when none is queued, plain messages answer
    // ALERT_FIRST_BUTTON ("OK") and confirmations ALERT_SECOND_BUTTON ("キャンセル", what Return picks).
    void QueueResponse(int response) { responses_.push_back(response); }
    // Runs while each box is shown, before it answers.
    void SetWhileShown(std::function<void(const Shown&)> hook) { whileShown_ = std::move(hook); }

    const std::vector<Shown>& All() const { return shown_; }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& s : shown_) texts.push_back(s.text);
        return texts;
    }
    void Clear() { shown_.clear(); }

private:
    int Answer(const Shown& shown, int fallback) {
        shown_.push_back(shown);
        if (whileShown_) whileShown_(shown);
        if (responses_.empty()) return fallback;
        const int response = responses_.front();
        responses_.pop_front();
        return response;
    }

    std::deque<int> responses_;
    std::vector<Shown> shown_;
    std::function<void(const Shown&)> whileShown_;
};

// Captures console lines for its lifetime.
class ConsoleCapture {
public:
    ConsoleCapture();
    ~ConsoleCapture();
    const std::vector<std::string>& Lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
};

}  // namespace tarvik::test
