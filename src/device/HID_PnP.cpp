// SPDX-License-Identifier: GPL-3.0-or-later
// The connection of HID_PnP: taking a unit, letting it go, and hearing the backend's notifications.
// The exchange itself is in HidExchange.cpp.
#include "device/HID_PnP.h"

#include <algorithm>

#include "model/DeviceState.h"

namespace tarvik {

HID_PnP::HID_PnP(HidBackend& backend, DeviceState& state, QObject* parent)
    : QObject(parent), backend_(backend), state_(state) {
    tick_.setInterval(tickMs_);
    connect(&tick_, &QTimer::timeout, this, &HID_PnP::check_INPUT);

    connect(&backend_, &HidBackend::arrived, this, [this](const QString&) { UnitArrived(); });
    connect(&backend_, &HidBackend::removed, this, &HID_PnP::UnitGone);
    connect(&backend_, &HidBackend::inputReport, this, &HID_PnP::InputArrived);
    connect(&backend_, &HidBackend::writeDone, this, &HID_PnP::WriteFinished);

    NewDeviceDetected();
}

HID_PnP::~HID_PnP() = default;

void HID_PnP::SetTickIntervalMs(int ms) {
    tickMs_ = std::max(1, ms);
    tick_.setInterval(tickMs_);
}

void HID_PnP::NewDeviceDetected() {
    if (HasDevice()) return;  // one unit at a time; a second one waits until the first is gone

    // The first unit that opens is taken. When none does, the most telling reason is kept:
    // a unit that is there but not ours to open points the user to the udev rule.
    OpenResult result = OpenResult::NoUnit;
    QString taken;
    for (const QString& path : backend_.Enumerate()) {
        const OpenResult r = backend_.Open(path);
        if (r == OpenResult::Opened) {
            taken = path;
            result = r;
            break;
        }
        if (result != OpenResult::PermissionDenied) result = r;
    }
    lastOpenResult_ = result;
    if (taken.isEmpty()) {
        DeviceRemoved();
        return;
    }
    myDevice_ = taken;
    ++connectionSerial_;
    auto& s = state_;
    s.DeviceDetected = true;
    s.DeviceDetectedChanged = true;
    emit unitAttached();
}

void HID_PnP::DeviceRemoved() {
    if (HasDevice()) backend_.Close();
    myDevice_.clear();
    auto& s = state_;
    s.DeviceDetected = false;
    s.DeviceDetectedChanged = true;
    if (s.StandardSettingDialogOpen) s.CloseStandardSetting = true;

    // No answer can come any more: the waiting exchange fails now instead of after the time-out.
    if (active_ != nullptr) {
        s.Flag_send = false;
        s.Flag_input = false;
        s.Flag_timeout = true;
        s.Count_timeout = 0;
        Finish(Ending::TimedOut);
    }
    WakeWaits();
    emit unitRemoved();
}

void HID_PnP::UnitArrived() {
    auto& s = state_;
    if (s.flag_MyNewDeviceCallback || HasDevice()) return;
    s.flag_MyNewDeviceCallback = true;
    NewDeviceDetected();
    s.flag_MyNewDeviceCallback = false;
}

void HID_PnP::UnitGone(const QString& device) {
    auto& s = state_;
    if (s.flag_MyRemovalCallback) return;
    if (!HasDevice() || device != myDevice()) return;  // another device: not ours
    s.flag_MyRemovalCallback = true;
    DeviceRemoved();
    s.flag_MyRemovalCallback = false;
}

}  // namespace tarvik
