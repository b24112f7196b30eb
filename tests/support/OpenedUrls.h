// SPDX-License-Identifier: GPL-3.0-or-later
// What the program asked the desktop to open (QDesktopServices::openUrl). Every test binary catches
// file, http and https URLs here, so no test starts a browser.
#pragma once

#include <QList>
#include <QUrl>

namespace tarvik::test {

void CatchOpenedUrls();
QList<QUrl> OpenedUrls();
void ClearOpenedUrls();

}  // namespace tarvik::test
