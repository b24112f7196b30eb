// SPDX-License-Identifier: GPL-3.0-or-later
// How the desktop recognises the running program: the desktop entry it belongs to (Wayland ties the
// window to the entry's name and icon by it) and the window icon (X11 shows it in task bars).
#pragma once

#include <QIcon>
#include <QString>

namespace tarvik {

// "jp.oremba.TarvikConfig": the desktop entry's name without ".desktop", also the icon's name.
QString ApplicationId();

// The packaged icon, built into the program so it shows before installation too.
QIcon ApplicationIcon();

// Sets the desktop file name and the window icon on the running QGuiApplication.
void ApplyDesktopIdentity();

}  // namespace tarvik
