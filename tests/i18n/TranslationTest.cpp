// SPDX-License-Identifier: GPL-3.0-or-later
// The English translation. Its file: every source text translated and finished, in English letters,
// with the placeholders of its source; run on the file in the repository and on a copy that lupdate
// has just brought up to date with the sources, so a new text without translation fails. Which
// language the desktop's list of languages chooses, and what the model says in English.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>
#include <QXmlStreamReader>
#include <cstdlib>
#include <vector>

#include "i18n/Language.h"
#include "model/DeviceState.h"
#include "model/KeyTable.h"
#include "model/PedalContents.h"
#include "model/PedalNames.h"
#include "model/Texts.h"
#include "model/Translate.h"
#include "support/TestLanguage.h"

namespace {

using tarvik::i18n::Language;

// type: "unfinished", "vanished", "obsolete" or empty (finished).
struct Message { QString context, source, translation, type; };

QString TsPath() {
    const char* fromEnv = std::getenv("TARVIK_TS_FILE");
    return QString::fromLocal8Bit(fromEnv != nullptr && fromEnv[0] != '\0' ? fromEnv : TARVIK_TS_FILE);
}

std::vector<Message> ReadMessages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    std::vector<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            messages.push_back({context, {}, {}, {}});
        } else if (name == QLatin1String("source") && !messages.empty()) {
            messages.back().source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (name == QLatin1String("translation") && !messages.empty()) {
            messages.back().type = xml.attributes().value(QLatin1String("type")).toString();
            messages.back().translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return messages;
}

QSet<QString> Placeholders(const QString& text) {
    QSet<QString> found;
    static const QRegularExpression kPlaceholder(QStringLiteral("%[1-9]"));
    for (const auto& m : kPlaceholder.globalMatch(text)) found.insert(m.captured());
    return found;
}

TEST(TranslationFile, EveryTextIsTranslatedInEnglishWithItsPlaceholders) {
    const std::vector<Message> messages = ReadMessages(TsPath());
    ASSERT_GT(messages.size(), 400u) << TsPath().toStdString();
    for (const Message& m : messages) {
        SCOPED_TRACE((m.context + QStringLiteral(": ") + m.source).toStdString());
        EXPECT_EQ(m.type, QString());
        EXPECT_FALSE(m.translation.isEmpty());
        EXPECT_FALSE(tarvik::test::HasJapanese(m.translation)) << m.translation.toStdString();
        EXPECT_EQ(Placeholders(m.translation), Placeholders(m.source));
    }
}

TEST(Language, FollowsTheFirstOfJapaneseAndEnglishInTheUsersList) {
    const struct { QStringList languages; Language expected; } cases[] = {
        {{"C"}, Language::Japanese}, {{"POSIX"}, Language::Japanese}, {{}, Language::Japanese},
        {{"ja-JP", "ja-Jpan-JP", "ja"}, Language::Japanese}, {{"en-US", "en-Latn-US", "en"}, Language::English},
        {{"en-GB"}, Language::English}, {{"en", "ja"}, Language::English}, {{"de", "ja-JP", "en"}, Language::Japanese},
        {{"de-DE", "en-US", "ja"}, Language::English}, {{"fr-FR"}, Language::English},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(tarvik::i18n::ChooseLanguage(c.languages), c.expected) << c.languages.join(',').toStdString();
    }
}

class EnglishModel : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(translator_.load(QStringLiteral("tarvik_en"), QStringLiteral(TARVIK_QM_DIR)));
        QCoreApplication::installTranslator(&translator_);
        tarvik::i18n::SetTranslator([](const char* context, const char* source) {
            return QCoreApplication::translate(context, source).toStdString();
        });
    }
    void TearDown() override {
        tarvik::i18n::SetTranslator(nullptr);
        QCoreApplication::removeTranslator(&translator_);
    }
    QTranslator translator_;
};

TEST_F(EnglishModel, KeyNamesDescriptionsPedalNamesAndTextsAreEnglish) {
    // Key names in the words of Linux keyboards.
    for (const auto& [usage, name] : {std::pair{42, "Backspace"}, {73, "Insert"}, {83, "Num Lock"}, {4, "a"}})
        EXPECT_EQ(tarvik::GetKeyName(usage), name);
    EXPECT_EQ(tarvik::GetKeyExplanation(4), "Shift plus this key: capital A");
    EXPECT_EQ(tarvik::GetModifierName(0x8C), "Left Alt+Left Super+Right Super");
    tarvik::DeviceState state;
    state.OutputMode[1] = tarvik::SIMPLE_KEY_OUTPUT;
    state.CommonData[1][0] = 0x04;  // left Alt
    state.CommonData[1][1] = 42;
    EXPECT_EQ(tarvik::PedalContentsText(state, 1), "[Function] Key output\r\n[Key] Backspace\r\n[Modifiers] Left Alt");
    EXPECT_EQ(tarvik::DisplayedPedalName(tarvik::DefaultPedalName(1)), "Left pedal");
    EXPECT_EQ(tarvik::DefaultPedalName(1), "左ペダル");  // the command line's name stays
    EXPECT_EQ(tarvik::text::Tr(tarvik::text::WriteButton), "Write to the Tarvik");
}

}  // namespace
