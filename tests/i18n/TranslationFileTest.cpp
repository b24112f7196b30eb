// SPDX-License-Identifier: GPL-3.0-or-later
// The English translation file: every source text translated and finished, in English letters,
// with the placeholders of its source. Run on the file in the repository and on a copy that
// lupdate has just brought up to date with the sources, so a new text without translation fails.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include <cstdlib>
#include <vector>

#include "support/TestLanguage.h"

namespace {

struct Message {
    QString context;
    QString source;
    QString translation;
    QString type;  // "unfinished", "vanished", "obsolete" or empty (finished)
};

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

std::string Where(const Message& m) {
    return (m.context + QStringLiteral(": ") + m.source).toStdString();
}

TEST(TranslationFile, EveryTextIsTranslatedInEnglishWithItsPlaceholders) {
    const std::vector<Message> messages = ReadMessages(TsPath());
    ASSERT_GT(messages.size(), 400u) << TsPath().toStdString();
    for (const Message& m : messages) {
        EXPECT_EQ(m.type, QString()) << Where(m);
        EXPECT_FALSE(m.translation.isEmpty()) << Where(m);
        EXPECT_FALSE(tarvik::test::HasJapanese(m.translation)) << Where(m) << " -> " << m.translation.toStdString();
        EXPECT_EQ(Placeholders(m.translation), Placeholders(m.source)) << Where(m);
    }
}

}  // namespace
