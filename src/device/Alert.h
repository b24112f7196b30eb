// SPDX-License-Identifier: GPL-3.0-or-later
// The one way the program shows a message or asks for a confirmation. The presenter is replaceable:
// message boxes in the GUI, standard error in the CLI, a scripted presenter in tests.
#pragma once

#include <string>

#include "device/ExchangeEnding.h"

namespace tarvik {

// Response codes of a modal box: first button, second button.
inline constexpr int ALERT_FIRST_BUTTON = 1000;
inline constexpr int ALERT_SECOND_BUTTON = 1001;

class AlertPresenter {
public:
    virtual ~AlertPresenter() = default;
    // A message with one "OK" button answering to Return and an empty title. Returns the response.
    virtual int ShowMessage(const std::string& message) = 0;
    // Two buttons, "OK" (first, on Escape) and "キャンセル" (second, on Return). Returns the response.
    virtual int Confirm(const std::string& title, const std::string& message) = 0;
};

// Installs `presenter` (not owned; nullptr restores the default, which writes to standard error and
// answers every confirmation with the second button).
void SetAlertPresenter(AlertPresenter* presenter);
AlertPresenter& CurrentAlertPresenter();

// Shows `Message` and writes "alert_OK_pushed" or "その他:" + response as a console line.
void alertBox(const std::string& Message);
// What an exchange's ending means to the user: "送信エラー" for a send the unit did not take,
// "タイムアウト" and the console line "timeout" for an answer that never came; nothing otherwise.
void AlertExchangeFailure(ExchangeEnding ending);
// Asks through the presenter; returns the response code. Writes no console line.
int ConfirmBox(const std::string& title, const std::string& message);

}  // namespace tarvik
