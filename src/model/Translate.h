// SPDX-License-Identifier: GPL-3.0-or-later
// Translated texts without Qt. The model marks each user-visible text with TARVIK_TR (translated
// where it is used) or TARVIK_TR_NOOP (a table entry, translated where it is read); lupdate reads
// them as QCoreApplication::translate and QT_TRANSLATE_NOOP. The program installs the translator
// at start; until then, and in tests that install none, every text is its Japanese source.
#pragma once

#include <string>

namespace tarvik::i18n {

using Translator = std::string (*)(const char* context, const char* source);

// nullptr goes back to the source texts. Set once at start, before other threads run.
void SetTranslator(Translator translator);

std::string Translate(const char* context, const char* source);

}  // namespace tarvik::i18n

#define TARVIK_TR(context, text) ::tarvik::i18n::Translate(context, text)
#define TARVIK_TR_NOOP(context, text) text
