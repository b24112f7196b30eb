#include "ui/advanced/ClickEncoding.h"

#include <array>
#include <cstdint>

#include "model/DeviceState.h"
#include "model/StandardChoice.h"

namespace tarvik::advanced {

namespace {

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
        case CLICK_LEFT: tab.radio = ClickRadio::Left; break;
        case CLICK_RIGHT: tab.radio = ClickRadio::Right; break;
        case CLICK_CENTER: tab.radio = ClickRadio::Center; break;
        case CLICK_LEFT | CLICK_RIGHT:
        case CLICK_LEFT | CLICK_CENTER:
        case CLICK_RIGHT | CLICK_CENTER:
        case CLICK_LEFT | CLICK_RIGHT | CLICK_CENTER:
            tab.plural = true;
            tab.leftBox = (c0 & CLICK_LEFT) != 0;
            tab.rightBox = (c0 & CLICK_RIGHT) != 0;
            tab.centerBox = (c0 & CLICK_CENTER) != 0;
            tab.radio = ClickRadio::Left;
            break;
        default:
            tab.radio = ClickRadio::Left;
            c0 = CLICK_LEFT;
            break;
        }
        break;
    case SIMPLE_DOUBLE_CLICK:
        switch (c0) {
        case CLICK_LEFT: tab.radio = ClickRadio::LeftDouble; break;
        case CLICK_RIGHT: tab.radio = ClickRadio::RightDouble; break;
        case CLICK_CENTER: tab.radio = ClickRadio::CenterDouble; break;
        default:
            tab.radio = ClickRadio::LeftDouble;
            c0 = CLICK_LEFT;
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
        if (state.leftBox) c0 |= CLICK_LEFT;
        if (state.rightBox) c0 |= CLICK_RIGHT;
        if (state.centerBox) c0 |= CLICK_CENTER;
        return;
    }
    if (!state.radio) return;
    switch (*state.radio) {
    case ClickRadio::Left: mode = SIMPLE_CLICK; c0 = CLICK_LEFT; break;
    case ClickRadio::Right: mode = SIMPLE_CLICK; c0 = CLICK_RIGHT; break;
    case ClickRadio::Center: mode = SIMPLE_CLICK; c0 = CLICK_CENTER; break;
    case ClickRadio::LeftDouble: SetDoubleClick(mode, common, CLICK_LEFT); break;
    case ClickRadio::RightDouble: SetDoubleClick(mode, common, CLICK_RIGHT); break;
    case ClickRadio::CenterDouble: SetDoubleClick(mode, common, CLICK_CENTER); break;
    }
}

}  // namespace tarvik::advanced
