// SPDX-License-Identifier: GPL-3.0-or-later
// All mutable device state of the program in one aggregate. The application (or a CLI session)
// owns the one instance and makes it reachable through State(); functions are handed the state they
// read or write. `State() = DeviceState{}` returns everything to its start values.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/PedalRecord.h"
#include "model/ProtocolConstants.h"

namespace tarvik {

struct DeviceState {
    std::array<std::uint8_t, REPORT_SIZE> OutputPacketBuffer{};
    std::array<std::uint8_t, REPORT_SIZE> InputPacketBuffer{};

    std::uint8_t VersionNumberMajor = 0;
    std::uint8_t VersionNumberMinor = 0;
    std::uint8_t VersionNumberRevision = 0;
    int NumberOfPedals = 0;
    int SelectedPedalNo = 0;

    std::array<std::uint8_t, NUMBER_OF_PEDALS_MAX> OutputMode{};
    std::array<CommonRecord, NUMBER_OF_PEDALS_MAX> CommonData{};
    std::array<AdditionalRecord, NUMBER_OF_PEDALS_MAX> AdditionalData{};

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
};

// The state of the running program: the instance its owner handed over, or, in code that has no
// owner (tests of one part, tools), one kept for the whole process.
DeviceState& State();

// The application or the CLI session makes its DeviceState the one State() reaches, for as long
// as the scope lives; the one reached before comes back afterwards.
class StateScope {
public:
    explicit StateScope(DeviceState& state);
    ~StateScope();
    StateScope(const StateScope&) = delete;
    StateScope& operator=(const StateScope&) = delete;

private:
    DeviceState* previous_;
};

// True when p names one of the pedals the state can hold.
constexpr bool IsPedalIndex(int p) { return p >= 0 && p < NUMBER_OF_PEDALS_MAX; }

}  // namespace tarvik
