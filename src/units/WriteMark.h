// SPDX-License-Identifier: GPL-3.0-or-later
// After a program writes to a real unit it marks the unit: a small file named after the unit's node
// under $XDG_RUNTIME_DIR/tarvik/, rewritten whole. Any window showing that unit follows the mark
// and reads the unit again. (A simulated unit's mark is its own file, which every write saves.)
#pragma once

#include <QString>

namespace tarvik {

// $XDG_RUNTIME_DIR/tarvik, or empty where XDG_RUNTIME_DIR is not set (nothing is marked then).
QString MarkFolder();
// The mark file of the unit at `unitPath` (e.g. /dev/hidraw3 → MarkFolder()/hidraw3); empty
// without a mark folder.
QString MarkFileOf(const QString& unitPath);
// Rewrites the unit's mark file (the folder is made, for this user only, when missing). True when
// the mark is on disk, or when there is nowhere to put one.
bool MarkWritten(const QString& unitPath, QString& error);

}  // namespace tarvik
