// SPDX-License-Identifier: GPL-3.0-or-later
// tarvik-config's command line, parsed before any display is needed: Qt's own options pass, ours
// are checked, and a unit file is read.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "app/CommandLine.h"
#include "support/FileKinds.h"

namespace tarvik {
namespace {

using test::WriteFile;

TEST(CommandLine, QtOptionsAreSetAsideWithTheirValues) {
    const struct { QStringList in; QStringList out; } cases[] = {
        {{"p", "-platform", "offscreen", "--simulate"}, {"p", "--simulate"}},
        {{"p", "--platform", "xcb"}, {"p"}},
        {{"p", "-style=fusion", "-style", "windows", "-reverse"}, {"p"}},
        {{"p", "-qwindowtitle", "--simulate", "-display", ":1"}, {"p"}},  // a value is a value
        {{"p", "-platform"}, {"p"}},
        {{"p", "-platform=offscreen"}, {"p", "-platform=offscreen"}},   // Qt takes no '=' there
        {{"-platform", "x"}, {"-platform", "x"}},                        // the program name stays
        {{"p", "--bogus", "extra", "-v"}, {"p", "--bogus", "extra", "-v"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WithoutQtOptions(c.in), c.out) << c.in.join(' ').toStdString();
    }
}

TEST(CommandLine, ParsesOursAndReadsTheUnitFile) {
    QTemporaryDir dir;
    const QString good = WriteFile(dir, "good.json", R"({"firmware": [2, 0, 1], "pedals": [{"mode": 1,
        "common": "02 00 00 00 00 00 00 00 00 00 00 00 00"}]})");
    const QString bad = WriteFile(dir, "bad.json", R"({"pedals": [{"mode": 1, "common": "02 00"}]})");

    // The plain refusals and --version go through the built program (tests/cli's refusal and help tables).
    const struct {
        QStringList arguments;
        int status;  // -1: the program goes on
        bool simulate;  // when it goes on
    } cases[] = {
        {{"tarvik-config"}, -1, false},
        {{"tarvik-config", "--simulate"}, -1, true},
        {{"tarvik-config", "-platform", "offscreen", "--simulate=" + good}, -1, true},
        {{"tarvik-config", "--simulate=" + bad}, 2, false},
        {{"tarvik-config", "--simulate="}, 2, false},
        {{"tarvik-config", "--bogus", "--help"}, 2, false},  // a usage error wins over help
    };
    for (const auto& c : cases) {
        StartOptions parsed;
        EXPECT_EQ(ParseCommandLine(c.arguments, parsed), c.status) << c.arguments.join(' ').toStdString();
        if (c.status == -1) {
            EXPECT_EQ(parsed.simulate, c.simulate) << c.arguments.join(' ').toStdString();
        }
    }
    StartOptions fromFile;
    ASSERT_EQ(ParseCommandLine({"tarvik-config", "--simulate=" + good}, fromFile), -1);
    EXPECT_EQ(fromFile.unitFile, good);
    EXPECT_EQ(fromFile.unitImage.pedals.size(), 1u);
}

}  // namespace
}  // namespace tarvik
