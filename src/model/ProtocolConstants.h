// SPDX-License-Identifier: GPL-3.0-or-later
// Every fixed number the program and the unit agree on. Sizes that follow from others are computed,
// so changing a base size carries through.
#pragma once

#include <cstdint>

#ifndef TARVIK_VENDOR_ID
#define TARVIK_VENDOR_ID 0x1209
#endif
#ifndef TARVIK_PRODUCT_ID
#define TARVIK_PRODUCT_ID 0x0001
#endif

namespace tarvik {

// Application version shown by the version menu item.
inline constexpr int Win_Major = 2;
inline constexpr int Win_Minor = 2;
inline constexpr int Win_Revision = 5;

// USB identity of the unit; set at build time (CMake cache variables TARVIK_VENDOR_ID / TARVIK_PRODUCT_ID).
inline constexpr int vendorID = TARVIK_VENDOR_ID;
inline constexpr int productID = TARVIK_PRODUCT_ID;
// Only the vendor-defined interface of the unit carries commands.
inline constexpr int VENDOR_USAGE_PAGE = 0xFF00;

// Every report, both ways, is this long and carries no report ID.
inline constexpr int REPORT_SIZE = 16;

// Record sizes.
inline constexpr int NUMBER_OF_PEDALS_MAX = 5;
inline constexpr int NUMBER_OF_COMMON_DATA = 13;
inline constexpr int NUMBER_OF_PSKO_OUTPUT = 10;
inline constexpr int PSKO_OUTPUT_ENTRY_SIZE = 7;
inline constexpr int ADDITIONAL_DATA_ONE_PEDAL = (NUMBER_OF_PSKO_OUTPUT - 1) * PSKO_OUTPUT_ENTRY_SIZE;
inline constexpr int ADDITIONAL_DATA_ONE_TIME = NUMBER_OF_COMMON_DATA;
// The additional record travels in full blocks and one shorter last block.
inline constexpr int ADDITIONAL_DATA_FULL_BLOCKS = ADDITIONAL_DATA_ONE_PEDAL / ADDITIONAL_DATA_ONE_TIME;
inline constexpr int ADDITIONAL_DATA_LAST_BLOCK_SIZE =
    ADDITIONAL_DATA_ONE_PEDAL - ADDITIONAL_DATA_FULL_BLOCKS * ADDITIONAL_DATA_ONE_TIME;
inline constexpr int ADDITIONAL_DATA_BLOCKS =
    ADDITIONAL_DATA_FULL_BLOCKS + (ADDITIONAL_DATA_LAST_BLOCK_SIZE > 0 ? 1 : 0);

// Command codes: byte 0 of every outgoing report.
inline constexpr int GET_VERSION_NUMBER = 0x90;
inline constexpr int GET_NUMBER_OF_PEDALS = 0x91;
inline constexpr int SET_PARAMETERS = 0x92;
inline constexpr int SET_KEYBOARD_MOUSE_ABILITY = 0x93;
inline constexpr int SET_OUTPUT_MODE_AND_DATA = 0x94;
inline constexpr int GET_OUTPUT_MODE_AND_DATA = 0x95;
inline constexpr int GET_PEDAL_STATE = 0x96;
inline constexpr int SET_ADDITIONAL_DATA = 0x97;
inline constexpr int GET_ADDITIONAL_DATA = 0x98;
inline constexpr int SET_NUMBER_OF_PEDALS = 0x99;

// Display names of the commands.
inline constexpr const char* GET_VERSION_NUMBER_CHAR = "[Get Version Number] Command";
inline constexpr const char* GET_NUMBER_OF_PEDALS_CHAR = "[Get Number of Pedals] Command";
inline constexpr const char* SET_PARAMETERS_CHAR = "[Set Parameters] Command";
inline constexpr const char* SET_KEYBOARD_MOUSE_ABILITY_CHAR = "[Set Keyboard Mouse Ability] Command";
inline constexpr const char* SET_OUTPUT_MODE_AND_DATA_CHAR = "[Set Output Mode and Data] Command";
inline constexpr const char* GET_OUTPUT_MODE_AND_DATA_CHAR = "[Get Output Mode and Data] Command";
inline constexpr const char* GET_PEDAL_STATE_CHAR = "[Get Pedal State] Command";
inline constexpr const char* SET_ADDITIONAL_DATA_CHAR = "[Set Additional Data] Command";
inline constexpr const char* GET_ADDITIONAL_DATA_CHAR = "[Get Additional Data] Command";
inline constexpr const char* SET_NUMBER_OF_PEDALS_CHAR = "[Set Number of Pedals] Command";

// Output mode codes.
inline constexpr int SIMPLE_KEY_OUTPUT = 0;
inline constexpr int SIMPLE_CLICK = 1;
inline constexpr int SIMPLE_DOUBLE_CLICK = 2;
inline constexpr int MODIFIER_PLUS_CLICK = 3;
inline constexpr int MODIFIER_PLUS_DOUBLE_CLICK = 4;
inline constexpr int CONTINUOUS_KEY_OUTPUT = 5;
inline constexpr int POINTER_MOVE = 6;
inline constexpr int WHEEL_ROTATION = 7;
inline constexpr int CONTINUOUS_CLICK = 8;
inline constexpr int PLURAL_SIMULTANEOUS_KEY_OUTPUT = 9;
inline constexpr int OUTPUT_AT_CHANGE = 10;

// Timing parameters of the unit, each sent as one byte.
inline constexpr int CHATTERING_SETTLING_TIME = 25;
inline constexpr int MODIFIER_PRECEDING_TIME = 20;
inline constexpr int DOUBLE_CLICK_ON_TIME = 15;
inline constexpr int DOUBLE_CLICK_OFF_TIME = 15;

// Limits used by the dialogs and the description text.
inline constexpr int DEFAULT_NUMBER_OF_REPEATS = 10;
inline constexpr int Max_KeyUsageID = 231;
inline constexpr int Max_UsageID = 237;

// Second argument of Communicate.
inline constexpr bool MESSAGE_ON = true;
inline constexpr bool MESSAGE_OFF = false;

// The exchange waits this many ticks of this length for an answer.
inline constexpr int EXCHANGE_TICK_MS = 100;
inline constexpr int EXCHANGE_TIMEOUT_TICKS = 30;

// Firmware from this major version on speaks a protocol this program does not know.
inline constexpr int FIRST_UNSUPPORTED_FIRMWARE_MAJOR = 3;

static_assert(ADDITIONAL_DATA_FULL_BLOCKS * ADDITIONAL_DATA_ONE_TIME + ADDITIONAL_DATA_LAST_BLOCK_SIZE ==
              ADDITIONAL_DATA_ONE_PEDAL);
// A full additional-data block is answered from report byte 2 on.
static_assert(2 + ADDITIONAL_DATA_ONE_TIME <= REPORT_SIZE);
// Mode and common data are answered from report bytes 2 and 3 on.
static_assert(3 + NUMBER_OF_COMMON_DATA == REPORT_SIZE);

}  // namespace tarvik
