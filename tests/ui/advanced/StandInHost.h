// What the advanced dialog needs of a main window, over a simulated unit: the connection manager
// and a SettingDialog_OK that, like the main window's, sends only while SettingEnabled is set.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QWidget>
#include <functional>
#include <memory>

#include "device/DeviceState.h"
#include "device/HID_PnP.h"
#include "device/UnitFlows.h"
#include "sim/SimulatedUnit.h"
#include "ui/AdvancedSettingDialogViewController.h"
#include "ui/DialogHost.h"

namespace tarvik::test {

class StandInHost : public DialogHost {
public:
    explicit StandInHost(UnitImage image = DefaultUnitImage()) : unit(std::move(image)), link(unit) {
        link.SetTickIntervalMs(1);  // a silent unit times out in 30 ms
    }

    void SettingDialog_OK() override {
        ++okCalls;
        if (whileOk) whileOk();
        if (!State().SettingEnabled) return;
        sendFailed = WriteSelectedPedal(link);
    }
    HID_PnP& plugNPlay() override { return link; }

    SimulatedUnit unit;
    HID_PnP link;
    int okCalls = 0;
    bool sendFailed = false;
    std::function<void()> whileOk;
};

// Opens the dialog for pedal `pedal` as the main window would.
inline std::unique_ptr<AdvancedSettingDialogViewController> OpenDialog(StandInHost& host, int pedal = 0) {
    State().SelectedPedalNo = pedal;
    return std::make_unique<AdvancedSettingDialogViewController>(host, nullptr);
}

template <typename T>
T* Find(QWidget& dialog, const char* name) {
    T* widget = dialog.findChild<T*>(QString::fromLatin1(name));
    if (!widget) ADD_FAILURE() << "no control named " << name;
    return widget;
}

inline void Click(QWidget& dialog, const char* name) {
    if (auto* button = Find<QAbstractButton>(dialog, name)) button->click();
}

inline bool Checked(QWidget& dialog, const char* name) {
    auto* button = Find<QAbstractButton>(dialog, name);
    return button && button->isChecked();
}

inline bool Enabled(QWidget& dialog, const char* name) {
    auto* widget = Find<QWidget>(dialog, name);
    return widget && widget->isEnabled();
}

using Common = std::array<std::uint8_t, NUMBER_OF_COMMON_DATA>;

inline void SetRecord(int pedal, int mode, const Common& common) {
    State().OutputMode[static_cast<std::size_t>(pedal)] = static_cast<std::uint8_t>(mode);
    State().CommonData[static_cast<std::size_t>(pedal)] = common;
}

}  // namespace tarvik::test
