// SPDX-License-Identifier: GPL-3.0-or-later
// tarvik-udev-probe: the unit's configuration interface only, and nothing a device could send
// beyond what a descriptor may be.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include "support/FileKinds.h"
#include "udev/DescriptorProbe.h"

namespace tarvik::test {
namespace {

using namespace tarvik::probe;

const QByteArray kVendor = QByteArray::fromHex("0600ff 0901 a101 1500 26ff00 7508 9510 0901 8102 9510 0901 9102 c0");
const QByteArray kKeyboard =
    QByteArray::fromHex("0501 0906 a101 0507 19e0 29e7 1500 2501 7501 9508 8102 0508 1901 2905 9505 9102 c0");

TEST(UdevProbe, OnlyTheVendorPageIsTheConfigurationInterface) {
    QTemporaryDir dir;
    // says: after "<path>: "
    const struct { const char* name; QByteArray bytes; int status; const char* says; } cases[] = {
        {"vendor", kVendor, PROBE_COMMAND_INTERFACE, ""}, {"keyboard", kKeyboard, PROBE_OTHER_INTERFACE, ""},
        {"truncated", kVendor.left(kVendor.size() - 3), PROBE_REFUSED, "malformed report descriptor"},
        // Short items of nothing fill a descriptor up to the kernel's limit, and one byte past it.
        {"largest", kVendor + QByteArray(4096 - kVendor.size(), '\0'), PROBE_COMMAND_INTERFACE, ""},
        {"oversized", kVendor + QByteArray(4097 - kVendor.size(), '\0'), PROBE_REFUSED,
         "report descriptor larger than 4096 bytes"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = WriteFile(dir, c.name, c.bytes);
        const ProbeResult result = ProbeDescriptorFile(QFile::encodeName(path).constData());
        EXPECT_EQ(std::pair(result.status, result.message),
                  std::pair(c.status, *c.says ? (path + ": " + c.says).toStdString() : std::string()));
    }
    EXPECT_EQ(ProbeDescriptorFile(QFile::encodeName(dir.filePath("missing")).constData()).message,
              (dir.filePath("missing") + ": No such file or directory").toStdString());
}

// What udev runs: its exit status is all the rule sees.
TEST(UdevProbe, TheProgramExitsWithTheVerdict) {
    QTemporaryDir dir;
    const struct { QStringList args; int status; QByteArray err; } cases[] = {
        {{WriteFile(dir, "vendor", kVendor)}, 0, ""}, {{WriteFile(dir, "keyboard", kKeyboard)}, 1, ""},
        {{}, 2, "usage: tarvik-udev-probe REPORT-DESCRIPTOR\n"},
    };
    for (const auto& c : cases) {
        QProcess probe;
        probe.start(QStringLiteral(TARVIK_UDEV_PROBE_PATH), c.args);
        ASSERT_TRUE(probe.waitForFinished(10000));
        EXPECT_EQ(std::pair(probe.exitCode(), probe.readAllStandardError()), std::pair(c.status, c.err));
    }
}

}  // namespace
}  // namespace tarvik::test
