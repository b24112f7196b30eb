// SPDX-License-Identifier: GPL-3.0-or-later
// The program's shell: its command line, parsed before any display is needed (Qt's own options pass,
// ours are checked, and a unit file is read); and what ties it to the desktop: its desktop entry name,
// its icon, and the quick start guide it opens in the browser.
#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "app/CommandLine.h"
#include "app/DesktopIdentity.h"
#include "app/QuickStartGuide.h"
#include "support/FileKinds.h"
#include "support/OpenedUrls.h"

namespace tarvik {
namespace {

TEST(CommandLine, QtOptionsAreSetAsideWithTheirValues) {
    const struct { QStringList in; QStringList out; } cases[] = {
        {{"p", "-platform", "offscreen", "--simulate"}, {"p", "--simulate"}},
        {{"p", "--platform", "xcb"}, {"p"}}, {{"p", "-style=fusion", "-style", "windows", "-reverse"}, {"p"}},
        {{"p", "-qwindowtitle", "--simulate", "-display", ":1"}, {"p"}},  // a value is a value
        {{"p", "-platform=offscreen"}, {"p", "-platform=offscreen"}},   // Qt takes no '=' there
        {{"-platform", "x"}, {"-platform", "x"}},                        // the program name stays
        {{"p", "--bogus", "extra", "-v"}, {"p", "--bogus", "extra", "-v"}}, {{"p", "-platform"}, {"p"}},
    };
    for (const auto& c : cases) EXPECT_EQ(WithoutQtOptions(c.in), c.out) << c.in.join(' ').toStdString();
}

TEST(CommandLine, ParsesOursAndReadsTheUnitFile) {
    QTemporaryDir dir;
    const QString good = test::WriteFile(dir, "good.json", R"({"firmware": [2, 0, 1], "pedals": [{"mode": 1,
        "common": "02 00 00 00 00 00 00 00 00 00 00 00 00"}]})");
    const QString bad = test::WriteFile(dir, "bad.json", R"({"pedals": [{"mode": 1, "common": "02 00"}]})");
    // The plain refusals and --version go through the built program (tests/cli's refusal and help
    // tables). status -1: the program goes on, simulating or not.
    const struct { QStringList arguments; int status; bool simulate; } cases[] = {
        {{"tarvik-config"}, -1, false}, {{"tarvik-config", "--simulate"}, -1, true},
        {{"tarvik-config", "-platform", "offscreen", "--simulate=" + good}, -1, true},
        {{"tarvik-config", "--simulate=" + bad}, 2, false}, {{"tarvik-config", "--simulate="}, 2, false},
        {{"tarvik-config", "--bogus", "--help"}, 2, false},  // a usage error wins over help
    };
    for (const auto& c : cases) {
        StartOptions parsed;
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        EXPECT_EQ(ParseCommandLine(c.arguments, parsed), c.status);
        if (c.status == -1) {
            EXPECT_EQ(parsed.simulate, c.simulate);
        }
    }
    StartOptions fromFile;
    ASSERT_EQ(ParseCommandLine({"tarvik-config", "--simulate=" + good}, fromFile), -1);
    EXPECT_EQ(fromFile.unitFile, good);
    EXPECT_EQ(fromFile.unitImage.pedals.size(), 1u);
}

TEST(Desktop, NamesItsDesktopEntryAndCarriesItsIcon) {
    ApplyDesktopIdentity();
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("jp.oremba.TarvikConfig"));
    // Built in: no installed theme is needed, and Qt without SVG support still has pictures.
    const QIcon icon = QGuiApplication::windowIcon();
    ASSERT_FALSE(icon.isNull());
    for (const int size : {16, 32, 48, 256}) EXPECT_EQ(icon.pixmap(size, size).size(), QSize(size, size)) << size;
}

TEST(Desktop, GuideIsTheFirstCopyThatExists) {
    QTemporaryDir dir;
    const QString missing = dir.filePath("share/tarvik-config/quickstart.html");
    const QString present = dir.filePath("quickstart.html");
    QFile(present).open(QIODevice::WriteOnly);
    EXPECT_EQ(QuickStartGuideAddress({missing, present}), QUrl::fromLocalFile(present).toString());
    EXPECT_EQ(QuickStartGuideAddress({missing}), QUrl::fromLocalFile(missing).toString());

    test::ClearOpenedUrls();
    EXPECT_FALSE(OpenQuickStartGuide({missing}));
    EXPECT_TRUE(test::OpenedUrls().isEmpty());  // nothing to show: the browser is not bothered
    EXPECT_TRUE(OpenQuickStartGuide({missing, present}));
    EXPECT_EQ(test::OpenedUrls(), QList<QUrl>{QUrl::fromLocalFile(present)});

    // The program's own list: beside the program, then installed, then the source tree (which a
    // test run from the build folder finds); not under share/doc, which minimal installs may strip.
    const QStringList candidates = QuickStartGuideCandidates();
    ASSERT_GE(candidates.size(), 3);
    EXPECT_TRUE(candidates.contains(QStringLiteral("/usr/share/tarvik-config/quickstart.html")));
    EXPECT_TRUE(candidates.last().endsWith(QStringLiteral("/docs/quickstart.html")));
    for (const QString& path : candidates) EXPECT_FALSE(path.contains(QStringLiteral("/share/doc/"))) << path.toStdString();
}

}  // namespace
}  // namespace tarvik
