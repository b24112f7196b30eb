// SPDX-License-Identifier: GPL-3.0-or-later
// What ties the running program to the desktop: its desktop entry name, its icon, and the quick
// start guide it opens in the browser.
#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "app/DesktopIdentity.h"
#include "app/QuickStartGuide.h"
#include "support/OpenedUrls.h"

namespace tarvik {
namespace {

TEST(Desktop, NamesItsDesktopEntryAndCarriesItsIcon) {
    ApplyDesktopIdentity();
    EXPECT_EQ(QGuiApplication::desktopFileName(), QStringLiteral("jp.oremba.TarvikConfig"));
    // Built in: no installed theme is needed, and Qt without SVG support still has pictures.
    const QIcon icon = QGuiApplication::windowIcon();
    ASSERT_FALSE(icon.isNull());
    for (const int size : {16, 32, 48, 256}) {
        EXPECT_EQ(icon.pixmap(size, size).size(), QSize(size, size)) << size;
    }
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
    // test run from the build folder finds).
    const QStringList candidates = QuickStartGuideCandidates();
    ASSERT_GE(candidates.size(), 3);
    EXPECT_TRUE(candidates.contains(QStringLiteral("/usr/share/tarvik-config/quickstart.html")));
    EXPECT_TRUE(candidates.last().endsWith(QStringLiteral("/docs/quickstart.html")));
    // Not under share/doc, which minimal installs may strip.
    for (const QString& path : candidates) {
        EXPECT_FALSE(path.contains(QStringLiteral("/share/doc/"))) << path.toStdString();
    }
}

}  // namespace
}  // namespace tarvik
