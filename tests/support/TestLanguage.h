// SPDX-License-Identifier: GPL-3.0-or-later
// The UI tests run twice: with the Japanese source texts, and as on an English desktop
// (TARVIK_TEST_LANGUAGE=en, see TestMain). A test gives each text it expects in both languages.
#pragma once

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QString>

#include <cstdlib>
#include <string_view>

namespace tarvik::test {

inline bool EnglishRun() {
    const char* language = std::getenv("TARVIK_TEST_LANGUAGE");
    return language != nullptr && std::string_view(language) == "en";
}

// The text this run expects: the Japanese source text, or its English translation.
inline const char* Lang(const char* japanese, const char* english) { return EnglishRun() ? english : japanese; }

// Hiragana, katakana, CJK ideographs, full-width forms or CJK punctuation: a text not in English.
inline bool HasJapanese(const QString& text) {
    static const QRegularExpression japanese(
        QStringLiteral("[\\x{3000}-\\x{30FF}\\x{3400}-\\x{9FFF}\\x{FF00}-\\x{FFEF}]"));
    return text.contains(japanese);
}

}  // namespace tarvik::test
