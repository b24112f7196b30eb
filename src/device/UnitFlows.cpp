#include "device/UnitFlows.h"

#include <algorithm>
#include <string>

#include "device/Alert.h"
#include "device/Console.h"
#include "device/DeviceState.h"
#include "device/HID_PnP.h"
#include "device/Reports.h"
#include "model/Texts.h"

namespace tarvik {

namespace {

// What a unit leaves the factory with, by pedal. A byte of -1 is not written: the pedal keeps it.
struct FactoryRow {
    std::uint8_t mode;
    int byte0;
    int byte1;
};
constexpr std::array<FactoryRow, NUMBER_OF_PEDALS_MAX> kFactorySetting{{
    {SIMPLE_CLICK, 1, -1},          // left click
    {SIMPLE_KEY_OUTPUT, 0, 0x28},   // Return
    {SIMPLE_CLICK, 2, -1},          // right click
    {SIMPLE_KEY_OUTPUT, 0, 0x50},   // Left Arrow
    {SIMPLE_KEY_OUTPUT, 0, 0x4F},   // Right Arrow
}};

// One exchange of a flow that belongs to one attached unit: it fails as well when the unit went
// away or another took its place while it waited, so nothing of a different unit gets mixed in.
class FlowLink {
public:
    explicit FlowLink(HID_PnP& link) : link_(link), serial_(link.ConnectionSerial()) {}
    bool SameUnit() const { return link_.HasDevice() && link_.ConnectionSerial() == serial_; }
    // True on success, unlike Communicate.
    bool Exchange(int command) {
        if (!SameUnit()) return false;
        if (link_.Communicate(static_cast<std::uint8_t>(command), MESSAGE_ON)) return false;
        return SameUnit();
    }

private:
    HID_PnP& link_;
    const int serial_;
};

ReadOutcome ReadFailed(UnitFlowListener& listener) {
    listener.ExchangeFailed();
    return ReadOutcome::Failed;
}

}  // namespace

void ApplyFactorySetting(int pedal, std::uint8_t& mode, std::array<std::uint8_t, NUMBER_OF_COMMON_DATA>& common) {
    if (!IsPedalIndex(pedal)) return;
    const FactoryRow& row = kFactorySetting[static_cast<std::size_t>(pedal)];
    mode = row.mode;
    if (row.byte0 >= 0) common[0] = static_cast<std::uint8_t>(row.byte0);
    if (row.byte1 >= 0) common[1] = static_cast<std::uint8_t>(row.byte1);
}

void ApplyFactorySetting(int pedal) {
    if (!IsPedalIndex(pedal)) return;
    auto& s = State();
    const auto p = static_cast<std::size_t>(pedal);
    ApplyFactorySetting(pedal, s.OutputMode[p], s.CommonData[p]);
}

ReadOutcome ReadUnit(HID_PnP& link, UnitFlowListener& listener) {
    auto& s = State();
    FlowLink unit(link);
    const Report& in = s.InputPacketBuffer;

    if (!unit.Exchange(GET_VERSION_NUMBER)) return ReadFailed(listener);
    const FirmwareVersion version = TakeVersion(in);
    s.VersionNumberMajor = version.major;
    s.VersionNumberMinor = version.minor;
    s.VersionNumberRevision = version.revision;
    if (version.major >= FIRST_UNSUPPORTED_FIRMWARE_MAJOR) return ReadOutcome::Unsupported;

    if (!unit.Exchange(GET_NUMBER_OF_PEDALS)) return ReadFailed(listener);
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
        if (!unit.Exchange(GET_OUTPUT_MODE_AND_DATA)) return ReadFailed(listener);

        // The pedal's record is kept aside until every exchange for it has succeeded.
        std::uint8_t mode = 0;
        CommonRecord common{};
        TakeModeAndCommon(in, mode, common);
        const auto i = static_cast<std::size_t>(p);
        AdditionalRecord additional = s.AdditionalData[i];
        if (mode == PLURAL_SIMULTANEOUS_KEY_OUTPUT) {
            for (int block = 0; block < ADDITIONAL_DATA_BLOCKS; ++block) {
                FillGetAdditionalData(s.OutputPacketBuffer, p, block);
                if (!unit.Exchange(GET_ADDITIONAL_DATA)) return ReadFailed(listener);
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

bool WriteSelectedPedal(HID_PnP& link) {
    auto& s = State();
    const int p = s.SelectedPedalNo;
    if (!IsPedalIndex(p)) return true;
    FlowLink unit(link);
    const auto i = static_cast<std::size_t>(p);
    FillSetOutputModeAndData(s.OutputPacketBuffer, p, s.OutputMode[i], s.CommonData[i]);
    if (!unit.Exchange(SET_OUTPUT_MODE_AND_DATA)) return true;
    // Bytes after the parameters still carry the pedal's record from the report before.
    FillSetParameters(s.OutputPacketBuffer);
    return !unit.Exchange(SET_PARAMETERS);
}

bool FactoryReset(HID_PnP& link, UnitFlowListener& listener) {
    auto& s = State();
    // The reset was confirmed for the unit attached now; it is never carried on to another one.
    FlowLink unit(link);
    bool failed = false;
    const int count = std::clamp(s.NumberOfPedals, 0, NUMBER_OF_PEDALS_MAX);
    for (int p = 0; p < count; ++p) {
        const auto i = static_cast<std::size_t>(p);
        s.SelectedPedalNo = p;
        ApplyFactorySetting(p);
        listener.PedalRecordReady(p);
        FillSetOutputModeAndData(s.OutputPacketBuffer, p, s.OutputMode[i], s.CommonData[i]);
        if (!unit.Exchange(SET_OUTPUT_MODE_AND_DATA)) {
            failed = true;
            listener.ExchangeFailed();
        }
    }
    FillSetParameters(s.OutputPacketBuffer);
    if (!unit.Exchange(SET_PARAMETERS)) {
        listener.ExchangeFailed();
        alertBox(text::ResetFailed);
        return true;
    }
    // A pedal that did not take its factory setting leaves the reset unfinished: say so, rather
    // than let the user take the unit for reset.
    if (failed) alertBox(text::ResetFailed);
    return failed;
}

}  // namespace tarvik
