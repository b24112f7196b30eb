// SPDX-License-Identifier: GPL-3.0-or-later
// Where the quick start guide shipped with the program can be opened, and opening it.
#pragma once

#include <QString>
#include <QStringList>

namespace tarvik {

// Places the guide may be, most preferred first: beside the running program (share/tarvik-config
// next to its bin/), where this build installs it, where the package installs it, and the copy in
// the source tree for a program run from its build folder.
QStringList QuickStartGuideCandidates();

// file:// URL of the first existing candidate; of the first candidate when none exists.
QString QuickStartGuideAddress(const QStringList& candidates = QuickStartGuideCandidates());

// Asks the desktop to show the guide (the user's browser). False, and nothing asked, when no copy
// of the guide exists or the desktop could not open it.
bool OpenQuickStartGuide(const QStringList& candidates = QuickStartGuideCandidates());

}  // namespace tarvik
