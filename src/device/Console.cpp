// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/Console.h"

#include <iostream>

namespace tarvik {

namespace {
ConsoleSink& Sink() {
    static ConsoleSink sink;
    return sink;
}
}  // namespace

void ConsoleLine(const std::string& line) {
    if (Sink()) {
        Sink()(line);
        return;
    }
    std::cout << line << std::endl;
}

void SetConsoleSink(ConsoleSink sink) { Sink() = std::move(sink); }

}  // namespace tarvik
