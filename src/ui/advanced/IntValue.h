// SPDX-License-Identifier: GPL-3.0-or-later
// The number a text box holds, read the forgiving way: leading blanks, an optional sign and the
// digits that follow; anything else ends it. No digits give 0; a number beyond int is clamped.
#pragma once

#include <string>

namespace tarvik::advanced {

int IntValue(const std::string& text);

}  // namespace tarvik::advanced
