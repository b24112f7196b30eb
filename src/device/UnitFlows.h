// The conversations with the unit that both programs run: reading the whole unit after it is
// attached, writing one pedal, and the factory reset. The GUI and the CLI share them; they differ
// only in what they do between the steps (the listener).
#pragma once

#include <array>
#include <cstdint>

#include "device/ProtocolConstants.h"

namespace tarvik {

class HID_PnP;

class UnitFlowListener {
public:
    virtual ~UnitFlowListener() = default;
    // Read: the pedal count is known (already bounded to NUMBER_OF_PEDALS_MAX); `reported` is what
    // the unit said.
    virtual void PedalCountKnown(int count, int reported) { (void)count; (void)reported; }
    // Read: pedal SelectedPedalNo's record has been stored. Factory reset: its factory setting has
    // been put into the record, before it is sent.
    virtual void PedalRecordReady(int pedal) { (void)pedal; }
    // An exchange of the flow failed; the GUI puts its window back into the no-unit look here.
    virtual void ExchangeFailed() {}
};

enum class ReadOutcome {
    Done,         // every pedal read and stored
    Failed,       // an exchange failed or the unit went away; nothing of it was stored
    Unsupported,  // firmware major version FIRST_UNSUPPORTED_FIRMWARE_MAJOR or above
};

// Version, pedal count, then every pedal's mode and common data (and its additional data in the
// multi-chord mode). Stops at the first failed exchange or when the unit was removed or replaced.
// NumberOfPedals is bounded to NUMBER_OF_PEDALS_MAX (a console line names a larger reported count).
ReadOutcome ReadUnit(HID_PnP& link, UnitFlowListener& listener);

// Sends pedal SelectedPedalNo's mode and common data, then the timing parameters. True on failure
// (the second exchange is not made when the first fails).
bool WriteSelectedPedal(HID_PnP& link);

// Writes the factory setting of every pedal into the records and the unit, then the timing
// parameters. A failed pedal calls ExchangeFailed() and the next pedal is still reset. A failed
// parameter exchange calls ExchangeFailed(); any failure ends with the reset failure text. True on
// failure.
bool FactoryReset(HID_PnP& link, UnitFlowListener& listener);

// Puts the factory setting of pedal p into OutputMode[p] and CommonData[p] (only the bytes it names).
void ApplyFactorySetting(int pedal);
// The same for a record held elsewhere (the simulated unit's factory state). Pedals outside 0..4
// are left alone.
void ApplyFactorySetting(int pedal, std::uint8_t& mode, std::array<std::uint8_t, NUMBER_OF_COMMON_DATA>& common);

}  // namespace tarvik
