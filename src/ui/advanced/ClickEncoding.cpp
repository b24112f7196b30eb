#include "ui/advanced/ClickEncoding.h"

#include <array>
#include <cstdint>

#include "device/DeviceState.h"

namespace tarvik::advanced {

namespace {

constexpr std::uint8_t kLeft = 1;
constexpr std::uint8_t kRight = 2;
constexpr std::uint8_t kCenter = 4;

// The click lengths and interval (bytes 1-3) stay as the pedal's record has them.
void SetDoubleClick(std::uint8_t& mode, std::array<std::uint8_t, NUMBER_OF_COMMON_DATA>& common,
                    std::uint8_t button) {
    mode = SIMPLE_DOUBLE_CLICK;
    common[0] = button;
}

}  // namespace

ClickTabState LoadClickTab() {
    ClickTabState tab;
    const int p = State().SelectedPedalNo;
    if (!IsPedalIndex(p)) {
        tab.radio = ClickRadio::Left;
        return tab;
    }
    std::uint8_t& c0 = State().CommonData[p][0];
    switch (State().OutputMode[p]) {
    case SIMPLE_CLICK:
        switch (c0) {
        case kLeft: tab.radio = ClickRadio::Left; break;
        case kRight: tab.radio = ClickRadio::Right; break;
        case kCenter: tab.radio = ClickRadio::Center; break;
        case kLeft | kRight:
        case kLeft | kCenter:
        case kRight | kCenter:
        case kLeft | kRight | kCenter:
            tab.plural = true;
            tab.leftBox = (c0 & kLeft) != 0;
            tab.rightBox = (c0 & kRight) != 0;
            tab.centerBox = (c0 & kCenter) != 0;
            tab.radio = ClickRadio::Left;
            break;
        default:
            tab.radio = ClickRadio::Left;
            c0 = kLeft;
            break;
        }
        break;
    case SIMPLE_DOUBLE_CLICK:
        switch (c0) {
        case kLeft: tab.radio = ClickRadio::LeftDouble; break;
        case kRight: tab.radio = ClickRadio::RightDouble; break;
        case kCenter: tab.radio = ClickRadio::CenterDouble; break;
        default:
            tab.radio = ClickRadio::LeftDouble;
            c0 = kLeft;
            break;
        }
        break;
    default:
        tab.radio = ClickRadio::Left;
        break;
    }
    return tab;
}

void EncodeClick(const ClickTabState& state) {
    const int p = State().SelectedPedalNo;
    if (!IsPedalIndex(p)) return;
    std::uint8_t& mode = State().OutputMode[p];
    auto& common = State().CommonData[p];
    std::uint8_t& c0 = common[0];
    if (state.plural) {
        mode = SIMPLE_CLICK;
        c0 = 0;
        if (state.leftBox) c0 |= kLeft;
        if (state.rightBox) c0 |= kRight;
        if (state.centerBox) c0 |= kCenter;
        return;
    }
    if (!state.radio) return;
    switch (*state.radio) {
    case ClickRadio::Left: mode = SIMPLE_CLICK; c0 = kLeft; break;
    case ClickRadio::Right: mode = SIMPLE_CLICK; c0 = kRight; break;
    case ClickRadio::Center: mode = SIMPLE_CLICK; c0 = kCenter; break;
    case ClickRadio::LeftDouble: SetDoubleClick(mode, common, kLeft); break;
    case ClickRadio::RightDouble: SetDoubleClick(mode, common, kRight); break;
    case ClickRadio::CenterDouble: SetDoubleClick(mode, common, kCenter); break;
    }
}

}  // namespace tarvik::advanced
