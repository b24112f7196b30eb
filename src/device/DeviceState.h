// All mutable device state of the program in one aggregate. Every part reads and writes it in place
// through State(); `State() = DeviceState{}` returns everything to its start values.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "device/ProtocolConstants.h"

namespace tarvik {

class HID_PnP;

struct DeviceState {
    std::array<std::uint8_t, REPORT_SIZE> OutputPacketBuffer{};
    std::array<std::uint8_t, REPORT_SIZE> InputPacketBuffer{};

    std::uint8_t VersionNumberMajor = 0;
    std::uint8_t VersionNumberMinor = 0;
    std::uint8_t VersionNumberRevision = 0;
    int NumberOfPedals = 0;
    int SelectedPedalNo = 0;

    std::array<std::uint8_t, NUMBER_OF_PEDALS_MAX> OutputMode{};
    std::array<std::array<std::uint8_t, NUMBER_OF_COMMON_DATA>, NUMBER_OF_PEDALS_MAX> CommonData{};
    std::array<std::array<std::uint8_t, ADDITIONAL_DATA_ONE_PEDAL>, NUMBER_OF_PEDALS_MAX> AdditionalData{};

    bool SettingEnabled = false;
    int DataNo = 0;
    std::string PedalName;

    bool Flag_send = false;
    bool Flag_input = false;
    bool Flag_timeout = false;
    int Count_timeout = 0;

    bool DeviceDetected = false;
    bool DeviceDetectedChanged = false;
    bool InitialState = false;
    bool flag_MyNewDeviceCallback = false;
    bool flag_MyRemovalCallback = false;
    bool StandardSettingDialogOpen = false;
    bool CloseStandardSetting = false;
    bool timer2state = false;

    HID_PnP* selfRef = nullptr;  // not owned: the one connection manager
};

DeviceState& State();

// True when p names one of the pedals the state can hold.
constexpr bool IsPedalIndex(int p) { return p >= 0 && p < NUMBER_OF_PEDALS_MAX; }

}  // namespace tarvik
