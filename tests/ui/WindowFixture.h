// SPDX-License-Identifier: GPL-3.0-or-later
// A main window over a simulated unit, with the scripted presenter answering its boxes and the
// console captured; the event loop is run by waiting.
#pragma once

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <memory>
#include <optional>
#include <string>

#include "app/AppDelegate.h"
#include "app/CommandLine.h"
#include "app/MenuClass.h"
#include "device/HID_PnP.h"
#include "model/DeviceState.h"
#include "sim/SimulatedUnit.h"
#include "support/Builders.h"
#include "support/ScriptedPresenter.h"
#include "support/TestLanguage.h"
#include "support/Widgets.h"
#include "ui/MainWindowViewController.h"
#include "ui/SettingDialogViewController.h"

namespace tarvik::test {

inline const char* const kNoUnitExplanation =
    Lang("Tarvikを接続して下さい。Tarvikは自動的に認識されます。\n"
         "Tarvikの設定を行わない場合、このプログラムを終了して下さい。",
         "Please connect the Tarvik. It is recognised automatically.\n"
         "If you do not want to set up the Tarvik, please quit this program.");
inline const char* const kConnectedExplanation =
    Lang("Tarvikの現在の設定が下に表示されています。\n"
         "設定を変更する場合、設定したいペダルに対応するボタンをクリックしてTarvikの出力を設定して下さい。",
         "The current settings of the Tarvik are shown below.\n"
         "To change a setting, click the button of the pedal you want to set and set the output of the Tarvik.");

inline const char* const kConfirmReset =
    Lang("このTarvikの設定を工場出荷状態に戻します．よろしいですか？\r\n"
         "工場出荷状態に戻す場合は [OK]，何も行わない場合は [キャンセル] をクリックして下さい．",
         "This returns the settings of this Tarvik to the factory state. Are you sure?\r\n"
         "Click [OK] to return to the factory state, or [Cancel] to do nothing.");

inline const char* const kOutOfStandard =
    Lang("このペダルに設定されている内容は，標準設定の範囲を超えています．\r\n"
         "標準の範囲で設定を行う場合は [OK]，何も行わずにメインウィンドウに戻る場合は [キャンセル] をクリックして下さい．",
         "The setting of this pedal is beyond the standard setting.\r\n"
         "Click [OK] to set it within the standard, or [Cancel] to go back to the main window without doing anything.");

class WindowTest : public testing::Test {
protected:
    // Builds the window over `image` from a fresh state; plugged in, the unit is read at once.
    void Start(UnitImage image, bool plugged = true) {
        window.reset();
        link.reset();
        unit.reset();
        state = DeviceState{};
        presenter.Clear();
        exitStatus.reset();
        unit = std::make_unique<SimulatedUnit>(std::move(image));
        if (!plugged) unit->Unplug();
        link = std::make_unique<HID_PnP>(*unit, state);
        window = std::make_unique<MainWindowViewController>(state, *link);
        window->SetExitHandler([this](int status) { exitStatus = status; });
        window->plugNPlay().SetTickIntervalMs(5);  // a time-out takes 150 ms, not 3 s
        QObject::connect(window.get(), &MainWindowViewController::unitRead, [this](bool shown) {
            ++reads;
            lastReadShown = shown;
        });
        window->show();
    }
    // True when the attach read that ends showed the unit.
    bool ReadEnds() {
        const int before = reads;
        EXPECT_TRUE(QTest::qWaitFor([&] { return reads > before; }, 3000)) << "the attach read never ended";
        return lastReadShown;
    }
    qsizetype SentDuring(int ms) {
        const auto before = unit->Transcript().size();
        QTest::qWait(ms);
        return unit->Transcript().size() - before;
    }
    // Clicks pedal `p`'s standard button; the dialog it opened, if it is still open.
    SettingDialogViewController* OpenStandard(int p) {
        Click(*window, Id("buttonSetPedal", p, "Standard"));
        for (auto* dialog : window->findChildren<SettingDialogViewController*>())
            if (dialog->isVisible()) return dialog;
        return nullptr;
    }

    // Pedal p's control of a kind: W("labelPedal", 2, "Name") is labelPedal2Name.
    static std::string Id(const char* kind, int p, const char* role) { return kind + std::to_string(p) + role; }
    QWidget* W(const char* kind, int p, const char* role) const { return Find(*window, Id(kind, p, role)); }
    std::string PedalText(int p) const { return Text(*window, Id("textboxPedal", p, "Contents")); }
    std::string Explanation() const { return Text(*window, "labelMainWindowExplanation"); }
    QPushButton* Standard(int p) const { return Find<QPushButton>(*window, Id("buttonSetPedal", p, "Standard")); }

    // A width of the design: exact with the Japanese titles; the longer English ones may grow the
    // whole layout (LayoutTest pins how).
    static void ExpectWidth(int width, int design) { EXPECT_EQ(width, EnglishRun() ? std::max(width, design) : design); }

    // The look without a unit: nothing shown, nothing usable (its columns and names are LayoutTest's).
    void ExpectNoUnitLook() const {
        EXPECT_EQ(Explanation(), kNoUnitExplanation);
        for (int p = 0; p < 5; ++p) {
            EXPECT_EQ(PedalText(p), "") << p;
            EXPECT_FALSE(W("textboxPedal", p, "Contents")->isVisible() || W("labelPedal", p, "Name")->isEnabled() ||
                         Standard(p)->isEnabled() || W("buttonSetPedal", p, "Advanced")->isEnabled()) << p;
        }
    }

    // The window's state is the one State() reaches, as in the program.
    DeviceState state;
    StateScope scope{state};
    ScriptedPresenter presenter;
    ConsoleCapture console;
    std::unique_ptr<SimulatedUnit> unit;
    std::unique_ptr<HID_PnP> link;
    std::unique_ptr<MainWindowViewController> window;
    std::optional<int> exitStatus;
    int reads = 0;
    bool lastReadShown = false;
};

// The program as main() builds it, from its command line; the window's file dialog answers askedFile.
class AppTest : public WindowTest {
protected:
    void StartApp(const QStringList& arguments) {
        ASSERT_EQ(ParseCommandLine(arguments, options), -1);
        app = std::make_unique<AppDelegate>(options);
        SetAlertPresenter(&presenter);  // the delegate installs the message boxes
        MainWindowViewController& w = app->Window();
        w.plugNPlay().SetTickIntervalMs(5);
        w.SetLockWaitMs(50);
        w.SetFileAsker([this](bool) { return askedFile; });
        app->Menu().SetExitHandler([this](int status) { exitStatus = status; });
        QObject::connect(&w, &MainWindowViewController::unitRead, [this](bool) { ++reads; });
        w.show();
    }
    void TearDown() override { app.reset(); }

    StartOptions options;
    std::unique_ptr<AppDelegate> app;
    QString askedFile;
};

}  // namespace tarvik::test
