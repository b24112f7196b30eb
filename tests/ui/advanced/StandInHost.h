// What the advanced dialog needs of a main window, over a simulated unit: the connection manager
// and a SettingDialog_OK that counts its calls. Whether OK sends is the real main window's part,
// tested in AdvancedFromMainWindowTest.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLineEdit>
#include <functional>
#include <memory>

#include "model/DeviceState.h"
#include "device/HID_PnP.h"
#include "sim/SimulatedUnit.h"
#include "ui/AdvancedSettingDialogViewController.h"
#include "ui/DialogHost.h"

namespace tarvik::test {

class StandInHost : public DialogHost {
public:
    StandInHost() : link(unit) { link.SetTickIntervalMs(1); }  // a silent unit times out in 30 ms
    void SettingDialog_OK() override {
        ++okCalls;
        if (whileOk) whileOk();
    }
    HID_PnP& plugNPlay() override { return link; }

    SimulatedUnit unit;
    HID_PnP link;
    int okCalls = 0;
    std::function<void()> whileOk;
};

using Common = std::array<std::uint8_t, NUMBER_OF_COMMON_DATA>;
using Dialog = std::unique_ptr<AdvancedSettingDialogViewController>;

// Gives pedal `pedal` the record and opens the dialog for it as the main window would.
inline Dialog OpenDialog(StandInHost& host, int pedal, int mode = SIMPLE_KEY_OUTPUT, const Common& common = {}) {
    State().SelectedPedalNo = pedal;
    State().OutputMode[static_cast<std::size_t>(pedal)] = static_cast<std::uint8_t>(mode);
    State().CommonData[static_cast<std::size_t>(pedal)] = common;
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

inline std::string Text(QWidget& dialog, const char* name) {
    auto* box = Find<QLineEdit>(dialog, name);
    return box ? box->text().toStdString() : std::string();
}

// Types `text` into a number box and leaves it, as a user would.
inline void Type(QWidget& dialog, const char* name, const char* text) {
    if (auto* box = Find<QLineEdit>(dialog, name)) {
        box->setText(QString::fromUtf8(text));
        emit box->editingFinished();
    }
}

}  // namespace tarvik::test
