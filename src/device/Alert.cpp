// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/Alert.h"

#include <iostream>

#include "device/Console.h"
#include "model/Texts.h"

namespace tarvik {

namespace {

// Without a window there is no one to ask: messages go to standard error, and a confirmation
// takes the harmless answer.
class StderrPresenter : public AlertPresenter {
public:
    int ShowMessage(const std::string& message) override {
        std::cerr << message << std::endl;
        return ALERT_FIRST_BUTTON;
    }
    int Confirm(const std::string& title, const std::string& message) override {
        std::cerr << title << ": " << message << std::endl;
        return ALERT_SECOND_BUTTON;
    }
};

AlertPresenter*& Installed() {
    static AlertPresenter* presenter = nullptr;
    return presenter;
}

}  // namespace

void SetAlertPresenter(AlertPresenter* presenter) { Installed() = presenter; }

AlertPresenter& CurrentAlertPresenter() {
    static StderrPresenter fallback;
    return Installed() ? *Installed() : fallback;
}

void alertBox(const std::string& Message) {
    const int response = CurrentAlertPresenter().ShowMessage(Message);
    if (response == ALERT_FIRST_BUTTON) {
        ConsoleLine(text::ConsoleAlertOk);
    } else {
        ConsoleLine(text::ConsoleOtherResponse + std::to_string(response));
    }
}

void AlertExchangeFailure(ExchangeEnding ending) {
    switch (ending) {
    case ExchangeEnding::SendFailed:
        alertBox(text::Tr(text::SendError));
        return;
    case ExchangeEnding::TimedOut:
        alertBox(text::Tr(text::Timeout));
        ConsoleLine(text::ConsoleTimeout);
        return;
    case ExchangeEnding::Answered:
    case ExchangeEnding::NoUnit:
    case ExchangeEnding::Abandoned:
        return;
    }
}

int ConfirmBox(const std::string& title, const std::string& message) {
    return CurrentAlertPresenter().Confirm(title, message);
}

}  // namespace tarvik
