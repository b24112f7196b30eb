// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/UnitFlows.h"

#include <algorithm>
#include <array>
#include <string>

#include "device/Console.h"
#include "device/HID_PnP.h"
#include "device/Reports.h"
#include "model/FactorySettings.h"

namespace tarvik {

namespace {

// The exchanges of a flow that belongs to one attached unit: one fails as well when the unit went
// away or another took its place while it waited, so nothing of a different unit gets mixed in.
class FlowLink {
public:
    FlowLink(HID_PnP& link, DeviceState& state)
        : link_(link), state_(state), serial_(link.ConnectionSerial()) {}
    bool SameUnit() const { return link_.HasDevice() && link_.ConnectionSerial() == serial_; }
    ExchangeEnding Exchange(int command) {
        if (!SameUnit()) return ExchangeEnding::NoUnit;
        const ExchangeEnding ending =
            link_.Exchange(static_cast<std::uint8_t>(command), state_.OutputPacketBuffer, state_.InputPacketBuffer);
        if (ending == ExchangeEnding::Answered && !SameUnit()) return ExchangeEnding::NoUnit;
        return ending;
    }

private:
    HID_PnP& link_;
    DeviceState& state_;
    const int serial_;
};

bool Failed(ExchangeEnding ending) { return ending != ExchangeEnding::Answered; }

}  // namespace

ReadOutcome ReadUnit(HID_PnP& link, DeviceState& s, UnitFlowListener& listener) {
    FlowLink unit(link, s);
    const Report& in = s.InputPacketBuffer;
    const auto failed = [&listener](ExchangeEnding ending) {
        listener.ExchangeFailed(ending);
        return ReadOutcome::Failed;
    };

    if (const ExchangeEnding e = unit.Exchange(GET_VERSION_NUMBER); Failed(e)) return failed(e);
    const FirmwareVersion version = TakeVersion(in);
    s.VersionNumberMajor = version.major;
    s.VersionNumberMinor = version.minor;
    s.VersionNumberRevision = version.revision;
    if (version.major >= FIRST_UNSUPPORTED_FIRMWARE_MAJOR) return ReadOutcome::Unsupported;

    if (const ExchangeEnding e = unit.Exchange(GET_NUMBER_OF_PEDALS); Failed(e)) return failed(e);
    const int reported = TakePedalCount(in);
    const int count = std::min(reported, NUMBER_OF_PEDALS_MAX);
    if (reported > count) {
        ConsoleLine("The Tarvik reports " + std::to_string(reported) + " pedals; only the first " +
                    std::to_string(count) + " are read.");
    }
    s.NumberOfPedals = count;
    listener.PedalCountKnown(count, reported);

    for (int p = 0; p < count; ++p) {
        s.SelectedPedalNo = p;
        FillGetOutputModeAndData(s.OutputPacketBuffer, p);
        if (const ExchangeEnding e = unit.Exchange(GET_OUTPUT_MODE_AND_DATA); Failed(e)) return failed(e);

        // The pedal's record is kept aside until every exchange for it has succeeded.
        std::uint8_t mode = 0;
        CommonRecord common{};
        TakeModeAndCommon(in, mode, common);
        const auto i = static_cast<std::size_t>(p);
        AdditionalRecord additional = s.AdditionalData[i];
        if (mode == PLURAL_SIMULTANEOUS_KEY_OUTPUT) {
            for (int block = 0; block < ADDITIONAL_DATA_BLOCKS; ++block) {
                FillGetAdditionalData(s.OutputPacketBuffer, p, block);
                if (const ExchangeEnding e = unit.Exchange(GET_ADDITIONAL_DATA); Failed(e)) return failed(e);
                TakeAdditionalBlock(in, block, additional);
            }
        }
        s.OutputMode[i] = mode;
        s.CommonData[i] = common;
        s.AdditionalData[i] = additional;
        s.SelectedPedalNo = p;  // an exchange's wait may have run other code
        listener.PedalRecordReady(p);
    }
    return ReadOutcome::Done;
}

ExchangeEnding WritePedal(HID_PnP& link, DeviceState& s, int pedal) {
    if (!IsPedalIndex(pedal)) return ExchangeEnding::NoUnit;
    FlowLink unit(link, s);
    const auto i = static_cast<std::size_t>(pedal);
    FillSetOutputModeAndData(s.OutputPacketBuffer, pedal, s.OutputMode[i], s.CommonData[i]);
    if (const ExchangeEnding e = unit.Exchange(SET_OUTPUT_MODE_AND_DATA); Failed(e)) return e;
    // Bytes after the parameters still carry the pedal's record from the report before.
    FillSetParameters(s.OutputPacketBuffer);
    return unit.Exchange(SET_PARAMETERS);
}

ExchangeEnding FactoryReset(HID_PnP& link, DeviceState& s, UnitFlowListener& listener) {
    // The reset was confirmed for the unit attached now; it is never carried on to another one.
    FlowLink unit(link, s);
    ExchangeEnding outcome = ExchangeEnding::Answered;
    const auto note = [&](ExchangeEnding ending) {
        listener.ExchangeFailed(ending);
        if (!Failed(outcome)) outcome = ending;
    };
    const int count = std::clamp(s.NumberOfPedals, 0, NUMBER_OF_PEDALS_MAX);
    for (int p = 0; p < count; ++p) {
        const auto i = static_cast<std::size_t>(p);
        s.SelectedPedalNo = p;
        ApplyFactorySetting(p, s.OutputMode[i], s.CommonData[i]);
        listener.PedalRecordReady(p);
        FillSetOutputModeAndData(s.OutputPacketBuffer, p, s.OutputMode[i], s.CommonData[i]);
        if (const ExchangeEnding e = unit.Exchange(SET_OUTPUT_MODE_AND_DATA); Failed(e)) note(e);
    }
    FillSetParameters(s.OutputPacketBuffer);
    if (const ExchangeEnding e = unit.Exchange(SET_PARAMETERS); Failed(e)) note(e);
    return outcome;
}

}  // namespace tarvik
