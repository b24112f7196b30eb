// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "model/Translate.h"

namespace tarvik::i18n {

namespace {

std::string QtTranslate(const char* context, const char* source) {
    return QCoreApplication::translate(context, source).toStdString();
}

// Installed beside the program first (share/ beside bin/), then where this build installs them,
// then the build folder, for a program or test run from there.
QStringList TranslationFolders() {
    return {QCoreApplication::applicationDirPath() + QStringLiteral("/../" TARVIK_TRANSLATIONS_RELATIVE),
            QStringLiteral(TARVIK_TRANSLATIONS_INSTALLED), QStringLiteral(TARVIK_TRANSLATIONS_BUILD)};
}

bool Install(const QString& name, const QStringList& folders) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    for (const QString& folder : folders) {
        if (translator->load(name, folder)) return QCoreApplication::installTranslator(translator);
    }
    delete translator;
    return false;
}

}  // namespace

Language ChooseLanguage(const QStringList& uiLanguages) {
    for (const QString& tag : uiLanguages) {
        const QString language = tag.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
        if (language == QLatin1String("ja") || language == QLatin1String("C") ||
            language == QLatin1String("POSIX")) {
            return Language::Japanese;
        }
        if (language == QLatin1String("en")) return Language::English;
    }
    return uiLanguages.isEmpty() ? Language::Japanese : Language::English;
}

Language UseDesktopLanguage() {
    const QStringList languages = QLocale::system().uiLanguages();
    const Language language = ChooseLanguage(languages);
    const bool japaneseDesktop = language == Language::Japanese && !languages.startsWith(QStringLiteral("C"));
    if (language == Language::English) {
        Install(QStringLiteral("tarvik_en"), TranslationFolders());
        Install(QStringLiteral("qtbase_en"), {QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
    } else if (japaneseDesktop) {
        // The texts are Japanese already; Qt's own buttons and dialogs follow.
        Install(QStringLiteral("qtbase_ja"), {QLibraryInfo::path(QLibraryInfo::TranslationsPath)});
    }
    SetTranslator(&QtTranslate);
    return language;
}

}  // namespace tarvik::i18n
