// SPDX-License-Identifier: GPL-3.0-or-later
// Two tarvikctl processes on one unit file at once: neither loses the other's write.
#include <gtest/gtest.h>

#include <QProcess>

#include "CtlRunner.h"

namespace tarvik::test {
namespace {

TEST(CtlSharing, TwoWritersAtOnceBothKeepTheirWrite) {
    QTemporaryDir dir;
    const QString unit = WriteFile(dir, "unit.json", ThreePedals());
    const char keys[] = "bcdefghijk";
    for (int round = 0; round < 10; ++round) {
        SCOPED_TRACE(round);
        const QString key(QLatin1Char(keys[round]));
        QProcess first, second;
        first.start(TARVIKCTL_PATH, {"--simulate=" + unit, "set", "0", "key", key});
        second.start(TARVIKCTL_PATH, {"--simulate=" + unit, "set", "2", "key", key});
        ASSERT_TRUE(first.waitForFinished(20000) && second.waitForFinished(20000));
        EXPECT_EQ(first.exitCode(), 0) << first.readAllStandardError().toStdString();
        EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
        const QByteArray code = QByteArray::number(5 + round, 16).rightJustified(2, '0');
        const QByteArray text = ReadFile(unit);
        // Pedal 0, then pedal 2, each with the key of this round.
        const qsizetype pedal0 = text.indexOf("\"common\": \"00 " + code);
        ASSERT_GE(pedal0, 0) << text.toStdString();
        EXPECT_GE(text.indexOf("\"common\": \"00 " + code, pedal0 + 1), 0) << text.toStdString();
    }
}

}  // namespace
}  // namespace tarvik::test
