// SPDX-License-Identifier: GPL-3.0-or-later
// tarvikctl's exit statuses: scripts tell a unit problem from a mistake in the command line.
#pragma once

namespace tarvik::cli {

inline constexpr int EXIT_OK = 0;
// No unit, send error, time-out, unsupported firmware, refused pedal, read-back mismatch.
inline constexpr int EXIT_UNIT = 1;
// Unknown command or option, bad PEDAL, unknown key, malformed file, a file that may not be
// written, the reset's question answered no.
inline constexpr int EXIT_USAGE = 2;
// The work is done (a pedal written, say: the message says what), but standard output could not
// take what the command printed.
inline constexpr int EXIT_OUTPUT = 3;

}  // namespace tarvik::cli
