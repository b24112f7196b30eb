// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/UnitFlows.h"

#include <algorithm>
#include <string>

#include "device/Console.h"
#include "device/FlowLink.h"
#include "device/HID_PnP.h"
#include "device/Reports.h"
#include "model/FactorySettings.h"

namespace tarvik {

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
        // The pedal's record is kept aside until every exchange for it has succeeded.
        const auto i = static_cast<std::size_t>(p);
        PedalRecordCopy record;
        record.additional = s.AdditionalData[i];
        if (const ExchangeEnding e = ReadPedal(unit, p, record); Failed(e)) return failed(e);
        s.OutputMode[i] = record.mode;
        s.CommonData[i] = record.common;
        s.AdditionalData[i] = record.additional;
        s.SelectedPedalNo = p;  // an exchange's wait may have run other code
        listener.PedalRecordReady(p);
    }
    return ReadOutcome::Done;
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
