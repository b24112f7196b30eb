// SPDX-License-Identifier: GPL-3.0-or-later
// The exchanges of a flow that belongs to one attached unit, and the read of one pedal that the
// attach read and the write's read-back share.
#pragma once

#include <cstdint>

#include "device/ExchangeEnding.h"
#include "model/DeviceState.h"

namespace tarvik {

class HID_PnP;

// An exchange fails as well when the unit went away or another took its place while it waited, so
// nothing of a different unit gets mixed in. The reports go through the state's packet buffers.
class FlowLink {
public:
    FlowLink(HID_PnP& link, DeviceState& state);
    bool SameUnit() const;
    ExchangeEnding Exchange(int command);
    DeviceState& State() { return state_; }

private:
    HID_PnP& link_;
    DeviceState& state_;
    const int serial_;
};

// One pedal's record as the unit holds it.
struct PedalRecordCopy {
    std::uint8_t mode = 0;
    CommonRecord common{};
    AdditionalRecord additional{};
};

// Asks for pedal `pedal`'s mode and common data, and in the multi-chord mode for its additional
// data block by block, into `record` (whose additional data is kept in the other modes). Stores
// nothing in the state; Answered only when every exchange was.
ExchangeEnding ReadPedal(FlowLink& unit, int pedal, PedalRecordCopy& record);

inline bool Failed(ExchangeEnding ending) { return ending != ExchangeEnding::Answered; }

}  // namespace tarvik
