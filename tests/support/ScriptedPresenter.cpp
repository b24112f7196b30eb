// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/ScriptedPresenter.h"

#include "device/Console.h"

namespace tarvik::test {

ConsoleCapture::ConsoleCapture() {
    SetConsoleSink([this](const std::string& line) { lines_.push_back(line); });
}

ConsoleCapture::~ConsoleCapture() { SetConsoleSink(nullptr); }

}  // namespace tarvik::test
