// SPDX-License-Identifier: GPL-3.0-or-later
// The language the programs speak: the user's desktop languages decide between the Japanese
// source texts and the English translation.
#pragma once

#include <QStringList>

namespace tarvik::i18n {

enum class Language { Japanese, English };

// Japanese for the C and POSIX locales and where Japanese comes before English; English where
// English comes first, and for a user who lists neither (English is then the nearer of the two).
Language ChooseLanguage(const QStringList& uiLanguages);

// Loads the translations of the language QLocale::system().uiLanguages() chooses (this program's
// and Qt's own, so standard buttons and file dialogs match) and hands the model its translator.
// Needs a QCoreApplication. Returns the language chosen.
Language UseDesktopLanguage();

}  // namespace tarvik::i18n
