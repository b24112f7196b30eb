// SPDX-License-Identifier: GPL-3.0-or-later
// A unit image behind the kernel-like hidraw node: the firmware's answers to the read commands, so
// that the real backend and connection manager can read it as they would read the unit.
#pragma once

#include <QString>
#include <memory>

#include "KernelLikeChannel.h"
#include "device/HidapiBackend.h"
#include "model/UnitImage.h"

namespace tarvik::bench {

// Answers version, pedal count, mode and common data, and additional-data blocks from `image`;
// every other command is answered with its command byte only (nothing is stored).
test::KernelLikeNode::Firmware ReadOnlyFirmware(UnitImage image);

// Backend options that list one vendor interface at `path` and open it as `node`. Hotplug as the
// real program has it.
HidapiBackendOptions OptionsFor(std::shared_ptr<test::KernelLikeNode> node, const QString& path);

}  // namespace tarvik::bench
