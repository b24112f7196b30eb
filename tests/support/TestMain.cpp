// SPDX-License-Identifier: GPL-3.0-or-later
// One main for every test binary: Qt runs headless, settings go to a temporary folder, and every
// test starts from a fresh device state.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "i18n/Language.h"
#include "model/DeviceState.h"
#include "support/OpenedUrls.h"
#include "support/TestLanguage.h"

namespace {

class FreshState : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override { tarvik::State() = tarvik::DeviceState{}; }
};

}  // namespace

int main(int argc, char** argv) {
    // gtest_discover_tests runs the binaries at build time, where no display exists.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // A large screen, so the window has the exact pixels of its layout (the small-screen test
    // hands the window its own screen area).
    QTemporaryDir screenDir;
    if (std::string(std::getenv("QT_QPA_PLATFORM")) == "offscreen") {
        const std::string config = screenDir.path().toStdString() + "/screen.json";
        if (FILE* file = std::fopen(config.c_str(), "w")) {
            std::fputs(R"({"screens":[{"name":"large","x":0,"y":0,"width":3840,"height":2160,)"
                       R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})",
                       file);
            std::fclose(file);
            setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).c_str(), 1);
        }
    }
    // The tests' texts are the Japanese source texts (the C locale), whatever the desktop speaks;
    // TARVIK_TEST_LANGUAGE=en runs them once more as an English desktop would.
    const bool english = tarvik::test::EnglishRun();
    setenv("LC_ALL", english ? "C.UTF-8" : "C", 1);
    setenv("LANGUAGE", english ? "en" : "", 1);
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    tarvik::i18n::UseDesktopLanguage();
    // The program's kept choices go to a folder of this run, never to the user's settings.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    tarvik::test::CatchOpenedUrls();
    testing::UnitTest::GetInstance()->listeners().Append(new FreshState);
    return RUN_ALL_TESTS();
}
