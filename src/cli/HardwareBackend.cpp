// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/UnitSession.h"
#include "device/HidapiBackend.h"

namespace tarvik::cli {

std::unique_ptr<HidBackend> MakeHardwareBackend() { return std::make_unique<HidapiBackend>(); }

}  // namespace tarvik::cli
