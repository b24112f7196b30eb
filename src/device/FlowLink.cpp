// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/FlowLink.h"

#include "device/HID_PnP.h"
#include "device/Reports.h"

namespace tarvik {

FlowLink::FlowLink(HID_PnP& link, DeviceState& state)
    : link_(link), state_(state), serial_(link.ConnectionSerial()) {}

bool FlowLink::SameUnit() const { return link_.HasDevice() && link_.ConnectionSerial() == serial_; }

ExchangeEnding FlowLink::Exchange(int command) {
    if (!SameUnit()) return ExchangeEnding::NoUnit;
    const ExchangeEnding ending =
        link_.Exchange(static_cast<std::uint8_t>(command), state_.OutputPacketBuffer, state_.InputPacketBuffer);
    if (ending == ExchangeEnding::Answered && !SameUnit()) return ExchangeEnding::NoUnit;
    return ending;
}

ExchangeEnding ReadPedal(FlowLink& unit, int pedal, PedalRecordCopy& record) {
    DeviceState& s = unit.State();
    const Report& in = s.InputPacketBuffer;
    FillGetOutputModeAndData(s.OutputPacketBuffer, pedal);
    if (const ExchangeEnding e = unit.Exchange(GET_OUTPUT_MODE_AND_DATA); Failed(e)) return e;
    TakeModeAndCommon(in, record.mode, record.common);
    if (record.mode != PLURAL_SIMULTANEOUS_KEY_OUTPUT) return ExchangeEnding::Answered;
    for (int block = 0; block < ADDITIONAL_DATA_BLOCKS; ++block) {
        FillGetAdditionalData(s.OutputPacketBuffer, pedal, block);
        if (const ExchangeEnding e = unit.Exchange(GET_ADDITIONAL_DATA); Failed(e)) return e;
        TakeAdditionalBlock(in, block, record.additional);
    }
    return ExchangeEnding::Answered;
}

}  // namespace tarvik
