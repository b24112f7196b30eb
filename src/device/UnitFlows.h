// SPDX-License-Identifier: GPL-3.0-or-later
// The conversations with the unit that both programs run: reading the whole unit after it is
// attached, and the factory reset (writing one pedal is in WriteFlow.h). The GUI and the CLI share them; they differ
// only in what they do between the steps (the listener) and in how they tell the outcome. The flows
// show nothing themselves.
#pragma once

#include <cstdint>

#include "device/ExchangeEnding.h"
#include "model/DeviceState.h"

namespace tarvik {

class HID_PnP;

class UnitFlowListener {
public:
    virtual ~UnitFlowListener() = default;
    // Read: the pedal count is known (already bounded to NUMBER_OF_PEDALS_MAX); `reported` is what
    // the unit said.
    virtual void PedalCountKnown(int count, int reported) { (void)count; (void)reported; }
    // Read: pedal `pedal`'s record has been stored. Factory reset: its factory setting has been put
    // into the record, before it is sent.
    virtual void PedalRecordReady(int pedal) { (void)pedal; }
    // An exchange of the flow was not answered (`ending` says why). The read stops after it; the
    // factory reset goes on with the next pedal.
    virtual void ExchangeFailed(ExchangeEnding ending) { (void)ending; }
};

enum class ReadOutcome {
    Done,         // every pedal read and stored
    Failed,       // an exchange failed or the unit went away; nothing of it was stored
    Unsupported,  // firmware major version FIRST_UNSUPPORTED_FIRMWARE_MAJOR or above
};

// Version, pedal count, then every pedal's mode and common data (and its additional data in the
// multi-chord mode), into `state`. Stops at the first failed exchange or when the unit was removed
// or replaced. NumberOfPedals is bounded to NUMBER_OF_PEDALS_MAX (a console line names a larger
// reported count). SelectedPedalNo is left at the last pedal read.
ReadOutcome ReadUnit(HID_PnP& link, DeviceState& state, UnitFlowListener& listener);

// Writes the factory setting of every pedal into the records and the unit, then the timing
// parameters. A pedal whose exchange fails is reported to the listener and the next pedal is still
// reset. Answered when every exchange was answered, else the first failure's ending.
ExchangeEnding FactoryReset(HID_PnP& link, DeviceState& state, UnitFlowListener& listener);

}  // namespace tarvik
