// SPDX-License-Identifier: GPL-3.0-or-later
// A simulated unit behind a real connection manager, with a short tick so time-outs take
// milliseconds, and a watchdog that shortens the tick if a wait would otherwise hang the test.
#pragma once

#include <vector>

#include "device/HID_PnP.h"
#include "model/DeviceState.h"
#include "sim/SimulatedUnit.h"
#include "support/Builders.h"
#include "support/RigHelpers.h"

namespace tarvik::test {

struct LinkRig {
    bool fresh = (State() = DeviceState{}, true);  // each rig starts from a program that saw no unit
    SimulatedUnit unit;
    bool absent;  // unplugged before the manager's probe
    HID_PnP link;
    QTimer watchdog;
    bool watchdogFired = false;

    explicit LinkRig(UnitImage image = DefaultUnitImage(), int tickMs = 1, bool plugged = true)
        : unit(std::move(image)), absent(!plugged && (unit.Unplug(), true)), link(unit, State()) {
        link.SetTickIntervalMs(tickMs);
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [this] {
            watchdogFired = true;
            link.SetTickIntervalMs(1);
        });
        watchdog.start(10000);
    }

    std::vector<QByteArray> Sent() const {
        std::vector<QByteArray> sent;
        for (const auto& line : unit.Transcript())
            if (line.sent) sent.push_back(line.bytes);
        return sent;
    }
};

}  // namespace tarvik::test
