// Shared by the standard dialog tests: a stand-in for the main window that records what the dialog
// hands it, a parent window, the scripted presenter, and helpers to open the dialog on a record.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QPointer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "device/HID_PnP.h"
#include "device/ProtocolConstants.h"
#include "sim/SimulatedUnit.h"
#include "support/ScriptedPresenter.h"
#include "ui/DialogHost.h"
#include "ui/SettingDialogViewController.h"

namespace tarvik::test {

using Common = std::array<std::uint8_t, NUMBER_OF_COMMON_DATA>;

// Stands in for the main window: records every SettingDialog_OK with the record as it was then.
class StandInHost : public DialogHost {
public:
    struct Call {
        bool settingEnabled;
        std::uint8_t mode;
        Common common;
    };

    void SettingDialog_OK() override;
    HID_PnP& plugNPlay() override;

    std::vector<Call> calls;
    // Runs inside SettingDialog_OK, as the events of a running exchange would.
    std::function<void()> whileSending;

private:
    std::unique_ptr<SimulatedUnit> unit_;
    std::unique_ptr<HID_PnP> link_;
};

class StandardDialogTest : public testing::Test {
public:
    // Puts a record into pedal `pedal` of a unit with `count` pedals and arms the state the main
    // window sets before it opens the dialog.
    void SetRecord(int pedal, std::uint8_t mode, const Common& common, int count = 3);
    // Opens the dialog over `window`, as the main window does.
    QPointer<SettingDialogViewController> Open(bool deleteOnClose = true);
    // Runs pending events, deferred deletions included.
    static void Settle();
    // Waits (events running) until `done` holds; false when it did not within `ms`.
    static bool WaitFor(const std::function<bool()>& done, int ms = 2000);

    template <class T>
    T* Find(const char* name) {
        T* w = dialog_ ? dialog_->findChild<T*>(QString::fromLatin1(name)) : nullptr;
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // Clicks a button as the user would (a disabled button ignores it).
    void Click(const char* name);
    bool IsOn(const char* name) { return Find<QAbstractButton>(name)->isChecked(); }
    bool IsEnabled(const char* name) { return Find<QWidget>(name)->isEnabled(); }
    QString CurrentTabId();
    void ShowTab(const char* id);
    QString Text(const char* name);

    static std::uint8_t Mode(int pedal);
    static Common CommonOf(int pedal);

    QWidget window_;
    ScriptedPresenter presenter_;
    ConsoleCapture console_;
    StandInHost host_;
    QPointer<SettingDialogViewController> dialog_;
};

// A record whose every byte is distinct, so a byte the dialog must not touch is noticed.
inline Common Marked() { return {0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0x1a, 0x1b, 0x1c, 0x1d}; }
// Marked() with the first bytes replaced.
Common MarkedWith(std::initializer_list<std::uint8_t> head);

}  // namespace tarvik::test
