// SPDX-License-Identifier: GPL-3.0-or-later
// Texts of the program break lines with CR LF and sometimes with a lone CR; Qt's widgets want LF
// (a CR would show as a stray glyph or nothing at all). Converted for display only.
#pragma once

#include <QString>
#include <string>

namespace tarvik {

QString ForDisplay(const std::string& text);

}  // namespace tarvik
