// SPDX-License-Identifier: GPL-3.0-or-later
// One main for every test binary: Qt runs headless, settings go to a temporary folder, and every
// test starts from a fresh device state.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdlib>

#include "model/DeviceState.h"
#include "support/OpenedUrls.h"

namespace {

class FreshState : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override { tarvik::State() = tarvik::DeviceState{}; }
};

}  // namespace

int main(int argc, char** argv) {
    // gtest_discover_tests runs the binaries at build time, where no display exists.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    // The program's kept choices go to a folder of this run, never to the user's settings.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    tarvik::test::CatchOpenedUrls();
    testing::UnitTest::GetInstance()->listeners().Append(new FreshState);
    return RUN_ALL_TESTS();
}
