// SPDX-License-Identifier: GPL-3.0-or-later
// The program's own choices kept across runs, in the user's settings (organisation "Oremba",
// application "tarvik-config"). The pedals' settings are never kept here: the unit holds them.
#pragma once

namespace tarvik {

// "高度な設定を使う": off unless the user turned it on.
bool AdvancedSettingsWanted();
void SetAdvancedSettingsWanted(bool on);

}  // namespace tarvik
