// SPDX-License-Identifier: GPL-3.0-or-later
// How one command exchange with the unit ended. The exchange reports it; the layer that talks to
// a person decides what, if anything, to show.
#pragma once

namespace tarvik {

enum class ExchangeEnding {
    Answered,    // the unit answered; the only success
    NoUnit,      // no unit held; in a flow also: not the unit the flow began with
    SendFailed,  // the unit did not take the report
    TimedOut,    // no answer within the time-out, or the unit went away while it was awaited
    Abandoned,   // the program is quitting and the wait was given up
};

}  // namespace tarvik
