// SPDX-License-Identifier: GPL-3.0-or-later
// The UI tests run twice: with the Japanese source texts, and as on an English desktop
// (TARVIK_TEST_LANGUAGE=en, see TestMain). A test that pins Japanese texts runs in the first only.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string_view>

namespace tarvik::test {

inline bool EnglishRun() {
    const char* language = std::getenv("TARVIK_TEST_LANGUAGE");
    return language != nullptr && std::string_view(language) == "en";
}

}  // namespace tarvik::test

#define PINS_JAPANESE_TEXTS() \
    if (::tarvik::test::EnglishRun()) GTEST_SKIP() << "pins the Japanese texts"
