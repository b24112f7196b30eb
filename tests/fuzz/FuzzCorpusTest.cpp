// SPDX-License-Identifier: GPL-3.0-or-later
// Every committed fuzz input, through the same entry points the fuzzers use: the corpus is a
// regression test in every build, not only where clang fuzzes.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "FuzzEntries.h"

namespace tarvik::fuzz {
namespace {

TEST(FuzzCorpus, EveryInputPassesItsEntryPoint) {
    // Each name is also its corpus folder's and its fuzzer's (fuzz_<name>).
    const struct {
        const char* name;
        Entry entry;
    } targets[] = {{"unit_file", &UnitFile}, {"answers", &Answers}, {"cli_arguments", &CliArguments},
                   {"report_descriptor", &ReportDescriptor}};
    for (const auto& target : targets) {
        const QDir folder(QStringLiteral(TARVIK_FUZZ_CORPUS "/") + QString::fromLatin1(target.name));
        const QStringList inputs = folder.entryList(QDir::Files, QDir::Name);
        EXPECT_GE(inputs.size(), 3) << target.name << ": too few seeds in " << folder.path().toStdString();
        for (const QString& name : inputs) {
            QFile file(folder.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
            const QByteArray bytes = file.readAll();
            EXPECT_EQ(target.entry(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                   static_cast<std::size_t>(bytes.size())),
                      "")
                << target.name << "/" << name.toStdString();
        }
    }
}

}  // namespace
}  // namespace tarvik::fuzz
