// SPDX-License-Identifier: GPL-3.0-or-later
// The GUI's message boxes: every alert and confirmation of the program while the window runs.
#pragma once

#include <QPointer>
#include <QWidget>

#include "device/Alert.h"

namespace tarvik {

class MessageBoxPresenter : public AlertPresenter {
public:
    // Boxes are centred over `window` (may be set later; nullptr centres them on the screen).
    explicit MessageBoxPresenter(QWidget* window = nullptr);

    void SetWindow(QWidget* window) { window_ = window; }

    // The product name as the box's text, the message below it, one "OK" on Return; no title.
    int ShowMessage(const std::string& message) override;
    // `title` as window title and as the box's text, the message below it; "OK" first (Escape),
    // "キャンセル" second (Return). Closing the box counts as キャンセル.
    int Confirm(const std::string& title, const std::string& message) override;

    // Object names of the buttons, so tests and accessibility tools can find them.
    static constexpr const char* OK_BUTTON_NAME = "alertButtonOK";
    static constexpr const char* CANCEL_BUTTON_NAME = "alertButtonCancel";

private:
    QPointer<QWidget> window_;
};

}  // namespace tarvik
