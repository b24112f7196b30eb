// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Translate.h"

namespace tarvik::i18n {

namespace {
Translator gTranslator = nullptr;
}  // namespace

void SetTranslator(Translator translator) {
    gTranslator = translator;
}

std::string Translate(const char* context, const char* source) {
    if (source == nullptr) return {};
    if (gTranslator == nullptr || source[0] == '\0') return source;
    return gTranslator(context, source);
}

}  // namespace tarvik::i18n
