// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/DeviceState.h"

namespace tarvik {

namespace {

DeviceState*& Owned() {
    static DeviceState* owned = nullptr;
    return owned;
}

}  // namespace

DeviceState& State() {
    if (DeviceState* owned = Owned()) return *owned;
    static DeviceState unowned;
    return unowned;
}

StateScope::StateScope(DeviceState& state) : previous_(Owned()) { Owned() = &state; }

StateScope::~StateScope() { Owned() = previous_; }

}  // namespace tarvik
