#include "device/DeviceState.h"

namespace tarvik {

DeviceState& State() {
    static DeviceState state;
    return state;
}

}  // namespace tarvik
