// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/advanced/ClickEncoding.h"

#include "model/StandardChoice.h"

namespace tarvik::advanced {

ClickTabState LoadClickTab(std::uint8_t mode, std::uint8_t& c0) {
    ClickTabState tab;
    switch (mode) {
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

void EncodeClick(const ClickTabState& state, std::uint8_t& mode, CommonRecord& common) {
    std::uint8_t& c0 = common[CLICK_BUTTON_BYTE];
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
    // A double click keeps the click lengths and interval (bytes 1-3) the record has.
    case ClickRadio::LeftDouble: mode = SIMPLE_DOUBLE_CLICK; c0 = CLICK_LEFT; break;
    case ClickRadio::RightDouble: mode = SIMPLE_DOUBLE_CLICK; c0 = CLICK_RIGHT; break;
    case ClickRadio::CenterDouble: mode = SIMPLE_DOUBLE_CLICK; c0 = CLICK_CENTER; break;
    }
}

}  // namespace tarvik::advanced
