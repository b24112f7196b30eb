// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/WriteFlow.h"

#include "device/FlowLink.h"
#include "device/HID_PnP.h"
#include "device/Reports.h"
#include "model/ModeEncoders.h"

namespace tarvik {

ExchangeEnding SendRecord(FlowLink& unit, int pedal, std::uint8_t mode, const CommonRecord& common) {
    DeviceState& s = unit.State();
    FillSetOutputModeAndData(s.OutputPacketBuffer, pedal, mode, common);
    if (const ExchangeEnding e = unit.Exchange(SET_OUTPUT_MODE_AND_DATA); Failed(e)) return e;
    // Bytes after the parameters still carry the pedal's record from the report before.
    FillSetParameters(s.OutputPacketBuffer);
    return unit.Exchange(SET_PARAMETERS);
}

ExchangeEnding WritePedal(HID_PnP& link, DeviceState& s, int pedal) {
    if (!IsPedalIndex(pedal)) return ExchangeEnding::NoUnit;
    FlowLink unit(link, s);
    const auto i = static_cast<std::size_t>(pedal);
    return SendRecord(unit, pedal, s.OutputMode[i], s.CommonData[i]);
}

WriteResult WriteRecord(HID_PnP& link, DeviceState& s, int pedal, std::uint8_t mode, const CommonRecord& common) {
    WriteResult result;
    result.mode = mode;
    result.common = common;
    if (!IsPedalIndex(pedal)) return result;
    FlowLink unit(link, s);
    const auto i = static_cast<std::size_t>(pedal);
    s.SelectedPedalNo = pedal;
    PedalRecordCopy held;
    held.additional = s.AdditionalData[i];
    if (const ExchangeEnding e = SendRecord(unit, pedal, mode, common); Failed(e)) {
        result.ending = e;
        return result;
    }
    if (const ExchangeEnding e = ReadPedal(unit, pedal, held); Failed(e)) {
        result.ending = e;
        return result;
    }
    result.ending = ExchangeEnding::Answered;
    result.outcome = held.mode == mode && held.common == common ? WriteOutcome::Stored : WriteOutcome::Differs;
    // Either way the state now says what the unit holds.
    s.OutputMode[i] = held.mode;
    s.CommonData[i] = held.common;
    s.AdditionalData[i] = held.additional;
    s.SelectedPedalNo = pedal;  // an exchange's wait may have run other code
    return result;
}

WriteResult WriteChoice(HID_PnP& link, DeviceState& s, int pedal, const modes::ModeChoice& choice) {
    if (!IsPedalIndex(pedal)) return WriteRecord(link, s, pedal, 0, {});
    const auto i = static_cast<std::size_t>(pedal);
    std::uint8_t mode = s.OutputMode[i];
    CommonRecord common = s.CommonData[i];
    modes::Encode(choice, {mode, common});
    return WriteRecord(link, s, pedal, mode, common);
}

}  // namespace tarvik
