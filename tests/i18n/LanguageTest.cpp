// SPDX-License-Identifier: GPL-3.0-or-later
// Which language the desktop's list of languages chooses, and what the model says in English once
// the English translation is loaded.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>

#include "i18n/Language.h"
#include "model/DeviceState.h"
#include "model/KeyTable.h"
#include "model/PedalContents.h"
#include "model/PedalNames.h"
#include "model/Texts.h"
#include "model/Translate.h"

namespace {

using tarvik::i18n::Language;

TEST(Language, FollowsTheFirstOfJapaneseAndEnglishInTheUsersList) {
    const struct {
        QStringList languages;
        Language expected;
    } cases[] = {
        {{"C"}, Language::Japanese},
        {{"POSIX"}, Language::Japanese},
        {{}, Language::Japanese},
        {{"ja-JP", "ja-Jpan-JP", "ja"}, Language::Japanese},
        {{"en-US", "en-Latn-US", "en"}, Language::English},
        {{"en-GB"}, Language::English},
        {{"en", "ja"}, Language::English},
        {{"de", "ja-JP", "en"}, Language::Japanese},
        {{"de-DE", "en-US", "ja"}, Language::English},
        {{"fr-FR"}, Language::English},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(tarvik::i18n::ChooseLanguage(c.languages), c.expected)
            << c.languages.join(',').toStdString();
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

TEST_F(EnglishModel, KeyNamesUseTheWordsOfLinuxKeyboards) {
    EXPECT_EQ(tarvik::GetKeyName(42), "Backspace");
    EXPECT_EQ(tarvik::GetKeyName(73), "Insert");
    EXPECT_EQ(tarvik::GetKeyName(83), "Num Lock");
    EXPECT_EQ(tarvik::GetKeyName(4), "a");
    EXPECT_EQ(tarvik::GetKeyExplanation(4), "Shift plus this key: capital A");
    EXPECT_EQ(tarvik::GetModifierName(0x8C), "Left Alt+Left Super+Right Super");
}

TEST_F(EnglishModel, DescriptionsPedalNamesAndTextsAreEnglish) {
    tarvik::DeviceState state;
    state.OutputMode[1] = tarvik::SIMPLE_KEY_OUTPUT;
    state.CommonData[1][0] = 0x04;  // left Alt
    state.CommonData[1][1] = 42;
    EXPECT_EQ(tarvik::PedalContentsText(state, 1),
              "[Function] Key output\r\n[Key] Backspace\r\n[Modifiers] Left Alt");
    EXPECT_EQ(tarvik::DisplayedPedalName(tarvik::DefaultPedalName(1)), "Left pedal");
    EXPECT_EQ(tarvik::DefaultPedalName(1), "左ペダル");  // the command line's name stays
    EXPECT_EQ(tarvik::text::Tr(tarvik::text::WriteButton), "Write to the Tarvik");
}

}  // namespace
